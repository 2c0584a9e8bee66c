#pragma once
#include <algorithm>
#include <array>

#include "core/page_ids.h"
#include "platform/platform.h"
#include "platform/surface.h"
#include "text/labels.h"
#include "ui/panel.h"

namespace zc {

// Fixed window layout.
constexpr int kAreaLeft = 100;
constexpr int kAreaTop = 32;
constexpr int kViewWidth = 960;
constexpr int kViewHeight = 640;
constexpr int kTrackInset = 40;  // two arrow buttons of 20 pixels

// True when the window point lies inside the image area (bounds exclusive).
bool insideImageArea(int x, int y);

// The image frame, the scroll bar boxes and arrows, and the band behind the tab labels.
void drawFrame(Surface& surface);
// Thumb lengths and ranges from the image size (the Appear page: its canvas size).
void computeThumbs();
// Applies the pending scroll command and one step of an active thumb drag.
void applyScrollCommandAndDrag();
void drawThumbs(Surface& surface);
void computePixelShifts();

// Scroll-bar hits of a left press: record a command and/or start a thumb drag.
void scrollBarPress(int x, int y);
// A pointer move or release while a thumb drag is active.
void scrollBarMove(int x, int y);
void scrollBarRelease(int x, int y);

// The whole view's size and scale for an image of the given size.
void computeWholeViewSize(int width, int height);

// Fills the canvas buffer at the work size from the loaded picture (top-left at the canvas's
// top-left) and paints white everything outside the image size. A picture got with "fit" on is
// area-averaged to its fitted size first.
void buildCanvasBuffer(const LoadedBitmap& bitmap);

// Shows the canvas buffer in the image area: 0 the normal view at the scroll shifts, 1 the
// image stretched to the whole-view size, 2 the whole canvas stretched to the area.
void showCanvas(Surface& surface, int wholeViewMode);

// The tab bar: twelve cells of 80 pixels from x = 120, the pages' tabs in tab order and then
// SAVE, Restore and Call. A cell's label stands at its left edge; a press hits the cell strictly
// inside its edges (the borders between cells belong to none), and nothing right of x = 1060.
struct TabCell {
  int16_t textX;
  HitZone zone;
  constexpr int centreX() const { return (zone.x0 + zone.x1) / 2; }
};
constexpr int kTabCellCount = kPageCount + 3;
constexpr int kSaveCell = kPageCount, kRestoreCell = kPageCount + 1, kCallCell = kPageCount + 2;
constexpr std::array<TabCell, kTabCellCount> kTabCells = [] {
  std::array<TabCell, kTabCellCount> cells{};
  for (int c = 0; c < kTabCellCount; ++c) {
    const int left = 120 + 80 * c;
    cells[c] = {static_cast<int16_t>(left), zoneExcl(left, std::min(left + 80, 1060), 0, 32)};
  }
  return cells;
}();
// The cell a left press at (x, y) hits, or -1.
int tabCellAt(int x, int y);
void drawTabBar(Surface& surface);

// The three whole-view buttons ("image", "canvas", "back") as items of a page's panel, 26 pixels
// apart from `top`, at x = 4 and 88 wide: wholeViewItem(mode, ...) for mode 1
// ("image"), 2 ("canvas") and 0 ("back"), each on while its mode is shown.
PanelItem wholeViewItem(int32_t mode, int top, const LabelText& label, int32_t wholeViewTopic);

}  // namespace zc
