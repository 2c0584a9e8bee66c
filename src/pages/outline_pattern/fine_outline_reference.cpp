#include "pages/outline_pattern/fine_outline_reference.h"

#include <cstdlib>

#include "core/grey.h"
#include "pages/outline_pattern/fine_outline.h"

namespace zc {
namespace {

// The three cells of each group as (column, row) offsets from the centre pixel, in the order of
// the four opposed pairs: row A, row B, column A, column B, corner 1, corner 2, corner 3, corner 4.
constexpr int kGroups[8][3][2] = {
    {{-1, -1}, {0, -1}, {1, -1}},  // row group A: row r - 1
    {{-1, 1}, {0, 1}, {1, 1}},     // row group B: row r + 1
    {{-1, -1}, {-1, 0}, {-1, 1}},  // column group A: column k - 1
    {{1, -1}, {1, 0}, {1, 1}},     // column group B: column k + 1
    {{-1, -1}, {0, -1}, {-1, 0}},  // corner group 1
    {{1, 1}, {0, 1}, {1, 0}},      // corner group 2
    {{0, -1}, {1, -1}, {1, 0}},    // corner group 3
    {{-1, 0}, {-1, 1}, {0, 1}},    // corner group 4
};

}  // namespace

bool fineOutlineEdgeAt(const PlaneView& planes, int k, int r, int judge, int condition) {
  int mean[8][3];  // per group, per plane (blue, green, red)
  for (int g = 0; g < 8; ++g) {
    for (int c = 0; c < 3; ++c) {
      int sum = 0;
      for (const auto& cell : kGroups[g]) {
        sum += planes.plane[c][planes.index(k + cell[0], r + cell[1])];
      }
      mean[g][c] = sum / 3;
    }
  }
  for (int pair = 0; pair < 4; ++pair) {
    const int* a = mean[2 * pair];
    const int* b = mean[2 * pair + 1];
    bool edge = false;
    switch (condition) {
      case kOutlineThreeColours:
        edge = std::abs(a[2] - b[2]) > judge && std::abs(a[1] - b[1]) > judge &&
               std::abs(a[0] - b[0]) > judge;
        break;
      case kOutlineGrey:
        edge = std::abs(greyOf(a[2], a[1], a[0]) - greyOf(b[2], b[1], b[0])) > judge;
        break;
      case kOutlineRedOnly:
        edge = std::abs(a[2] - b[2]) > judge;
        break;
      case kOutlineGreenOnly:
        edge = std::abs(a[1] - b[1]) > judge;
        break;
      case kOutlineBlueOnly:
        edge = std::abs(a[0] - b[0]) > judge;
        break;
      default:
        break;
    }
    if (edge) return true;
  }
  return false;
}

void fineOutlineReference(const PlaneView& planes, const PixelView& canvas, int judge,
                          int condition, Rgb colour) {
  for (int r = 2; r < planes.height - 2; ++r) {
    for (int k = 2; k < planes.width - 2; ++k) {
      if (!fineOutlineEdgeAt(planes, k, r, judge, condition)) continue;
      uint8_t* p = canvas.at(k, r);
      p[0] = colour.b;
      p[1] = colour.g;
      p[2] = colour.r;
    }
  }
}

}  // namespace zc
