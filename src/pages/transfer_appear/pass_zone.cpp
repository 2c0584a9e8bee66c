#include "pages/transfer_appear/pass_zone.h"

namespace zc {
namespace {

// One loop per test, so that the mode and the condition are decided once per picture.
template <class Test>
void markEach(const PixelView& picture, uint8_t* mask, Test passes) {
  const long cells = static_cast<long>(picture.width) * picture.height;
  const uint8_t* p = picture.bytes;
  for (long i = 0; i < cells; ++i, p += 3) mask[i] = passes(p[2], p[1], p[0]) ? 1 : 0;
}

}  // namespace

void markPassZone(const PixelView& picture, const PassZone& zone, uint8_t* mask) {
  const int f = zone.start, t = zone.end;
  auto in = [f, t](int v) { return v >= f && v <= t; };
  const bool condition = zone.mode == 3 || zone.mode == 4;
  if (zone.mode == 1) {
    markEach(picture, mask, [](int r, int g, int b) { return (r | g | b) == 0; });
  } else if (zone.mode == 2) {
    markEach(picture, mask, [](int r, int g, int b) { return (r & g & b) == 255; });
  } else if (condition && zone.condition == 2) {
    markEach(picture, mask, [&](int r, int g, int b) { return in(greyOf(r, g, b)); });
  } else if (condition && zone.condition == 1) {
    markEach(picture, mask, [&](int r, int g, int b) { return in(r) && in(g) && in(b); });
  } else {
    // The single and double channel conditions, and zones that pass nothing.
    markEach(picture, mask, [&](int r, int g, int b) { return passesZone(zone, r, g, b); });
  }
}

}  // namespace zc
