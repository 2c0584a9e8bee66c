#include "pages/color/filter_page_values.h"

#include <algorithm>

#include "core/grey.h"
#include "pages/color/color_power.h"

namespace zc {

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

void runColorPower(const PlaneView& planes, FilterPageState& filter) {
  const int32_t* each = filter.eachPower;
  if (filter.eachPowerMode >= 1 && filter.eachPowerMode <= 3) {
    const double grey = greyValue(each[0], each[1], each[2]);
    filter.colorPower = static_cast<int32_t>(std::clamp(grey, -2147483648.0, 2147483647.0));
    applyColorPower(planes, each[0], each[1], each[2]);
  } else {
    applyColorPower(planes, filter.colorPower, filter.colorPower, filter.colorPower);
  }
}

}  // namespace zc
