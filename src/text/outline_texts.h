#pragma once
#include "text/labels.h"

namespace zc {

// The Outline page's topic comments (the numbers its comment table uses).
enum OutlineTopic : int {
  kOutlineResetTopic = 1,
  kOutlineContrastTopic = 3,
  kOutlineDrawingTopic = 4,
  kOutlineJudgeTopic = 5,
  kOutlineBrushTopic = 6,
  kOutlineColourTopic = 7,
  kOutlineSetColourTopic = 8,
  kOutlineKeepTopic = 9,
};

// The Outline page's panel labels, top to bottom. The width buttons ("fine", "middle", "fat",
// "clear") serve both the outline and the brush rows. JudgeValue is the value box's printf format.
enum class OutlineLabel {
  Heading,
  GetImage,
  LocalContrast,
  ContrastLeftClick,
  ContrastRightClick,
  Outline,
  Fine,
  Middle,
  Fat,
  Clear,
  JudgeHeading,
  JudgeValue,
  Brush,
  BrushLeftClick,
  BrushDrag,
  BrushRightClick,
  OutlineColour,
  NextColour,
  SetColour,
  Save,
  SetKeep5,
  Count
};
const LabelText& label(OutlineLabel item);

}  // namespace zc
