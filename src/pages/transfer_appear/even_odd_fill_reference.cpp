#include "pages/transfer_appear/even_odd_fill_reference.h"

namespace zc {
namespace {

constexpr int32_t kBoundary = 1;

bool isFill(const uint8_t* px, uint8_t e) {
  return px[0] == e && px[1] == e && px[2] == e;
}
void paint(uint8_t* px, uint8_t e) {
  px[0] = px[1] = px[2] = e;
}

void fillRows(const PixelView& canvas, const int32_t* marks, uint8_t e) {
  const int w = canvas.width, h = canvas.height;
  for (int r = 0; r < h; ++r) {
    const int32_t* row = marks + static_cast<long>(r) * w;
    int open = -1;  // the column of an unpaired cell
    for (int c = 0; c < w; ++c) {
      if (row[c] != kBoundary) continue;
      if (open < 0) {
        open = c;
        continue;
      }
      for (int k = open; k <= c; ++k) paint(canvas.at(k, r), e);
      open = -1;
    }
  }
  for (int r = 1; r + 1 < h; ++r) {
    for (int c = 0; c < w; ++c) {
      if (isFill(canvas.at(c, r - 1), e) && isFill(canvas.at(c, r + 1), e)) {
        paint(canvas.at(c, r), e);
      }
    }
  }
}

void fillColumns(const PixelView& canvas, const int32_t* marks, uint8_t e) {
  const int w = canvas.width, h = canvas.height;
  for (int c = 0; c < w; ++c) {
    int open = -1;  // the row of an unpaired cell
    for (int r = 0; r < h; ++r) {
      if (marks[static_cast<long>(r) * w + c] != kBoundary) continue;
      if (open < 0) {
        open = r;
        continue;
      }
      for (int k = open; k <= r; ++k) paint(canvas.at(c, k), e);
      open = -1;
    }
  }
  for (int r = 0; r < h; ++r) {
    for (int c = 1; c + 1 < w; ++c) {
      if (isFill(canvas.at(c - 1, r), e) && isFill(canvas.at(c + 1, r), e)) {
        paint(canvas.at(c, r), e);
      }
    }
  }
}

}  // namespace

void evenOddFillReference(const PixelView& canvas, const MarkView& markView, int cutMode,
                          int fillValue) {
  const int32_t* marks = markView.cells;
  const uint8_t e = static_cast<uint8_t>(fillValue);
  if (cutMode == 1) {
    fillRows(canvas, marks, e);
  } else {
    fillColumns(canvas, marks, e);
  }
}

}  // namespace zc
