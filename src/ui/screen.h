#pragma once
#include "platform/platform.h"
#include "platform/surface.h"
#include "text/labels.h"

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
// top-left) and paints white everything outside the image size.
void buildCanvasBuffer(const LoadedBitmap& bitmap);

// Shows the canvas buffer in the image area: 0 the normal view at the scroll shifts, 1 the
// image stretched to the whole-view size, 2 the whole canvas stretched to the area.
void showCanvas(Surface& surface, int wholeViewMode);

void drawTabBar(Surface& surface);

}  // namespace zc

namespace zc {
// The three whole-view buttons ("image", "canvas", "back") in a page's column, 26 pixels apart
// from `top`, at x = 4 and 88 wide.
struct WholeViewLabels {
  const LabelText& image;
  const LabelText& canvas;
  const LabelText& back;
};
void drawWholeViewButtons(Surface& surface, int top, const WholeViewLabels& labels);
// A press on one of them sets the whole-view mode ("image" and "canvas" also ask for the page's
// whole-view topic). False when the press hits none of them.
bool pressWholeViewButtons(int x, int y, int top, int32_t& helpTopic, int32_t wholeViewTopic);
}  // namespace zc
