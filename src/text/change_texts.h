#pragma once
#include "text/labels.h"

namespace zc {

// Change page panel, top to bottom. Flag3C .. FlagBlue are consecutive and follow the flag of
// colour condition 1 .. 5. TableRow and ConvertValue are printf formats: a table row shows min,
// appointed value and Max; a value box one convert value.
enum class ChangeLabel {
  Heading,
  Appoint,
  Target,
  Flag3C,
  FlagGrey,
  FlagRed,
  FlagGreen,
  FlagBlue,
  LClickImage,
  ToMinMax,
  TableHeading,
  TableRow,
  Convert,
  ConvertValue,
  ByOnImage,
  BarGraphCal,
  Act,
  Weak,
  Middle,
  All,
  Save,
  SetKeep4,
  Count
};
const LabelText& label(ChangeLabel item);
// The flag label of colour condition 1 .. 5 (3C, gray, R, G, B); 3C outside that range.
const LabelText& colorConditionLabel(int condition);

// The Change page's topic comments.
enum ChangeTopic : int {
  kChangeResetTopic = 1,
  kChangeAppointTopic = 2,
  kChangeTargetTopic = 3,
  kChangeFlagTopic = 4,
  kChangeClickImageTopic = 5,
  kChangeColourBeltsTopic = 6,
  kChangeGreyBeltTopic = 7,
  kChangeConvertTopic = 8,
  kChangeValueTopic = 9,
  kChangeChartTopic = 10,
  kChangeActTopic = 11,
  kChangeKeepTopic = 12,
};

}  // namespace zc
