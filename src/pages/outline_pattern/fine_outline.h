#pragma once
#include "core/image_buffers.h"
#include "platform/rgb.h"

namespace zc {

// The colour conditions an outline follows (the shared colour condition of the Workspace).
enum OutlineCondition : int {
  kOutlineThreeColours = 1,  // "3C": red, green and blue must all differ
  kOutlineGrey = 2,          // "gray": the grey values of the groups must differ
  kOutlineRedOnly = 3,       // the one plane alone
  kOutlineGreenOnly = 4,
  kOutlineBlueOnly = 5,
};

// FineOutline: paints `colour` on every canvas pixel (k, r), 2 <= k < W - 2 and 2 <= r < H - 2,
// that lies on an edge of the picture held in the planes; every other pixel, the frame of two
// pixels included, stays as it is.
//
// Around (k, r) eight groups of three neighbours are formed (the centre is not used): row group
// A (row r - 1) and B (row r + 1), column group A (column k - 1) and B (column k + 1), corner
// group 1 {(k-1, r-1), (k, r-1), (k-1, r)}, 2 {(k+1, r+1), (k, r+1), (k+1, r)},
// 3 {(k, r-1), (k+1, r-1), (k+1, r)} and 4 {(k-1, r), (k-1, r+1), (k, r+1)}. A group's value
// in a plane is the integer mean sum / 3. The pairs A/B of rows, A/B of columns, corners 1/2 and
// corners 3/4 are tested; one pair that is an edge makes the pixel an outline pixel.
//
// planes:    the committed picture, W x H (plane 0 blue, 1 green, 2 red), cell values 0..255.
//            Rows holding other values are worked out by the plain loop, with the same result.
// canvas:    the shown picture, the same W x H; only outline pixels are written.
// judge:     any integer; a pair is an edge only where a difference exceeds it (strictly).
// condition: 1 all three planes must exceed; 2 the greys trunc(0.299 R + 0.587 G + 0.114 B) of
//            the groups' means must; 3, 4, 5 the red, green or blue plane alone must; any other
//            value paints nothing.
// tuning:    how the work is done; every choice gives the same pixels.
//
// Bit for bit the result of the plain loop in fine_outline_reference.h.
enum class OutlineIsa { kBest, kAvx512, kAvx2, kPortable };
struct FineOutlineTuning {
  // 0 chooses (two bands of rows on a machine with two or more cores), otherwise the number of
  // bands of rows worked at the same time.
  int bands = 0;
  // The vector instructions the row loops are compiled for; kBest takes the widest the machine
  // has, and a choice the machine lacks falls back to the next narrower one it has.
  OutlineIsa isa = OutlineIsa::kBest;
};
void fineOutline(const PlaneView& planes, const PixelView& canvas, int judge, int condition,
                 Rgb colour, const FineOutlineTuning& tuning = {});

}  // namespace zc
