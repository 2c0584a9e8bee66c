#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "platform/bitmap_loader.h"

namespace zc {

namespace {

// The program's keys: Enter and Space, Ctrl with O, S, Z, Q, and Alt with a digit 0 .. 8.
Key keyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                                          Qt::ShiftModifier | Qt::MetaModifier);
  const int k = event.key();
  if (mods == Qt::NoModifier || mods == Qt::KeypadModifier) {
    if (k == Qt::Key_Return || k == Qt::Key_Enter) return Key::Enter;
    if (k == Qt::Key_Space) return Key::Space;
  }
  if (mods == Qt::ControlModifier) {
    switch (k) {
      case Qt::Key_O:
        return Key::CtrlO;
      case Qt::Key_S:
        return Key::CtrlS;
      case Qt::Key_Z:
        return Key::CtrlZ;
      case Qt::Key_Q:
        return Key::CtrlQ;
      default:
        break;
    }
  }
  if (mods == Qt::AltModifier && k >= Qt::Key_0 && k <= Qt::Key_8) {
    return static_cast<Key>(static_cast<int>(Key::Alt0) + (k - Qt::Key_0));
  }
  // Enter and Space with other modifiers still count as themselves, as before.
  if (k == Qt::Key_Return || k == Qt::Key_Enter) return Key::Enter;
  if (k == Qt::Key_Space) return Key::Space;
  return Key::Other;
}

QString droppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

// The window: its client area shows the surface, and its input goes to the window procedure.
class DesktopWindow final : public QWidget {
 public:
  explicit DesktopWindow(QtPlatform& owner) : owner_(owner) {
    setFixedSize(Surface::kWidth, Surface::kHeight);
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // The surface covers the whole client area: nothing to erase before copying it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    const QImage& image = *static_cast<const QImage*>(owner_.surface().native());
    painter.drawImage(event->rect(), image, event->rect());
  }

  void mousePressEvent(QMouseEvent* event) override {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
      owner_.deliver(Message{MessageKind::LeftDown, p.x(), p.y()});
    } else if (event->button() == Qt::RightButton) {
      owner_.deliver(Message{MessageKind::RightDown, p.x(), p.y()});
    }
  }

  // The window does not tell double clicks apart: the second press is a press like any other.
  void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    owner_.deliver(Message{MessageKind::LeftUp, p.x(), p.y()});
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint p = event->position().toPoint();
    owner_.deliver(Message{MessageKind::MouseMove, p.x(), p.y()});
  }

  void keyPressEvent(QKeyEvent* event) override {
    owner_.deliver(Message{MessageKind::KeyDown, 0, 0, keyOf(*event)});
  }

  // A local file dragged over the window can be dropped; the first one dropped is taken.
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
  }
  void dragMoveEvent(QDragMoveEvent* event) override {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
  }
  void dropEvent(QDropEvent* event) override {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    Message m{MessageKind::Drop};
    m.path = file.toStdString();
    owner_.deliver(m);
  }

  // The close button only asks: the window goes away through destroyWindow().
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    owner_.deliver(Message{MessageKind::Close});
  }

 private:
  QtPlatform& owner_;
};

namespace {

QString qs(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// A name filter as Qt's file dialog reads it: the shown name followed by the patterns in
// parentheses. "*.*" stands for every file, with or without a dot in its name.
QString nameFilter(const FileFilter& filter) {
  const std::string pattern = filter.pattern == "*.*" ? "*" : filter.pattern;
  const std::string tail = "(" + pattern + ")";
  if (filter.name.size() >= tail.size() &&
      filter.name.compare(filter.name.size() - tail.size(), tail.size(), tail) == 0) {
    return qs(filter.name);
  }
  return qs(filter.name + " " + tail);
}

}  // namespace

QtPlatform::QtPlatform(WindowProcedure& procedure, const std::string& title)
    : procedure_(procedure), window_(new DesktopWindow(*this)) {
  window_->setWindowTitle(qs(title));
}

QtPlatform::~QtPlatform() {
  delete window_;
}

void QtPlatform::show() {
  window_->show();
}

void QtPlatform::runPaintCycle() {
  if (destroyed_) return;
  painting_ = true;
  surface_.erase();
  procedure_.paint();
  painting_ = false;
  present();
  if (paintDeferred_) {
    paintDeferred_ = false;
    postPaint();
  }
}

void QtPlatform::invalidate() {
  if (destroyed_ || paintScheduled_) return;
  paintScheduled_ = true;
  postPaint();
}

void QtPlatform::postPaint() {
  QMetaObject::invokeMethod(
      window_, [this] { scheduledPaint(); }, Qt::QueuedConnection);
}

void QtPlatform::scheduledPaint() {
  if (destroyed_) return;
  if (painting_) {
    // A dialog inside the running paint let the event loop turn: paint again once it is done.
    paintDeferred_ = true;
    return;
  }
  paintScheduled_ = false;
  runPaintCycle();
}

void QtPlatform::present() {
  if (destroyed_ || !window_->isVisible()) return;
  window_->repaint();
}

void QtPlatform::setTitle(const std::string& title) {
  const QString text = qs(title);
  if (window_->windowTitle() != text) window_->setWindowTitle(text);
}

void QtPlatform::destroyWindow() {
  if (destroyed_) return;
  destroyed_ = true;
  window_->hide();
  QCoreApplication::exit(0);
}

void QtPlatform::deliver(const Message& message) {
  if (destroyed_) return;
  procedure_.handle(message);
}

bool QtPlatform::fileDialog(const FileDialogOptions& options, std::string& path, bool save) {
  QFileDialog dialog(destroyed_ ? nullptr : window_, qs(options.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  QStringList filters;
  for (const FileFilter& filter : options.filters) filters << nameFilter(filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
  }
  dialog.setDefaultSuffix(qs(options.defaultSuffix));
  if (save) {
    // Qt asks before an existing file is replaced unless told otherwise.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!path.empty()) dialog.selectFile(qs(path));
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
  path = QDir::toNativeSeparators(chosen.first()).toStdString();
  return true;
}

bool QtPlatform::openFileDialog(const FileDialogOptions& options, std::string& path) {
  return fileDialog(options, path, false);
}

bool QtPlatform::saveFileDialog(const FileDialogOptions& options, std::string& path) {
  return fileDialog(options, path, true);
}

MessageAnswer QtPlatform::messageBox(const std::string& title, const std::string& text,
                                     MessageBoxKind kind) {
  if (kind == MessageBoxKind::Ok) {
    QMessageBox box(QMessageBox::NoIcon, qs(title), qs(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return MessageAnswer::Ok;
  }
  QMessageBox box(QMessageBox::Question, qs(title), qs(text), QMessageBox::Yes | QMessageBox::No,
                  destroyed_ ? nullptr : window_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

bool QtPlatform::loadBitmap(const std::string& path, LoadedBitmap& bitmap) {
  return loadBitmapFile(path, bitmap);
}

PictureResult QtPlatform::loadPicture(const std::string& path, const PictureRequest& request,
                                      LoadedBitmap& bitmap) {
  return loadPictureFile(path, request, bitmap);
}

bool QtPlatform::encodePicture(const uint8_t* pixels, int width, int height,
                               const std::string& suffix, int quality, std::vector<uint8_t>& out) {
  return encodePictureBytes(pixels, width, height, suffix, quality, out);
}

namespace {
// The wait cursor over the whole application; the calls nest.
void showBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (QApplication::overrideCursor()) {
    QApplication::restoreOverrideCursor();
  }
}
}  // namespace

void QtPlatform::setBusy(bool busy) {
  showBusy(busy);
}

int runDesktop(int argc, char** argv, WindowProcedure& procedure, const std::string& title,
               const std::function<void(const std::vector<std::string>&)>& takeArguments) {
  QApplication application(argc, argv);
  // Qt has taken its own options out of argv; the rest are the program's.
  if (takeArguments) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    takeArguments(arguments);
  }
  setDecodeBusyHook(showBusy);
  // The window only goes away through destroyWindow(), which ends the loop itself.
  QApplication::setQuitOnLastWindowClosed(false);
  QtPlatform desktop(procedure, title);
  setPlatform(&desktop);
  desktop.show();
  // The first paint runs before the message loop, as the window is shown and updated at once.
  desktop.runPaintCycle();
  const int code = desktop.destroyed() ? 0 : QApplication::exec();
  setDecodeBusyHook(nullptr);
  setPlatform(nullptr);
  return code;
}

}  // namespace zc
