#pragma once
// The Appear page's labels and topic numbers.
#include "text/labels.h"

namespace zc {

// The Appear page's topic comments (text/comments.cpp, tab 8). The back-image and transfer-image
// topics are shown by the page's display mode while no other topic is asked for.
enum AppearTopic : int {
  kAppearResetTopic = 1,
  kAppearGetImageTopic = 2,
  kAppearBackImageTopic = 3,
  kAppearTransferImageTopic = 4,
  kAppearPassZoneTopic = 5,
  kAppearBlackTopic = 6,
  kAppearWhiteTopic = 7,
  kAppearZoneFlagTopic = 8,
  kAppearZoneRangeTopic = 9,
  kAppearGradationTopic = 10,
  kAppearRealAppearTopic = 11,
  kAppearMouseMoveTopic = 12,
  kAppearFineMoveTopic = 13,
  kAppearKeepTopic = 14,
  kAppearSaveTopic = 15,
  kAppearWholeViewTopic = 16,
};

// Appear page panel, top to bottom. Condition1..Condition8 are consecutive: Condition1 + n - 1
// names zone condition n. ZoneStart, ZoneEnd, GradationValue and FineStepValue are printf formats.
enum class AppearLabel {
  Heading,
  GetImageHeading,
  BackImage,
  TransferImage,
  PassZoneHeading,
  Black,
  White,
  Condition1,
  Condition2,
  Condition3,
  Condition4,
  Condition5,
  Condition6,
  Condition7,
  Condition8,
  ZoneStart,
  ZoneDash,
  ZoneEnd,
  Gradation,
  GradationValue,
  AllAppearHeading,
  RealAppear,
  MouseMove,
  DragHint,
  Fine,
  FinePixel,
  FineStepValue,
  ArrowLeft,
  ArrowUp,
  ArrowDown,
  ArrowRight,
  Keep8,
  OuterFileHeading,
  SaveImage,
  WholeViewHeading,
  WholeViewCanvas,
  WholeViewBack,
  Count
};
const LabelText& label(AppearLabel item);
// The label of zone condition 1 .. 8 (condition 2, gray, for anything else).
const LabelText& zoneConditionLabel(int condition);

// The title of the page's own save-with-a-name dialog.
extern const LabelText kAppearSaveDialogTitle;

}  // namespace zc
