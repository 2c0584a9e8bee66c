#pragma once
#include <cstdint>

namespace zc {

struct Size {
  int32_t width = 0;
  int32_t height = 0;
  constexpr bool operator==(const Size&) const = default;
};

}  // namespace zc
