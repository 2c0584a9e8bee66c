#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace zc {

// What the window system delivers to the window procedure.
enum class MessageKind { LeftDown, LeftUp, RightDown, MouseMove, KeyDown, Close };
enum class Key { Enter, Space, Other };

struct Message {
  MessageKind kind;
  int x = 0;
  int y = 0;
  Key key = Key::Other;
};

// The program side of the window: the backend feeds it messages and asks it to paint.
class WindowProcedure {
 public:
  virtual ~WindowProcedure() = default;
  virtual void handle(const Message& message) = 0;
  virtual void paint() = 0;
};

struct FileFilter {
  std::string name;     // shown text, for example "ビットマップファイル(*.bmp)"
  std::string pattern;  // "*.bmp"
};

struct FileDialogOptions {
  std::string title;
  std::vector<FileFilter> filters;  // the first one is selected
  std::string defaultSuffix;        // without the dot
};

enum class MessageBoxKind { Ok, YesNoQuestion };
enum class MessageAnswer { Ok, Yes, No };

// A decoded bitmap: top-down rows of blue, green, red bytes, no padding.
struct LoadedBitmap {
  int width = 0;
  int height = 0;
  const uint8_t* pixels = nullptr;  // owned by the platform; valid until the next load
};

// The services the program asks of the window system. One instance per run.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual Surface& surface() = 0;
  // Asks for exactly one run of the paint cycle; the surface is erased when it starts.
  virtual void invalidate() = 0;
  // Shows the surface as it stands (progress during a long paint, drag feedback).
  virtual void present() = 0;
  virtual void setTitle(const std::string& title) = 0;
  // Destroys the window; the message loop then ends with exit code 0.
  virtual void destroyWindow() = 0;

  // Returns false when the user cancels; on confirmation fills path with the chosen file.
  virtual bool openFileDialog(const FileDialogOptions& options, std::string& path) = 0;
  // The same with an overwrite prompt, for saving.
  virtual bool saveFileDialog(const FileDialogOptions& options, std::string& path) = 0;
  virtual MessageAnswer messageBox(const std::string& title, const std::string& text,
                                   MessageBoxKind kind) = 0;

  // Decodes an image file with the platform's image reader. False when it cannot be read.
  virtual bool loadBitmap(const std::string& path, LoadedBitmap& bitmap) = 0;
};

// The platform of this run, set once by the entry point.
Platform& platform();
void setPlatform(Platform* platform);

}  // namespace zc
