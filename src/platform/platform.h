#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/picture_request.h"
#include "platform/surface.h"

namespace zc {

// What the window system delivers to the window procedure.
// Drop: a file let go over the window (its path in `path`).
enum class MessageKind { LeftDown, LeftUp, RightDown, MouseMove, KeyDown, Close, Drop };
// The keys the program tells apart; Alt0 .. Alt8 follow each other.
enum class Key {
  Enter,
  Space,
  Other,
  CtrlO,
  CtrlS,
  CtrlZ,
  CtrlQ,
  Alt0,
  Alt1,
  Alt2,
  Alt3,
  Alt4,
  Alt5,
  Alt6,
  Alt7,
  Alt8,
};

struct Message {
  MessageKind kind;
  int x = 0;
  int y = 0;
  Key key = Key::Other;
  std::string path = {};  // Drop
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

// A decoded bitmap: top-down rows of blue, green, red bytes, no padding, the right way up (the
// orientation the file states is applied). width x height is what was decoded: the whole
// picture, its top-left part, or (asked to fit) a reduction of the whole picture that is at least
// fittedSize() of the full size in each direction.
struct LoadedBitmap {
  int width = 0;
  int height = 0;
  const uint8_t* pixels = nullptr;  // owned by the platform; valid until the next load
  int fullWidth = 0;                // the picture's own size, the right way up
  int fullHeight = 0;
  uint64_t generation = 0;  // changes whenever the pixels come from a new decode
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
  // The same, as the request asks (the part kept or the reduction to fit), with the reason of a
  // failure.
  virtual PictureResult loadPicture(const std::string& path, const PictureRequest& request,
                                    LoadedBitmap& bitmap);
  // Encodes top-down blue, green, red rows with the platform's image writer in the format named
  // by a file suffix ("png", "jpg", "jpeg", "tif", "tiff", "webp"); quality for JPEG and WebP.
  virtual bool encodePicture(const uint8_t* pixels, int width, int height,
                             const std::string& suffix, int quality, std::vector<uint8_t>& out);
  // The busy cursor on or off while the program works without taking input.
  virtual void setBusy(bool busy);
};

// Shows the busy cursor for the lifetime of the object.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// The platform of this run, set once by the entry point.
Platform& platform();
void setPlatform(Platform* platform);

}  // namespace zc
