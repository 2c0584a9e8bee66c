#pragma once
#include <cstdint>

#include "text/labels.h"

namespace zc {

// Pattern page panel, top to bottom. GreyValue, ZoneColourValue, Soft and SoftBorder are printf
// formats of value boxes; BeltValues shows from, appoint value and to under a colour belt.
enum class PatternLabel {
  Heading,
  GetShadow,
  Area,
  OutlineColour,
  DragHint,
  All,
  In,
  Out,
  Zone,
  AppointEye,
  ThreeColours,
  Grey,
  BeltValues,
  GreyValue,
  ZoneColourHeading,
  Black,
  ZoneColourValue,
  White,
  DrawZone,
  Pattern,
  Reverse,
  Soft,
  SoftBorder,
  SetSave,
  SetKeep6,
  Count
};
const LabelText& label(PatternLabel item);

// "5)draw zone" found the area off or a zone covering nearly everything.
extern const LabelText kAreaOffQuestion;
// "6)Pattern" made a pattern with no zone worth the name.
extern const LabelText kNoWindowQuestion;

// The page's topic comments by number.
enum PatternTopic : int32_t {
  kPatternResetTopic = 1,
  kPatternAreaTopic = 2,
  kPatternAreaFrameTopic = 3,
  kPatternAllInOutTopic = 4,
  kPatternZoneTopic = 5,
  kPatternGreyValueTopic = 6,
  kPatternZoneColourTopic = 7,
  kPatternDrawZoneTopic = 8,
  kPatternPatternTopic = 9,
  kPatternSoftTopic = 10,
  kPatternSetSaveTopic = 11,
  kPatternSetKeepTopic = 12,
  kPatternBeltTopic = 17,
  kPatternSoftBorderTopic = 18,
};

}  // namespace zc
