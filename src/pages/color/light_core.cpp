#include "pages/color/light_core.h"

#include <algorithm>
#include <cstring>

namespace zc {

void applyLightCore(const PlaneView& planes, const PixelView& out, int start, int end) {
  const int64_t range = std::max<int64_t>(1, static_cast<int64_t>(end) - start);
  const int64_t g = 255 / range;
  const int width = std::min(planes.width, out.width);
  const int height = std::min(planes.height, out.height);
  unsigned any = 0;  // OR of every written byte: zero only if the whole result is black
  for (int y = 0; y < height; ++y) {
    uint8_t* o = out.at(0, y);
    for (int k = 0; k < 3; ++k) {
      const int32_t* p = planes.plane[k] + planes.index(0, y);
      for (int x = 0; x < width; ++x) {
        const int64_t r = std::clamp<int64_t>((p[x] - static_cast<int64_t>(start)) * g, 0, 255);
        o[3 * x + k] = static_cast<uint8_t>(r);
        any |= static_cast<unsigned>(r);
      }
    }
  }
  if (any == 0 && width > 0 && height > 0) {
    for (int y = 0; y < height; ++y) std::memset(out.at(0, y), 1, static_cast<size_t>(width) * 3);
  }
}

void validateFilterValues(FilterPageState& filter) {
  int32_t& f = filter.start;
  int32_t& t = filter.end;
  if (f < 0) f = 0;
  if (t <= f) t = f + 1;
  if (t > 255) t = 255;
  if (t < 1) f = 0, t = 1;
  if (f > 254) f = 254, t = 255;
  filter.colorPower = std::clamp(filter.colorPower, 1, 1000);
  filter.step = std::clamp(filter.step, 2, 98);
}

int filterBeltMiddle(const FilterPageState& filter) {
  return beltMiddle(kLightCoreBelt, filter.start, filter.end);
}

void clickFilterBelt(FilterPageState& filter, int x) {
  clickDoubleBelt(kLightCoreBelt, filter.start, filter.end, x, filter.spectrumSwitch != 0);
}

void filterStartDown(FilterPageState& filter) {
  stepBeltStart(filter.start, filter.end, -filter.step);
}

void filterStartUp(FilterPageState& filter) {
  stepBeltStart(filter.start, filter.end, filter.step);
}

void filterEndDown(FilterPageState& filter) {
  stepBeltEnd(filter.start, filter.end, -filter.step);
}

void filterEndUp(FilterPageState& filter) {
  stepBeltEnd(filter.start, filter.end, filter.step);
}

void filterStepUp(FilterPageState& filter) {
  filter.step = std::min(98, filter.step + 4);
}

void filterStepDown(FilterPageState& filter) {
  filter.step = std::max(2, filter.step - 4);
}

void holdSpectrumCore(FilterPageState& filter) {
  if (filter.spectrumSwitch != 0 && filter.end - filter.start > 1) {
    filter.start = (filter.start + filter.end) / 2;
    filter.end = filter.start + 1;
  }
}

}  // namespace zc
