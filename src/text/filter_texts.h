#pragma once
// The Filter page's labels, and its topic numbers with their comments.
#include <cstdint>
#include <span>

#include "text/comments.h"
#include "text/label_text.h"

namespace zc {

// The Filter page's topic comments: a hit on an item sets the page's helpTopic to one of
// these and the next paint shows its comment.
enum FilterTopic : int32_t {
  kFilterLightCoreTopic = 1,   // the light core: belt, switches, value boxes, action
  kFilterColorPowerTopic = 2,  // the color power belts and value box
  kFilterBalanceTopic = 3,     // color balance: peach and berry
  kFilterEachPowerTopic = 4,   // the each power belts
  kFilterActionTopic = 5,      // the action switch of color power and each power
  kFilterStepTopic = 6,        // the step of the diamond switches
  kFilterResetTopic = 7,       // the reset marks
  kFilterKeepTopic = 8,        // set KEEP1
};
// The topic comments, one for each FilterTopic, in ascending order.
std::span<const TopicComment> filterTopicComments();

// Filter page panel. FValue, TValue, ColorPowerValue and StepValue are the printf formats of the
// value boxes. The power scale texts stand under the colour power belts: 1, 50, 100 above and
// 100, 500, 1000 below. Digit0..Digit9 are consecutive, so Digit0 + n is the key of digit n.
enum class FilterLabel {
  Heading,
  GetImage,
  LightCoreHeading,
  SpectrumCore,
  FValue,
  Separator,
  TValue,
  LightCoreAction,
  ColorPowerHeading,
  ColorPowerValue,
  PowerScale1,
  PowerScale50,
  PowerScale100,
  PowerScaleLower100,
  PowerScale500,
  PowerScale1000,
  EachPowerHeading,
  ColorPowerAction,
  ColorBalanceHeading,
  Peach,
  Berry,
  SetKeep1,
  Cal,
  AllClear,
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  TypedNumber,
  Plus,
  Minus,
  Clear,
  StepHeading,
  StepValue,
  Count
};
const LabelText& label(FilterLabel item);

}  // namespace zc
