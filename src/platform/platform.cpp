#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace zc {

namespace {
Platform* currentPlatform = nullptr;
}  // namespace

Platform& platform() {
  if (!currentPlatform) {
    // A programming error: the entry point sets the platform before anything runs.
    std::fputs("zindle: no platform has been set\n", stderr);
    std::abort();
  }
  return *currentPlatform;
}

void setPlatform(Platform* platform) {
  currentPlatform = platform;
}

// A platform without an image reader of its own hands out what loadBitmap gives, whole.
PictureResult Platform::loadPicture(const std::string& path, const PictureRequest&,
                                    LoadedBitmap& bitmap) {
  if (!loadBitmap(path, bitmap)) return PictureResult::Unreadable;
  bitmap.fullWidth = bitmap.width;
  bitmap.fullHeight = bitmap.height;
  return PictureResult::Loaded;
}

// ... and writes no picture formats.
bool Platform::encodePicture(const uint8_t*, int, int, const std::string&, int,
                             std::vector<uint8_t>& out) {
  out.clear();
  return false;
}

void Platform::setBusy(bool) {}

BusyCursor::BusyCursor() {
  platform().setBusy(true);
}

BusyCursor::~BusyCursor() {
  platform().setBusy(false);
}

}  // namespace zc
