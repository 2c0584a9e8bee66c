#pragma once
#include <cstdint>

#include "platform/surface.h"

namespace zc {

// One page of the workbench: its settings reset, its left-panel hit tests and its paint block.
struct PageBlock {
  int32_t pageId = 0;
  int tabIndex = 0;
  void (*defaults)() = nullptr;
  // A left press that no scroll bar or tab claimed; true when a page item was hit (the press then
  // ends without a repaint of its own).
  bool (*press)(int x, int y) = nullptr;
  void (*paint)(Surface& surface) = nullptr;
  int32_t* (*helpTopic)() = nullptr;
  // Optional: a right press inside the image area; mouse moves and release of the page's drags.
  void (*rightPress)(int x, int y) = nullptr;
};

const PageBlock& pageBlock(int32_t pageId);

// The steps every page block shares, in the order the blocks call them.
// Reloads the page's keep slot when Restore or Call asked for it.
void restoreOrCallStep(int tabIndex);
// Copies the image planes into the canvas buffer.
void planesToCanvas();
// Copies the canvas buffer into the image planes.
void canvasToPlanes();
// Stores the shown picture into the page's keep slot when asked.
void keepStep(int tabIndex);
// Runs the save-with-a-name dialog when asked.
void saveStep();
// Shows the requested main, restore or calculator comment, or the page's topic comment.
void commentStep(Surface& surface, int tabIndex, int32_t& helpTopic);

// Draws a comment's lines for the current language in the strip under the frame.
struct CommentText;
void drawComment(Surface& surface, const CommentText& comment, int number = 0);

// The dark reset mark's common part: scroll positions and shifts back to 0 and the page's keep
// slot read into the planes at once.
void resetToEntryImage(int tabIndex);

}  // namespace zc

namespace zc {
// The whole page contract for a page whose only operation is showing its planes: restore or call,
// planes into the canvas, the panel, the normal view, keep, save, tab bar and comments.
void standardPageBlock(Surface& surface, int tabIndex, int32_t& helpTopic,
                       void (*drawPanel)(Surface&));
}  // namespace zc
