#pragma once
#include <cstdint>

namespace zc {

// A colour as the program writes it: red, green, blue.
struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  constexpr bool operator==(const Rgb&) const = default;
};

constexpr Rgb kLabelText{64, 64, 64};
constexpr Rgb kGreyedText{220, 220, 220};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kOnFrame{16, 16, 16};

}  // namespace zc
