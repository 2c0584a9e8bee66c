#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace zc {

// Keeps the process ready for drawing without a window system (fonts need an application
// object). Create one before the first Surface.
class HeadlessApplication {
 public:
  HeadlessApplication(int& argc, char** argv);
  ~HeadlessApplication();
  HeadlessApplication(const HeadlessApplication&) = delete;
  HeadlessApplication& operator=(const HeadlessApplication&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A scripted answer to a dialog or question box.
struct ScriptedAnswer {
  enum Kind { Open, Save, Cancel, Yes, No } kind = Cancel;
  std::string path;       // the path handed to the program (Open, Save)
  std::string shownPath;  // the path as the script wrote it, for the log
};

// The same surface and drawing as the desktop, with no window: dialogs and question boxes take
// their answers from a queue, and paints run when the driver asks for them.
class HeadlessPlatform final : public Platform {
 public:
  using LogLine = std::function<void(const std::string&)>;
  // Called when a dialog or box finds no answer for it; must not return normally.
  using MissingAnswer = std::function<void(const std::string& what)>;

  HeadlessPlatform(LogLine log, MissingAnswer missing);
  ~HeadlessPlatform() override;

  void queueAnswer(ScriptedAnswer answer) { answers_.push_back(std::move(answer)); }
  size_t queuedAnswers() const { return answers_.size(); }
  // Runs every pending paint, as the message loop would.
  void runPendingPaints(WindowProcedure& procedure);
  bool destroyed() const { return destroyed_; }
  const std::string& title() const { return title_; }
  int paintCount() const { return paintCount_; }

  Surface& surface() override { return *surface_; }
  void invalidate() override { paintPending_ = true; }
  void present() override {}
  void setTitle(const std::string& title) override;
  void destroyWindow() override;
  bool openFileDialog(const FileDialogOptions& options, std::string& path) override;
  bool saveFileDialog(const FileDialogOptions& options, std::string& path) override;
  MessageAnswer messageBox(const std::string& title, const std::string& text,
                           MessageBoxKind kind) override;
  bool loadBitmap(const std::string& path, LoadedBitmap& bitmap) override;
  PictureResult loadPicture(const std::string& path, const PictureRequest& request,
                            LoadedBitmap& bitmap) override;
  bool encodePicture(const uint8_t* pixels, int width, int height, const std::string& suffix,
                     int quality, std::vector<uint8_t>& out) override;

 private:
  bool fileDialog(const char* kind, ScriptedAnswer::Kind confirm, const FileDialogOptions& options,
                  std::string& path);
  // The first queued answer of one of the given kinds, removed from the queue.
  bool takeAnswer(std::initializer_list<ScriptedAnswer::Kind> kinds, ScriptedAnswer& answer);

  std::unique_ptr<Surface> surface_;
  std::deque<ScriptedAnswer> answers_;
  LogLine log_;
  MissingAnswer missing_;
  std::string title_;
  bool paintPending_ = false;
  bool destroyed_ = false;
  int paintCount_ = 0;
};

}  // namespace zc
