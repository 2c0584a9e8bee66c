#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/surface.h"

namespace zc {

class DesktopWindow;  // the program's window on the desktop (a QWidget)

// The desktop backend: one window whose client area is the surface, real dialogs and message
// boxes. A QApplication must exist before it is made.
class QtPlatform final : public Platform {
 public:
  QtPlatform(WindowProcedure& procedure, const std::string& title);
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  void show();
  // One run of the paint cycle, now: erase the surface, let the window procedure paint, present.
  void runPaintCycle();
  bool destroyed() const { return destroyed_; }

  Surface& surface() override { return surface_; }
  void invalidate() override;
  void present() override;
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
  void setBusy(bool busy) override;

 private:
  friend class DesktopWindow;
  // A window-system event for the window procedure (dropped once the window is destroyed).
  void deliver(const Message& message);
  // The paint that invalidate() scheduled, run from the event loop.
  void scheduledPaint();
  void postPaint();
  bool fileDialog(const FileDialogOptions& options, std::string& path, bool save);

  WindowProcedure& procedure_;
  Surface surface_;
  DesktopWindow* window_ = nullptr;
  bool paintScheduled_ = false;  // a scheduled paint is on its way through the event loop
  bool painting_ = false;
  bool paintDeferred_ = false;  // the scheduled paint arrived while a paint was running
  bool destroyed_ = false;
};

// The desktop program: makes the application and the window, runs the first paint before the
// message loop starts, then runs the loop until the window is destroyed. Returns the exit code.
// takeArguments gets the command-line arguments that are not Qt's own, before the first paint.
int runDesktop(int argc, char** argv, WindowProcedure& procedure, const std::string& title,
               const std::function<void(const std::vector<std::string>&)>& takeArguments = {});

}  // namespace zc
