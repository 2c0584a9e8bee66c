#include "ui/screen.h"

#include <algorithm>
#include <cstring>

#include "core/workspace.h"
#include "text/labels.h"

namespace zc {
namespace {

constexpr Rgb kFrameGrey{200, 200, 200};
constexpr int kTrackLengthX = kViewWidth - kTrackInset;   // 920
constexpr int kTrackLengthY = kViewHeight - kTrackInset;  // 600

// One arrow button: a light box with a raised triangle pointing in the given direction. It stays
// inside its scroll bar box, whose right and bottom edges run along bx + 18 or by + 18.
void drawArrowButton(Surface& s, int bx, int by, int dx, int dy) {
  s.fillRect(bx + 1, by + 1, bx + 18, by + 18, Rgb{230, 240, 240});
  s.line(bx + 1, by + 1, bx + 18, by + 1, Rgb{250, 250, 250});
  s.line(bx + 1, by + 1, bx + 1, by + 18, Rgb{250, 250, 250});
  s.line(bx + 17, by + 2, bx + 17, by + 18, Rgb{200, 210, 210});
  s.line(bx + 2, by + 17, bx + 18, by + 17, Rgb{200, 210, 210});
  for (int i = 0; i < 5; ++i) {
    // Runs of growing length away from the tip.
    if (dy != 0) {
      const int y = dy < 0 ? by + 7 + i : by + 12 - i;
      s.line(bx + 10 - i, y, bx + 11 + i, y, Rgb{200, 210, 210});
    } else {
      const int x = dx < 0 ? bx + 7 + i : bx + 12 - i;
      s.line(x, by + 10 - i, x, by + 11 + i, Rgb{200, 210, 210});
    }
  }
}

void clampPosition(ScrollAxis& a) {
  const int range = static_cast<int>(a.range);
  a.position = std::clamp(a.position, 0, std::max(range, 0));
  a.positionCopy = a.position;
}

void computeAxis(ScrollAxis& a, int viewLength, int imageLength, bool wholeView) {
  const double ratio = (!wholeView && imageLength >= viewLength)
                           ? static_cast<double>(viewLength) / imageLength
                           : 1.0;
  // The product is formed in extended precision before it is truncated: 600 x (640 / 960) gives
  // 399, not the 400 that rounding the product to double would give.
  a.thumbLength = static_cast<int32_t>(static_cast<long double>(viewLength - kTrackInset) * ratio);
  a.range = (viewLength - kTrackInset) - a.thumbLength;
  if (wholeView) a.position = 0;
  clampPosition(a);
}

// Track click: a page up when the click lies before the thumb, a page down after it.
void trackClick(ScrollAxis& a, int distance, bool beforeEnd) {
  if (a.position > 0 && distance > 0 && distance < a.position) {
    a.position = std::max(0, a.position - 20);
  }
  if (a.position < a.range && a.position + a.thumbLength < distance && beforeEnd) {
    a.position = std::min(static_cast<int32_t>(a.range), a.position + 20);
  }
  a.positionCopy = a.position;
}

void dragStep(ScrollAxis& a) {
  if (!a.dragActive) return;
  a.position += a.dragCurrent - a.dragStart;
  clampPosition(a);
}

bool overVerticalTrack(int x, int y) {
  return x > 1060 && x < 1080 && y > 52 && y < 652;
}
bool overHorizontalTrack(int x, int y) {
  return x > 120 && x < 1040 && y > 672 && y < 692;
}
// A drag goes on while the pointer stays over its scroll bar, arrows included.
bool overVerticalBar(int x, int y) {
  return x > 1060 && x < 1080 && y > 32 && y < 672;
}
bool overHorizontalBar(int x, int y) {
  return x > 100 && x < 1060 && y > 672 && y < 692;
}

void endDrag(ScrollAxis& a) {
  a.dragActive = 0;
  a.dragCurrent = 0;
}

}  // namespace

bool insideImageArea(int x, int y) {
  const Size v = ws().viewSize;
  return x > kAreaLeft && x < kAreaLeft + v.width && y > kAreaTop && y < kAreaTop + v.height;
}

void drawFrame(Surface& s) {
  // Window-system rectangles (right and bottom edges excluded). The scroll bar boxes begin just
  // past the image area; the frame's top edge on y = 32 lies under the canvas, drawn later.
  s.rectangleFrame(99, 32, 1080, 692, kFrameGrey);
  s.rectangleFrame(1060, 32, 1080, 672, kFrameGrey);
  s.rectangleFrame(100, 672, 1060, 692, kFrameGrey);
  s.rectangleFrame(1060, 672, 1080, 692, kFrameGrey);
  drawArrowButton(s, 1061, 33, 0, -1);
  drawArrowButton(s, 1061, 653, 0, 1);
  drawArrowButton(s, 100, 673, -1, 0);
  drawArrowButton(s, 1041, 673, 1, 0);
  for (int y = 16; y <= 27; ++y) s.line(100, y, 1080, y, Rgb{240, 240, 240});
}

void computeThumbs() {
  Workspace& w = ws();
  const bool wholeView = w.wholeViewMode == 1 || w.wholeViewMode == 2;
  const Size image = w.pageId == kPageAppear ? w.appear.canvasSize : w.imageSize;
  computeAxis(w.scrollX, kViewWidth, image.width, wholeView);
  computeAxis(w.scrollY, kViewHeight, image.height, wholeView);
}

void applyScrollCommandAndDrag() {
  Workspace& w = ws();
  ScrollAxis& v = w.scrollY;
  ScrollAxis& h = w.scrollX;
  switch (w.scrollCommand) {
    case 1:
      v.position = std::max(0, v.position - 10);
      break;
    case 2:
      trackClick(v, w.scrollClickY - 52, w.scrollClickY < 652);
      break;
    case 3:
      v.position = std::min(static_cast<int32_t>(v.range), v.position + 10);
      break;
    case 4:
      h.position = std::max(0, h.position - 10);
      break;
    case 5:
      trackClick(h, w.scrollClickX - 120, w.scrollClickX < 1040);
      break;
    case 6:
      h.position = std::min(static_cast<int32_t>(h.range), h.position + 10);
      break;
    default:
      break;
  }
  w.scrollCommand = 0;
  dragStep(v);
  dragStep(h);
  clampPosition(v);
  clampPosition(h);
}

void drawThumbs(Surface& s) {
  const ScrollAxis& h = ws().scrollX;
  const int hx0 = h.position + 120, hx1 = h.position + 120 + h.thumbLength;
  // Window-system rectangles, so the thumbs stay inside their bar boxes.
  for (int y = 674; y < 690; ++y) s.line(hx0 + 1, y, hx1 - 1, y, Rgb{230, 230, 240});
  s.rectangleFrame(hx0, 673, hx1, 691, Rgb{200, 200, 210});
  const int hm = (hx0 + hx1) / 2;
  for (int i = -3; i <= 3; i += 3) s.line(hm + i, 677, hm + i, 688, Rgb{250, 250, 255});

  const ScrollAxis& v = ws().scrollY;
  const int vy0 = v.position + 52, vy1 = v.position + 52 + v.thumbLength;
  for (int x = 1062; x < 1078; ++x) s.line(x, vy0 + 1, x, vy1 - 1, Rgb{230, 240, 230});
  s.rectangleFrame(1061, vy0, 1079, vy1, Rgb{200, 210, 200});
  const int vm = (vy0 + vy1) / 2;
  for (int i = -3; i <= 3; i += 3) s.line(1065, vm + i, 1076, vm + i, Rgb{250, 255, 250});
}

void computePixelShifts() {
  Workspace& w = ws();
  w.scrollX.pixelShift =
      static_cast<int32_t>(static_cast<double>(kViewWidth) * w.scrollX.position / kTrackLengthX);
  w.scrollY.pixelShift =
      static_cast<int32_t>(static_cast<double>(kViewHeight) * w.scrollY.position / kTrackLengthY);
}

void scrollBarPress(int x, int y) {
  Workspace& w = ws();
  if (x > 1060 && x < 1080) {
    if (y > 32 && y < 52) w.scrollCommand = 1;
    if (y > 52 && y < 652) w.scrollCommand = 2;
    if (y > 652 && y < 672) w.scrollCommand = 3;
  }
  if (y > 672 && y < 692) {
    if (x > 100 && x < 120) w.scrollCommand = 4;
    if (x > 120 && x < 1040) w.scrollCommand = 5;
    if (x > 1040 && x < 1060) w.scrollCommand = 6;
  }
  w.scrollClickX = x;
  w.scrollClickY = y;
  if (overVerticalTrack(x, y)) {
    w.scrollY.dragActive = 1;
    w.scrollY.dragStart = y;
    w.scrollY.dragCurrent = y;
  }
  if (overHorizontalTrack(x, y)) {
    w.scrollX.dragActive = 1;
    w.scrollX.dragStart = x;
    w.scrollX.dragCurrent = x;
  }
}

// An active drag follows the pointer while it stays over the bar and ends when it leaves.
void moveDrag(ScrollAxis& a, bool overBar, int coordinate) {
  if (!a.dragActive) return;
  if (!overBar) {
    endDrag(a);
    return;
  }
  a.dragCurrent = coordinate;
  dragStep(a);
}

void scrollBarMove(int x, int y) {
  moveDrag(ws().scrollY, overVerticalBar(x, y), y);
  moveDrag(ws().scrollX, overHorizontalBar(x, y), x);
}

void scrollBarRelease(int x, int y) {
  // The release applies the last step and always ends the drag: the thumb follows the pointer
  // only while the button is held.
  scrollBarMove(x, y);
  endDrag(ws().scrollX);
  endDrag(ws().scrollY);
}

void computeWholeViewSize(int width, int height) {
  Workspace& w = ws();
  if (width <= 0 || height <= 0) return;
  const double sx = static_cast<double>(kViewWidth) / width;
  const double sy = static_cast<double>(kViewHeight) / height;
  const double s = std::min(sx, sy);
  w.wholeViewSize = Size{static_cast<int32_t>(width * s), static_cast<int32_t>(height * s)};
  w.wholeViewScaleX = s;
  w.wholeViewScaleY = s;
}

void buildCanvasBuffer(const LoadedBitmap& bitmap) {
  const Size work = ws().workSize;
  const Size image = ws().imageSize;
  uint8_t* canvas = canvasBuffer();
  const int rowBytes = work.width * 3;
  const int copyWidth = std::min({bitmap.width, work.width, image.width});
  const int copyHeight = std::min({bitmap.height, work.height, image.height});
  for (int r = 0; r < work.height; ++r) {
    uint8_t* row = canvas + static_cast<long>(work.height - 1 - r) * rowBytes;
    int filled = 0;
    if (r < copyHeight && copyWidth > 0) {
      std::memcpy(row, bitmap.pixels + static_cast<long>(r) * bitmap.width * 3,
                  static_cast<size_t>(copyWidth) * 3);
      filled = copyWidth;
    }
    std::memset(row + filled * 3, 255, static_cast<size_t>(rowBytes - filled * 3));
  }
}

void showCanvas(Surface& s, int mode) {
  const Workspace& w = ws();
  const uint8_t* canvas = canvasBuffer();
  const Size work = w.workSize;
  switch (mode) {
    case 1:
      s.stretchBottomUp(canvas, work.width, work.height, 0, 0, w.imageSize.width,
                        w.imageSize.height, kAreaLeft, kAreaTop, w.wholeViewSize.width,
                        w.wholeViewSize.height);
      break;
    case 2:
      s.stretchBottomUp(canvas, work.width, work.height, 0, 0, w.canvasSize.width,
                        w.canvasSize.height, kAreaLeft, kAreaTop, w.viewSize.width,
                        w.viewSize.height);
      break;
    default:
      s.blitBottomUp(canvas, work.width, work.height, w.scrollX.pixelShift, w.scrollY.pixelShift,
                     w.viewSize.width, w.viewSize.height, kAreaLeft, kAreaTop);
      break;
  }
}

void drawTabBar(Surface& s) {
  for (int cell = 0; cell < 12; ++cell) {
    const LabelText& label = tabLabel(cell);
    s.text(120 + 80 * cell, 10, tr(label.japanese, label.english), kLabelText, 12);
  }
  // The bottom edge lies on y = 31, above the image area's first row.
  s.rectangleFrame(100, 0, 1080, 32, kFrameGrey);
}

}  // namespace zc

#include "ui/controls.h"

namespace zc {

void drawWholeViewButtons(Surface& s, int top, const WholeViewLabels& labels) {
  constexpr Rgb kWholeViewColour{80, 220, 180};
  const int32_t mode = ws().wholeViewMode;
  drawButton(s, makeButton(4, top, 88, kWholeViewColour, onWhen(mode == 1)), labels.image);
  drawButton(s, makeButton(4, top + 26, 88, kWholeViewColour, onWhen(mode == 2)), labels.canvas);
  drawButton(s, makeButton(4, top + 52, 88, kWholeViewColour), labels.back);
}

bool pressWholeViewButtons(int x, int y, int top, int32_t& helpTopic, int32_t wholeViewTopic) {
  for (int32_t mode : {1, 2, 0}) {
    const int buttonTop = top + 26 * (mode == 0 ? 2 : mode - 1);
    if (inside(x, y, 4, buttonTop, 92, buttonTop + 20)) {
      ws().wholeViewMode = mode;
      if (mode != 0) helpTopic = wholeViewTopic;
      return true;
    }
  }
  return false;
}

}  // namespace zc
