#pragma once
// The Zindle Eye page's labels, and its topic numbers with their comments.
#include <cstdint>
#include <span>

#include "text/comments.h"
#include "text/label_text.h"

namespace zc {

// The Zindle Eye page's topic comments: a hit on an item sets the page's helpTopic to one of
// these and the next paint shows its comment.
enum ZindleEyeTopic : int32_t {
  kZindleEyeResetTopic = 1,       // the reset marks
  kZindleEyeSweepTopic = 2,       // the strong sweeps: light, both, dark
  kZindleEyeBlindTopic = 3,       // blind mode
  kZindleEyeKeepTopic = 4,        // Set KEEP3
  kZindleEyeAreaEyeTopic = 5,     // area eye
  kZindleEyeAppointEyeTopic = 6,  // appoint eye
  kZindleEyeBrightTopic = 7,      // bright and dark
  kZindleEyeWeakTopic = 8,        // the weak sweeps
  kZindleEyeHornTopic = 9,        // the horns A .. L
  kZindleEyeWholeViewTopic = 11,  // the whole views
};
// The topic comments, one for each ZindleEyeTopic, in ascending order.
std::span<const TopicComment> zindleEyeTopicComments();

// Zindle Eye page panel. HornA..HornL are consecutive. The scale texts stand above (Low) and
// below (High) each pair of bars: bright 1..100 and 100..200, dark -100..0 and 0..+100.
enum class ZindleEyeLabel {
  Heading,
  ZindleEyeHeading,
  Light,
  WeakLight,
  Both,
  WeakBoth,
  Dark,
  WeakDark,
  HornA,
  HornB,
  HornC,
  HornD,
  HornE,
  HornF,
  HornG,
  HornH,
  HornI,
  HornJ,
  HornK,
  HornL,
  Blind,
  SetKeep3,
  BrightHeading,
  BrightScaleLow,
  BrightScaleHigh,
  DarkHeading,
  DarkScaleLow,
  DarkScaleHigh,
  WholeViewHeading,
  WholeViewImage,
  WholeViewCanvas,
  WholeViewBack,
  Count
};
const LabelText& label(ZindleEyeLabel item);

}  // namespace zc
