#include "pages/outline_pattern/outline_colour.h"

namespace zc {

int nextOutlineColorIndex(int index) {
  return (index >= 0 && index < kOutlineColourCount - 1) ? index + 1 : 0;
}

}  // namespace zc
