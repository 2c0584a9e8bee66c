#pragma once

namespace zc {

// The grey of a colour: trunc(0.299 R + 0.587 G + 0.114 B) in double, summed in this order.
inline int greyValue(int red, int green, int blue) {
  return static_cast<int>(0.299 * red + 0.587 * green + 0.114 * blue);
}

}  // namespace zc
