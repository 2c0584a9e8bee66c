#pragma once
#include <cstdint>

#include "core/size.h"
#include "platform/surface.h"

namespace zc {

// One page of the workbench: the hooks the shell calls. Every input hook runs after the scroll
// bars and the tab bar have had their turn.
struct PageBlock {
  // The page's reset: its settings to their defaults and its main comment asked for.
  void (*defaults)() = nullptr;
  // Going to the page from another (or the same) page, after its defaults. Without this hook the
  // page's keep slot is written from the image planes.
  void (*enter)(int32_t fromPageId) = nullptr;
  // A left press; true when a page item was hit (the press then ends without a repaint of its
  // own).
  bool (*press)(int x, int y) = nullptr;
  // A right press anywhere in the client area; every right press repaints afterwards.
  void (*rightPress)(int x, int y) = nullptr;
  // A pointer move, and a left release (the release repaints afterwards).
  void (*pointerMove)(int x, int y) = nullptr;
  void (*leftRelease)(int x, int y) = nullptr;
  // The page block of the paint cycle.
  void (*paint)(Surface& surface) = nullptr;
};

// The steps every page block shares, in the order the blocks call them.
// Reloads the page's keep slot when Restore or Call asked for it.
void restoreOrCallStep(int tabIndex);
// Copies the image planes into the canvas buffer.
void planesToCanvas();
// Copies the canvas buffer into the image planes.
void canvasToPlanes();
// planesToCanvas() and then canvasToPlanes(), in one pass over the planes.
void planesToCanvasAndBack();
// Stores the shown picture into the page's keep slot when asked; true when it did.
bool keepStep(int tabIndex);
// Runs the save-with-a-name dialog when asked; true when it ran (the planes then hold the shown
// picture, whatever the dialog's answer).
bool saveStep();
// After a keep or save has put the shown picture into the planes: the page's live view of it is
// switched off, so it is not applied once more to its own result. switchOff answers whether a
// live view was on; then the window is painted again, so the panel and the view show what was
// kept.
void endLiveView(bool (*switchOff)());
// Shows the requested main, restore or calculator comment, or the page's topic comment.
void commentStep(Surface& surface, int tabIndex, int32_t& helpTopic);

// Draws a comment's lines for the current language in the strip under the frame.
struct CommentText;
void drawComment(Surface& surface, const CommentText& comment, int number = 0);

// The line under the comment strip that says only the top-left `shown` part of a picture of
// `full` size is on the canvas, and that "fit" shows it whole.
void drawPartShownNote(Surface& surface, Size shown, Size full);

// The dark reset mark's common part: scroll positions and shifts back to 0 and the page's keep
// slot read into the planes at once.
void resetToEntryImage(int tabIndex);
// Both scroll positions and pixel shifts back to 0.
void resetScrollPositions();

}  // namespace zc
