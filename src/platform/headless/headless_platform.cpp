#include "platform/headless/headless_platform.h"

#include <QGuiApplication>
#include <cstdlib>

#include "platform/bitmap_loader.h"

namespace zc {

struct HeadlessApplication::Impl {
  std::unique_ptr<QGuiApplication> app;
};

HeadlessApplication::HeadlessApplication(int& argc, char** argv) : impl_(new Impl) {
  // No display is needed: draw into memory only.
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!QGuiApplication::instance()) impl_->app = std::make_unique<QGuiApplication>(argc, argv);
}

HeadlessApplication::~HeadlessApplication() = default;

namespace {
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out + "\"";
}
}  // namespace

HeadlessPlatform::HeadlessPlatform(LogLine log, MissingAnswer missing)
    : surface_(std::make_unique<Surface>()), log_(std::move(log)), missing_(std::move(missing)) {
  surface_->erase();
}

HeadlessPlatform::~HeadlessPlatform() = default;

void HeadlessPlatform::runPendingPaints(WindowProcedure& procedure) {
  while (paintPending_ && !destroyed_) {
    paintPending_ = false;
    ++paintCount_;
    log_("paint " + std::to_string(paintCount_));
    surface_->erase();
    procedure.paint();
  }
}

void HeadlessPlatform::setTitle(const std::string& title) {
  if (title == title_) return;
  title_ = title;
  log_("title " + title);
}

void HeadlessPlatform::destroyWindow() {
  if (destroyed_) return;
  destroyed_ = true;
  log_("exit 0");
}

bool HeadlessPlatform::takeAnswer(std::initializer_list<ScriptedAnswer::Kind> kinds,
                                  ScriptedAnswer& answer) {
  for (auto it = answers_.begin(); it != answers_.end(); ++it) {
    for (ScriptedAnswer::Kind k : kinds) {
      if (it->kind == k) {
        answer = *it;
        answers_.erase(it);
        return true;
      }
    }
  }
  return false;
}

bool HeadlessPlatform::fileDialog(const char* kind, ScriptedAnswer::Kind confirm,
                                  const FileDialogOptions& options, std::string& path) {
  ScriptedAnswer answer;
  if (!takeAnswer({confirm, ScriptedAnswer::Cancel}, answer)) {
    missing_(std::string(kind) + " dialog \"" + options.title + "\" has no answer");
    return false;
  }
  const std::string prefix = std::string("dialog ") + kind + " " + quoted(options.title) + " -> ";
  if (answer.kind == ScriptedAnswer::Cancel) {
    log_(prefix + "cancel");
    return false;
  }
  log_(prefix + answer.shownPath);
  path = answer.path;
  return true;
}

bool HeadlessPlatform::openFileDialog(const FileDialogOptions& options, std::string& path) {
  return fileDialog("open", ScriptedAnswer::Open, options, path);
}

bool HeadlessPlatform::saveFileDialog(const FileDialogOptions& options, std::string& path) {
  return fileDialog("save", ScriptedAnswer::Save, options, path);
}

MessageAnswer HeadlessPlatform::messageBox(const std::string& title, const std::string& text,
                                           MessageBoxKind kind) {
  const std::string prefix = "message " + quoted(title) + " " + quoted(text) + " -> ";
  if (kind == MessageBoxKind::Ok) {
    log_(prefix + "ok");
    return MessageAnswer::Ok;
  }
  ScriptedAnswer answer;
  if (!takeAnswer({ScriptedAnswer::Yes, ScriptedAnswer::No}, answer)) {
    missing_("question box \"" + title + "\" has no answer");
    return MessageAnswer::No;
  }
  const bool yes = answer.kind == ScriptedAnswer::Yes;
  log_(prefix + (yes ? "yes" : "no"));
  return yes ? MessageAnswer::Yes : MessageAnswer::No;
}

bool HeadlessPlatform::loadBitmap(const std::string& path, LoadedBitmap& bitmap) {
  return loadBitmapFile(path, bitmap);
}

PictureResult HeadlessPlatform::loadPicture(const std::string& path, const PictureRequest& request,
                                            LoadedBitmap& bitmap) {
  return loadPictureFile(path, request, bitmap);
}

bool HeadlessPlatform::encodePicture(const uint8_t* pixels, int width, int height,
                                     const std::string& suffix, int quality,
                                     std::vector<uint8_t>& out) {
  return encodePictureBytes(pixels, width, height, suffix, quality, out);
}

}  // namespace zc
