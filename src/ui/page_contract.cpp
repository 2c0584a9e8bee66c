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

void keepStep(int tabIndex) {
  Workspace& w = ws();
  if (w.keepRequest != 1) return;
  canvasToPlanes();
  writeSlotFile(tabIndex, planesTarget());
  w.keepRequest = 0;
}

void saveStep() {
  Workspace& w = ws();
  if (!w.saveAsRequest) return;
  canvasToPlanes();
  w.saveAsRequest = 0;
  runSaveAsDialog();
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

void standardPageBlock(Surface& s, int tabIndex, int32_t& helpTopic, void (*drawPanel)(Surface&)) {
  restoreOrCallStep(tabIndex);
  planesToCanvas();
  if (drawPanel) drawPanel(s);
  showCanvas(s, 0);
  keepStep(tabIndex);
  saveStep();
  drawTabBar(s);
  commentStep(s, tabIndex, helpTopic);
}
}  // namespace zc
