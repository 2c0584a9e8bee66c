#include "ui/page_contract.h"

#include <cstdio>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "files/keep_files.h"
#include "text/comments.h"
#include "ui/screen.h"

namespace zc {

namespace {
constexpr int kCommentX = 120;
constexpr int kCommentRows[5] = {698, 712, 726, 740, 754};
}  // namespace

void restoreOrCallStep(int tabIndex) {
  Workspace& w = ws();
  if (w.restoreRequest == 1) {
    readSlotFile(tabIndex, planesTarget());
    w.restoreRequest = 2;
  }
  if (w.callSlot == tabIndex) {
    readSlotFile(tabIndex, planesTarget());
    w.callSlot = kNoSlot;
  }
}

void planesToCanvas() {
  copyPlanesToPixels(workPlanes(), workCanvas());
}
void canvasToPlanes() {
  copyPixelsToPlanes(workCanvas(), workPlanes());
}
void planesToCanvasAndBack() {
  copyPlanesToPixelsAndBack(workPlanes(), workCanvas());
}

bool keepStep(int tabIndex) {
  Workspace& w = ws();
  if (w.keepRequest != 1) return false;
  canvasToPlanes();
  writeSlotFile(tabIndex, planesTarget());
  w.keepRequest = 0;
  return true;
}

bool saveStep() {
  Workspace& w = ws();
  if (!w.saveAsRequest) return false;
  canvasToPlanes();
  w.saveAsRequest = 0;
  runSaveAsDialog();
  return true;
}

void endLiveView(bool (*switchOff)()) {
  if (switchOff()) platform().invalidate();
}

void drawComment(Surface& s, const CommentText& comment, int number) {
  const char* const* lines = english() ? comment.english : comment.japanese;
  char buffer[1032];
  for (int k = 0; k < 5; ++k) {
    if (!lines[k]) continue;
    std::snprintf(buffer, sizeof buffer, lines[k], number);
    s.text(kCommentX, kCommentRows[k], buffer, comment.colour, 12);
  }
}

void drawPartShownNote(Surface& s, Size shown, Size full) {
  // Below the strip's five rows, in the tint of cautions.
  constexpr int kNoteRow = 772;
  constexpr Rgb kNoteColour{192, 16, 32};
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, tr(kPartShownNote.japanese, kPartShownNote.english),
                shown.width, shown.height, full.width, full.height);
  s.text(kCommentX, kNoteRow, buffer, kNoteColour, 12);
}

void commentStep(Surface& s, int tabIndex, int32_t& helpTopic) {
  Workspace& w = ws();
  if (w.pageComment == tabIndex) {
    helpTopic = 0;
    if (const CommentText* c = mainComment(tabIndex)) drawComment(s, *c);
    w.pageComment = kCommentShown;
  }
  if (w.pageComment == kRestoreComment) {
    helpTopic = 0;
    drawComment(s, restoreComment(), tabIndex);
    w.pageComment = kCommentShown;
  }
  if (w.pageComment == kCalculatorComment) {
    helpTopic = 0;
    drawComment(s, calculatorComment());
    w.pageComment = kCommentShown;
  }
  if (helpTopic != 0) {
    if (const CommentText* c = topicComment(tabIndex, helpTopic)) drawComment(s, *c);
  }
  helpTopic = 0;
}

void resetScrollPositions() {
  Workspace& w = ws();
  w.scrollX.position = w.scrollY.position = 0;
  w.scrollX.pixelShift = w.scrollY.pixelShift = 0;
}

void resetToEntryImage(int tabIndex) {
  resetScrollPositions();
  readSlotFile(tabIndex, planesTarget());
}
}  // namespace zc
