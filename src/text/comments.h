#pragma once
#include <cstdint>
#include <span>

#include "platform/rgb.h"

namespace zc {

// One block of the comment strip under the image frame: up to five lines per language, drawn
// one per row in the block's own colour. Unused lines are nullptr. A "%d" in a line stands for a
// number given when the block is drawn (the slot number of the restore comment); no other line
// holds a '%', so every line can be passed through printf-style formatting unchanged.
struct CommentText {
  Rgb colour;
  const char* japanese[5];  // unused lines nullptr
  const char* english[5];
};

// One topic comment of a page: the page shows it while its helpTopic is `number`.
struct TopicComment {
  int32_t number;
  CommentText text;
};

// True when the table's topic numbers are positive and ascend, so that each number has one
// comment.
constexpr bool topicNumbersAscend(std::span<const TopicComment> topics) {
  for (std::size_t i = 0; i < topics.size(); ++i) {
    if (topics[i].number <= 0 || (i > 0 && topics[i].number <= topics[i - 1].number)) return false;
  }
  return true;
}

// Main comment of the page with this tab index 0..8 (black, (0,0,0)). nullptr outside 0..8.
const CommentText* mainComment(int tabIndex);

// The Restore tab's comment: 2 lines, colour (50,100,200); lines contain %d (slot number).
const CommentText& restoreComment();

// The calculator keys' comment: 4 lines, colour (50,100,200); ends with the limit caveat
// "other limit condition may affect the result;".
const CommentText& calculatorComment();

// Topic comment number `topic` of the page with this tab index; nullptr when the page has no such
// topic. The Appear page (tab 8) shows topic 3 (the back image) while its step is 3 and topic 4
// (the transfer image) while its step is 2 and no other topic is asked for. The Transfer page's
// topic 9 is the trace-outline comment; its second form is traceStartComment().
const CommentText* topicComment(int tabIndex, int topic);

// The Transfer page's second form of topic 9, shown while tracing is under way (its text is in
// text/transfer_texts.cpp).
const CommentText& traceStartComment();

}  // namespace zc
