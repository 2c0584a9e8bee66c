#pragma once
// The Swap page's labels, and its topic numbers with their comments.
#include <cstdint>
#include <span>

#include "text/comments.h"
#include "text/label_text.h"

namespace zc {

// The Swap page's topic comments: a hit on an item sets the page's helpTopic to one of
// these and the next paint shows its comment.
enum SwapTopic : int32_t {
  kSwapResetTopic = 1,     // the reset mark
  kSwapListTopic = 2,      // the swap color list
  kSwapKeepTopic = 3,      // Set KEEP2
  kSwapSaveTopic = 4,      // Set Save
  kSwapStayTopic = 5,      // the exchanges 0 .. 5
  kSwapReversalTopic = 6,  // the reversals 6 .. 12
  kSwapMixTopic = 7,       // the mixes 13 .. 21
};
// The topic comments, one for each SwapTopic, in ascending order.
std::span<const TopicComment> swapTopicComments();

// Swap page panel. Way0..Way21 are consecutive: Way0 + n labels way n (see swapWayLabel).
enum class SwapLabel {
  Heading,
  SwapColor,
  SetKeep2,
  SetSave,
  StayHeading,
  ReversalHeading,
  MixHeading,
  Way0,
  Way1,
  Way2,
  Way3,
  Way4,
  Way5,
  Way6,
  Way7,
  Way8,
  Way9,
  Way10,
  Way11,
  Way12,
  Way13,
  Way14,
  Way15,
  Way16,
  Way17,
  Way18,
  Way19,
  Way20,
  Way21,
  Count
};
const LabelText& label(SwapLabel item);
// The label of swap way 0..21 (way 0 for anything else).
const LabelText& swapWayLabel(int way);

}  // namespace zc
