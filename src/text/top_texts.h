#pragma once
// The Top page's labels, and its topic numbers with their comments.
#include <cstdint>
#include <span>

#include "text/comments.h"
#include "text/label_text.h"

namespace zc {

// The Top page's topic comments: a hit on an item sets the page's helpTopic to one of
// these and the next paint shows its comment.
enum TopTopic : int32_t {
  kTopCommentTopic = 1,     // the comment strip itself
  kTopResetTopic = 2,       // the reset mark
  kTopKeepTopic = 7,        // save KEEP0
  kTopLanguageTopic = 8,    // the language switch
  kTopCanvasTopic = 9,      // the canvas sizes
  kTopGetImageTopic = 10,   // get image
  kTopWholeViewTopic = 11,  // the whole views
  kTopFitTopic = 12,        // the "fit" switch
};
// The topic comments, one for each TopTopic, in ascending order.
std::span<const TopicComment> topTopicComments();

// Top page panel, top to bottom. Legend0..Legend5 are the six lines of the note-code legend.
enum class TopLabel {
  Heading,
  ResetMarkText,
  Canvas,
  Canvas960,
  Canvas1200,
  Canvas1440,
  Canvas1680,
  GetImageHeading,
  GetImage,
  KeepHeading,
  SaveKeep0,
  LanguageHeading,
  LanguageSwitch,
  WholeViewHeading,
  WholeViewImage,
  WholeViewCanvas,
  WholeViewBack,
  Fit,
  NoteCode,
  Legend0,
  Legend1,
  Legend2,
  Legend3,
  Legend4,
  Legend5,
  Count
};
const LabelText& label(TopLabel item);

}  // namespace zc
