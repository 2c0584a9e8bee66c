#include "shell/window_procedure.h"

#include <algorithm>
#include <string>

#include "core/workspace.h"
#include "files/keep_files.h"
#include "pages/page_table.h"
#include "pages/top/top_page.h"
#include "text/labels.h"
#include "ui/screen.h"

namespace zc {

namespace {

void goToPage(int32_t target) {
  Workspace& w = ws();
  const int32_t from = w.pageId;
  w.pageId = target;
  const PageBlock& page = pageBlock(target);
  if (!page.enter) writeSlotFile(tabIndexOf(target), planesTarget());
  page.defaults();
  if (page.enter) page.enter(from);
  w.restoreRequest = 0;
}

// What a click on the tab-bar cell raises; false when the cell does nothing here.
bool tabCellAction(int cell) {
  Workspace& w = ws();
  if (cell < kPageCount) {
    if (cell == 0 && w.pageId == kPageTop) return false;
    goToPage(pageIdOfTab(cell));
    return true;
  }
  switch (cell) {
    case kSaveCell:
      w.saveAsRequest = 1;
      return true;
    case kRestoreCell:
      w.restoreRequest = 1;
      w.pageComment = kRestoreComment;
      return true;
    case kCallCell:
      w.getImageRequest = 1;
      w.callSlot = tabIndexOf(w.pageId);
      return true;
    default:
      return false;
  }
}

bool tabBarPress(int x, int y) {
  const int cell = tabCellAt(x, y);
  if (cell < 0) return false;
  return tabCellAction(cell);
}

void closeFlow();

// The keys raise what the click they stand for raises: Ctrl+O as Enter, Ctrl+S the SAVE tab,
// Ctrl+Z the Restore tab, Alt+0 .. Alt+8 the page tabs, Ctrl+Q the window's close button.
void keyPress(Key key) {
  Workspace& w = ws();
  switch (key) {
    case Key::Enter:
    case Key::CtrlO:
      w.getImageRequest = 1;
      break;
    case Key::CtrlS:
      tabCellAction(kSaveCell);
      break;
    case Key::CtrlZ:
      tabCellAction(kRestoreCell);
      break;
    case Key::CtrlQ:
      closeFlow();
      return;
    default:
      if (key >= Key::Alt0 && key <= Key::Alt8) {
        tabCellAction(static_cast<int>(key) - static_cast<int>(Key::Alt0));
      }
      break;
  }
  platform().invalidate();
}

// A dropped file is chosen as in the open dialog that Enter asks for; on the Top page it is got
// as by "get image", so it becomes slot 0.
void dropFile(const std::string& path) {
  if (path.empty()) return;
  Workspace& w = ws();
  setPendingOpenFile(path, kPendingDroppedFile);
  w.getImageRequest = 1;
  if (w.pageId == kPageTop) topPageDefaults();
  platform().invalidate();
}

void closeFlow() {
  Workspace& w = ws();
  const std::string title = tr(kMessageTitle.japanese, kMessageTitle.english);
  const MessageAnswer deleteKeep =
      platform().messageBox(title, tr(kDeleteKeepQuestion.japanese, kDeleteKeepQuestion.english),
                            MessageBoxKind::YesNoQuestion);
  w.deleteKeepAnswer = deleteKeep == MessageAnswer::Yes ? 1 : 0;
  if (w.deleteKeepAnswer) deleteKeepFiles();
  const MessageAnswer end = platform().messageBox(
      title, tr(kCloseQuestion.japanese, kCloseQuestion.english), MessageBoxKind::YesNoQuestion);
  if (end == MessageAnswer::Yes) {
    deleteWorkingFiles();
    platform().destroyWindow();
  }
}

void paintCycle(Surface& s) {
  Workspace& w = ws();
  if (w.getImageRequest) {
    s.text(100, 470, tr(kOpenPrompt.japanese, kOpenPrompt.english), Rgb{0, 0, 0}, 16, true);
    platform().present();
    // A cancel, or a choice that cannot be read, puts back the record from before the input that
    // asked for the dialog: no slot or working file is written and the page goes on as it was.
    // With nothing to put back (the start), the current file is reloaded, and without one the
    // paint ends here and the next repaint asks again.
    const bool chosen = runOpenDialog();
    if (chosen || !restoreBeforeOpen()) {
      forgetBeforeOpen();
      LoadedBitmap bitmap;
      if (!loadCurrentPicture(bitmap)) return;
      w.imageSize = imageSizeOf(bitmap);
      computeWholeViewSize(w.imageSize.width, w.imageSize.height);
      w.getImageRequest = 0;
    }
  }
  if (w.pageId == kPageAppear) w.appear.canvasSize = w.canvasSize;
  platform().setTitle(std::string(w.currentImageTitle) + " / " +
                      tr(kProductTitle.japanese, kProductTitle.english));
  w.viewSize = Size{kViewWidth, kViewHeight};
  w.workSize = w.pageId == kPageAppear ? w.appear.canvasSize : w.canvasSize;

  LoadedBitmap bitmap;
  if (!loadCurrentPicture(bitmap)) return;

  drawFrame(s);
  computeThumbs();
  applyScrollCommandAndDrag();
  drawThumbs(s);
  computePixelShifts();

  const Size shown{std::min(w.imageSize.width, kViewWidth),
                   std::min(w.imageSize.height, kViewHeight)};
  if (!(shown == w.shownSizeRemembered)) {
    w.shownSizeRemembered = shown;
    w.newImageFlag = 1;
  }
  buildCanvasBuffer(bitmap);

  if (w.pageId == kPageTop && w.newImageFlag == 1 && w.keepZeroState == 0) {
    canvasToPlanes();
    writeSlotFile(0, canvasTarget());
    w.newImageFlag = 2;
    w.keepZeroState = 2;
  }
  if (w.callSlot >= 1 && w.callSlot <= 8) {
    writeSlotFile(w.callSlot, canvasTarget());
    if (w.callSlot == 8) writeWorkingFile(kTransferFile, canvasTarget());
  }
  pageBlock(w.pageId).paint(s);
  if (w.partShownNote) {
    drawPartShownNote(s, w.imageSize, w.pictureFullSize);
    w.partShownNote = 0;
  }
}

class ShellWindowProcedure final : public WindowProcedure {
 public:
  void handle(const Message& m) override {
    // An input that raises the open dialog can be undone by the dialog's cancel. Pointer moves
    // never raise it and come in streams, so they are not remembered.
    if (m.kind == MessageKind::MouseMove) {
      dispatch(m);
      return;
    }
    const bool dialogAlreadyAsked = ws().getImageRequest != 0;
    const Workspace before = dialogAlreadyAsked ? Workspace{} : ws();
    dispatch(m);
    if (!dialogAlreadyAsked && ws().getImageRequest) rememberBeforeOpen(before);
  }

  void paint() override { paintCycle(platform().surface()); }

 private:
  static void dispatch(const Message& m) {
    Workspace& w = ws();
    if (m.kind != MessageKind::KeyDown && m.kind != MessageKind::Close &&
        m.kind != MessageKind::Drop) {
      w.pointerX = m.x;
      w.pointerY = m.y;
    }
    switch (m.kind) {
      case MessageKind::LeftDown: {
        scrollBarPress(m.x, m.y);
        if (tabBarPress(m.x, m.y)) return;
        const PageBlock& page = pageBlock(w.pageId);
        if (page.press && page.press(m.x, m.y)) return;
        platform().invalidate();
        return;
      }
      case MessageKind::LeftUp: {
        scrollBarRelease(m.x, m.y);
        const PageBlock& page = pageBlock(w.pageId);
        if (page.leftRelease) page.leftRelease(m.x, m.y);
        platform().invalidate();
        return;
      }
      case MessageKind::RightDown: {
        const PageBlock& page = pageBlock(w.pageId);
        if (page.rightPress) page.rightPress(m.x, m.y);
        platform().invalidate();
        return;
      }
      case MessageKind::MouseMove: {
        scrollBarMove(m.x, m.y);
        const PageBlock& page = pageBlock(w.pageId);
        if (page.pointerMove) page.pointerMove(m.x, m.y);
        return;
      }
      case MessageKind::KeyDown:
        keyPress(m.key);
        return;
      case MessageKind::Drop:
        dropFile(m.path);
        return;
      case MessageKind::Close:
        closeFlow();
        return;
    }
  }
};

}  // namespace

WindowProcedure& shellWindowProcedure() {
  static ShellWindowProcedure procedure;
  return procedure;
}

}  // namespace zc
