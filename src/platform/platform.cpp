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

}  // namespace zc
