#include "pages/color/change_values.h"

#include <algorithm>
#include <iterator>

namespace zc {

ColorRange targetRange(const ChangePageState& change) {
  ColorRange range;
  std::copy(std::begin(change.rangeMin), std::end(change.rangeMin), range.min);
  std::copy(std::begin(change.rangeMax), std::end(change.rangeMax), range.max);
  return range;
}

ChangeColour convertColour(const ChangePageState& change) {
  return {change.convertColour[kRangeRed], change.convertColour[kRangeGreen],
          change.convertColour[kRangeBlue]};
}

void appointPixel(ChangePageState& change, int32_t red, int32_t green, int32_t blue) {
  const int32_t pixel[4] = {red, green, blue, greyOf(red, green, blue)};
  std::copy(std::begin(pixel), std::end(pixel), change.appointed);
  if (change.targetOn) std::copy(pixel, pixel + 3, change.targetColour);
  if (change.convertOn) std::copy(pixel, pixel + 3, change.convertColour);
  if (!change.targetOn ||
      std::all_of(std::begin(pixel), std::end(pixel), [](int32_t v) { return v == 0; })) {
    return;
  }
  for (int row = 0; row < 4; ++row) {
    change.rangeMin[row] = std::min(change.rangeMin[row], pixel[row]);
    change.rangeMax[row] = std::max(change.rangeMax[row], pixel[row]);
  }
}

void greyRangeFromBounds(ChangePageState& change, bool rounded) {
  auto grey = [&](const int32_t* bounds) {
    const double value = greyValue(bounds[kRangeRed], bounds[kRangeGreen], bounds[kRangeBlue]);
    return static_cast<int32_t>(static_cast<int64_t>(rounded ? value + 0.5 : value));
  };
  change.rangeMin[kRangeGrey] = grey(change.rangeMin);
  change.rangeMax[kRangeGrey] = grey(change.rangeMax);
}

int changeBeltValue(int x) {
  return std::clamp((x - 24) * 255 / 52, 0, 255);
}

int targetBeltSplit(const ChangePageState& change, int row) {
  return (change.rangeMin[row] + change.rangeMax[row]) * 52 / 510 + 24;
}

void clickTargetBelt(ChangePageState& change, int row, int x) {
  const int split = targetBeltSplit(change, row);
  if (x < split) change.rangeMin[row] = changeBeltValue(x);
  if (x > split) change.rangeMax[row] = changeBeltValue(x);
}

void targetMinDown(ChangePageState& change, int row) {
  change.rangeMin[row] = std::max(0, change.rangeMin[row] - change.step);
}

// The limit only stops a step: min up never lowers a min that already lies above Max (the empty
// range), and Max down never raises such a Max.
void targetMinUp(ChangePageState& change, int row) {
  int32_t& min = change.rangeMin[row];
  min = std::max(min, std::min(change.rangeMax[row], min + change.step));
}

void targetMaxDown(ChangePageState& change, int row) {
  int32_t& max = change.rangeMax[row];
  max = std::min(max, std::max(change.rangeMin[row], max - change.step));
}

void targetMaxUp(ChangePageState& change, int row) {
  change.rangeMax[row] = std::min(255, change.rangeMax[row] + change.step);
}

void stepConvertValue(ChangePageState& change, int channel, int delta) {
  change.convertColour[channel] = std::clamp(change.convertColour[channel] + delta, 0, 255);
}

void clampConvertColour(ChangePageState& change) {
  for (int32_t& value : change.convertColour) value = std::clamp(value, 0, 255);
}

int32_t nextColorCondition(int32_t condition) {
  return condition >= 1 && condition < 5 ? condition + 1 : 1;
}

}  // namespace zc
