#pragma once
namespace zc {

// The "／" button of the Outline, Pattern and Transfer pages: the next of the six outline colours
// (black, white, water, gray, blue, red), (index + 1) mod 6. An index outside 0..5 (never set by
// the program) starts again at 0. The colour itself is outlineColorOf(index) (core/workspace.h).
constexpr int kOutlineColourCount = 6;
int nextOutlineColorIndex(int index);

}  // namespace zc
