#include "ui/screen.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/area_fit.h"
#include "core/workspace.h"
#include "text/labels.h"
#include "ui/controls.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"

namespace zc {
namespace {

constexpr Rgb kFrameGrey{200, 200, 200};

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
}

void dragStep(ScrollAxis& a) {
  if (!a.dragActive) return;
  a.position += a.dragCurrent - a.dragStart;
  clampPosition(a);
}

// One scroll bar: the arrow at its start, its track and the arrow at its end, with the command a
// press on each asks for. A press hits a part strictly inside its edges; a thumb drag starts on
// the track and goes on while the pointer stays over the bar, arrows included.
struct ScrollBarParts {
  HitZone backArrow, track, forwardArrow, bar;
  int trackStart, trackEnd;  // the track along the bar's axis
  ScrollCommand back, trackCommand, forward;
};
// A bar from `start` to `end` along its axis with arrows of 20 pixels at both ends, lying between
// `across0` and `across1` across it.
constexpr ScrollBarParts scrollBar(bool vertical, int across0, int across1, int start, int end,
                                   ScrollCommand back, ScrollCommand track, ScrollCommand forward) {
  auto part = [&](int from, int to) {
    return vertical ? zoneExcl(across0, across1, from, to) : zoneExcl(from, to, across0, across1);
  };
  return {part(start, start + 20),
          part(start + 20, end - 20),
          part(end - 20, end),
          part(start, end),
          start + 20,
          end - 20,
          back,
          track,
          forward};
}
constexpr ScrollBarParts kVerticalBar =
    scrollBar(true, 1060, 1080, 32, 672, kScrollArrowUp, kScrollTrackVertical, kScrollArrowDown);
constexpr ScrollBarParts kHorizontalBar = scrollBar(false, 672, 692, 100, 1060, kScrollArrowLeft,
                                                    kScrollTrackHorizontal, kScrollArrowRight);

// One axis's share of a scroll command: an arrow moves by 10, a track click by a page of 20.
void applyCommand(ScrollAxis& a, const ScrollBarParts& bar, int32_t command, int click) {
  if (command == bar.back) a.position = std::max(0, a.position - 10);
  if (command == bar.trackCommand) trackClick(a, click - bar.trackStart, click < bar.trackEnd);
  if (command == bar.forward) {
    a.position = std::min(static_cast<int32_t>(a.range), a.position + 10);
  }
}

// A press on one bar: the command of the part it hits, and a thumb drag started on the track.
void pressBar(ScrollAxis& a, const ScrollBarParts& bar, int x, int y, int coordinate) {
  Workspace& w = ws();
  if (bar.backArrow.hits(x, y)) w.scrollCommand = bar.back;
  if (bar.forwardArrow.hits(x, y)) w.scrollCommand = bar.forward;
  if (bar.track.hits(x, y)) {
    w.scrollCommand = bar.trackCommand;
    a.dragActive = 1;
    a.dragStart = coordinate;
    a.dragCurrent = coordinate;
  }
}

void endDrag(ScrollAxis& a) {
  a.dragActive = 0;
  a.dragCurrent = 0;
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

constexpr Rgb kWholeViewColour{80, 220, 180};

int32_t& wholeViewMode() {
  return ws().wholeViewMode;
}

}  // namespace

bool insideImageArea(int x, int y) {
  const Size v = ws().viewSize;
  return x > kAreaLeft && x < kAreaLeft + v.width && y > kAreaTop && y < kAreaTop + v.height;
}

void drawFrame(Surface& s) {
  // Window-system rectangles (right and bottom edges excluded), drawn from the parts the bars are
  // hit on. The scroll bar boxes begin just past the image area; the frame's top edge on y = 32
  // lies under the canvas, drawn later.
  const HitZone& v = kVerticalBar.bar;
  const HitZone& h = kHorizontalBar.bar;
  s.rectangleFrame(kAreaLeft - 1, v.y0, v.x1, h.y1, kFrameGrey);
  s.rectangleFrame(v.x0, v.y0, v.x1, v.y1, kFrameGrey);
  s.rectangleFrame(h.x0, h.y0, h.x1, h.y1, kFrameGrey);
  s.rectangleFrame(v.x0, h.y0, v.x1, h.y1, kFrameGrey);  // the corner between the bars
  // Each arrow one pixel inside its part; the left arrow stands on its part's left edge.
  drawArrowButton(s, kVerticalBar.backArrow.x0 + 1, kVerticalBar.backArrow.y0 + 1, 0, -1);
  drawArrowButton(s, kVerticalBar.forwardArrow.x0 + 1, kVerticalBar.forwardArrow.y0 + 1, 0, 1);
  drawArrowButton(s, kHorizontalBar.backArrow.x0, kHorizontalBar.backArrow.y0 + 1, -1, 0);
  drawArrowButton(s, kHorizontalBar.forwardArrow.x0 + 1, kHorizontalBar.forwardArrow.y0 + 1, 1, 0);
  for (int y = 16; y <= 27; ++y) s.line(100, y, 1080, y, Rgb{240, 240, 240});
}

namespace {

// Only these pages show the whole views; the others keep the normal view whatever the mode, so
// their scroll bars work as in mode 0 and the mode waits for the pages that offer it.
bool wholeViewShown() {
  const Workspace& w = ws();
  const bool offered =
      w.pageId == kPageTop || w.pageId == kPageZindleEye || w.pageId == kPageAppear;
  return offered && (w.wholeViewMode == 1 || w.wholeViewMode == 2);
}

// The picture the scroll bars move over: the Appear page's own canvas there, else the image.
Size scrolledSize() {
  const Workspace& w = ws();
  return w.pageId == kPageAppear ? w.appear.canvasSize : w.imageSize;
}

}  // namespace

void computeThumbs() {
  Workspace& w = ws();
  const bool wholeView = wholeViewShown();
  const Size image = scrolledSize();
  computeAxis(w.scrollX, kViewWidth, image.width, wholeView);
  computeAxis(w.scrollY, kViewHeight, image.height, wholeView);
}

void applyScrollCommandAndDrag() {
  Workspace& w = ws();
  ScrollAxis& v = w.scrollY;
  ScrollAxis& h = w.scrollX;
  applyCommand(v, kVerticalBar, w.scrollCommand, w.scrollClickY);
  applyCommand(h, kHorizontalBar, w.scrollCommand, w.scrollClickX);
  w.scrollCommand = kScrollNone;
  dragStep(v);
  dragStep(h);
  clampPosition(v);
  clampPosition(h);
}

void drawThumbs(Surface& s) {
  // Window-system rectangles, so the thumbs stay inside their bar boxes: each thumb starts
  // `position` pixels into its track and spans its bar across, one pixel in from either side.
  const ScrollAxis& h = ws().scrollX;
  const HitZone& hb = kHorizontalBar.bar;
  const int hx0 = kHorizontalBar.trackStart + h.position, hx1 = hx0 + h.thumbLength;
  for (int y = hb.y0 + 2; y < hb.y1 - 2; ++y) s.line(hx0 + 1, y, hx1 - 1, y, Rgb{230, 230, 240});
  s.rectangleFrame(hx0, hb.y0 + 1, hx1, hb.y1 - 1, Rgb{200, 200, 210});
  const int hm = (hx0 + hx1) / 2;
  for (int i = -3; i <= 3; i += 3) s.line(hm + i, hb.y0 + 5, hm + i, hb.y1 - 4, Rgb{250, 250, 255});

  const ScrollAxis& v = ws().scrollY;
  const HitZone& vb = kVerticalBar.bar;
  const int vy0 = kVerticalBar.trackStart + v.position, vy1 = vy0 + v.thumbLength;
  for (int x = vb.x0 + 2; x < vb.x1 - 2; ++x) s.line(x, vy0 + 1, x, vy1 - 1, Rgb{230, 240, 230});
  s.rectangleFrame(vb.x0 + 1, vy0, vb.x1 - 1, vy1, Rgb{200, 210, 200});
  const int vm = (vy0 + vy1) / 2;
  for (int i = -3; i <= 3; i += 3) s.line(vb.x0 + 5, vm + i, vb.x1 - 4, vm + i, Rgb{250, 255, 250});
}

namespace {

// The thumb's whole range spans the part of the picture beyond the view: the thumb at the end of
// its track shows the picture's last column (row) at the view's far edge.
int32_t pixelShiftOf(const ScrollAxis& a, int viewLength, int imageLength) {
  if (a.range <= 0 || imageLength <= viewLength) return 0;
  return static_cast<int32_t>(static_cast<double>(imageLength - viewLength) * a.position / a.range);
}

}  // namespace

void computePixelShifts() {
  Workspace& w = ws();
  const Size image = scrolledSize();
  w.scrollX.pixelShift = pixelShiftOf(w.scrollX, kViewWidth, image.width);
  w.scrollY.pixelShift = pixelShiftOf(w.scrollY, kViewHeight, image.height);
}

void scrollBarPress(int x, int y) {
  Workspace& w = ws();
  w.scrollClickX = x;
  w.scrollClickY = y;
  pressBar(w.scrollY, kVerticalBar, x, y, y);
  pressBar(w.scrollX, kHorizontalBar, x, y, x);
}

void scrollBarMove(int x, int y) {
  moveDrag(ws().scrollY, kVerticalBar.bar.hits(x, y), y);
  moveDrag(ws().scrollX, kHorizontalBar.bar.hits(x, y), x);
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
}

namespace {

// The picture reduced to fit the canvas, kept while the decode it came from is the same.
struct FittedPicture {
  uint64_t generation = 0;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
};

// A picture got with "fit" on comes from the reader at its own size or a reduction of it; the
// canvas takes it area-averaged to its fitted size.
LoadedBitmap fittedToCanvas(const LoadedBitmap& bitmap) {
  const Workspace& w = ws();
  if (!w.pictureFit) return bitmap;
  const PictureSize fit =
      fittedSize(bitmap.fullWidth, bitmap.fullHeight, w.canvasSize.width, w.canvasSize.height);
  if ((bitmap.width == fit.width && bitmap.height == fit.height) || bitmap.width < fit.width ||
      bitmap.height < fit.height) {
    return bitmap;
  }
  static FittedPicture kept;
  if (kept.generation != bitmap.generation || kept.width != fit.width ||
      kept.height != fit.height) {
    kept.pixels.assign(static_cast<size_t>(fit.width) * fit.height * 3, 0);
    areaAverage(bitmap.pixels, bitmap.width, bitmap.height, kept.pixels.data(), fit.width,
                fit.height);
    kept.generation = bitmap.generation;
    kept.width = fit.width;
    kept.height = fit.height;
  }
  LoadedBitmap out = bitmap;
  out.width = kept.width;
  out.height = kept.height;
  out.pixels = kept.pixels.data();
  return out;
}

}  // namespace

void buildCanvasBuffer(const LoadedBitmap& loaded) {
  const LoadedBitmap bitmap = fittedToCanvas(loaded);
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

int tabCellAt(int x, int y) {
  for (int cell = 0; cell < kTabCellCount; ++cell)
    if (kTabCells[cell].zone.hits(x, y)) return cell;
  return -1;
}

void drawTabBar(Surface& s) {
  for (int cell = 0; cell < kTabCellCount; ++cell) {
    const LabelText& label = tabLabel(cell);
    s.text(kTabCells[cell].textX, 10, tr(label.japanese, label.english), kLabelText, 12);
  }
  // The bottom edge lies on y = 31, above the image area's first row.
  s.rectangleFrame(100, 0, 1080, 32, kFrameGrey);
}

PanelItem wholeViewItem(int32_t mode, int top, const LabelText& label, int32_t wholeViewTopic) {
  // "image", "canvas" and "back" stand 26 pixels apart.
  const int y = top + 26 * (mode == 0 ? 2 : mode - 1);
  const LabelButton box = boxAt(4, y, 88, kWholeViewColour);
  switch (mode) {
    case 1:
      return buttonItem(box, label, kBoxInside, wholeViewTopic, setTo<wholeViewMode, 1>,
                        isSetTo<wholeViewMode, 1>);
    case 2:
      return buttonItem(box, label, kBoxInside, wholeViewTopic, setTo<wholeViewMode, 2>,
                        isSetTo<wholeViewMode, 2>);
    default:
      return buttonItem(box, label, kBoxInside, 0, setTo<wholeViewMode, 0>);
  }
}

}  // namespace zc
