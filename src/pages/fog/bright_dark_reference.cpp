#include "pages/fog/bright_dark_reference.h"

#include <cstddef>
#include <cstdint>

#include "pages/fog/bright_dark.h"

namespace zc {

void applyBrightDarkReference(const PixelView& work, int bright, int dark) {
  const size_t count = static_cast<size_t>(work.width) * work.height * 3;
  for (size_t i = 0; i < count; ++i) {
    work.bytes[i] = static_cast<uint8_t>(brightDarkValue(work.bytes[i], bright, dark));
  }
}

}  // namespace zc
