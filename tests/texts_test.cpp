#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "text/comments.h"
#include "text/labels.h"

namespace zc {
namespace {

// Columns a line takes in the strip: a half-width (ASCII) character one, every other character
// (fullwidth in the Shift-JIS set the program draws with) two.
int columns(const char* text) {
  int n = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    if (*p < 0x80)
      n += 1;
    else if ((*p & 0xC0) != 0x80)
      n += 2;  // lead byte of a multi-byte character
  }
  return n;
}

// The strip runs from x = 120 to the frame's right edge at x = 1080: 960 pixels, six pixels per
// half-width character of the 12-pixel font.
constexpr int kStripColumns = (1080 - 120) / 6;

int lineCount(const char* const (&lines)[5]) {
  int n = 0;
  while (n < 5 && lines[n]) ++n;
  return n;
}

struct NamedComment {
  std::string name;
  const CommentText* comment;
};

// Topic numbers each page answers to, by tab index.
const std::vector<std::vector<int>> kTopicNumbers = {
    {1, 2, 7, 8, 9, 10, 11, 12},
    {1, 2, 3, 4, 5, 6, 7, 8},
    {1, 2, 3, 4, 5, 6, 7},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 11},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
    {1, 3, 4, 5, 6, 7, 8, 9},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
};

std::vector<NamedComment> everyComment() {
  std::vector<NamedComment> all;
  for (int tab = 0; tab < 9; ++tab) {
    all.push_back({"main " + std::to_string(tab), mainComment(tab)});
    for (int topic = 1; topic <= 25; ++topic) {
      if (const CommentText* c = topicComment(tab, topic))
        all.push_back({"topic " + std::to_string(tab) + "." + std::to_string(topic), c});
    }
  }
  all.push_back({"restore", &restoreComment()});
  all.push_back({"calculator", &calculatorComment()});
  all.push_back({"trace start", &traceStartComment()});
  return all;
}

bool hasLine(const char* const (&lines)[5], const char* wanted) {
  for (const char* line : lines)
    if (line && std::strcmp(line, wanted) == 0) return true;
  return false;
}

TEST(Texts, EveryPageHasABlackMainCommentInBothLanguages) {
  for (int tab = 0; tab < 9; ++tab) {
    SCOPED_TRACE(tab);
    const CommentText* c = mainComment(tab);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->colour, (Rgb{0, 0, 0}));
    EXPECT_GE(lineCount(c->japanese), 2);
    EXPECT_GE(lineCount(c->english), 2);
  }
  EXPECT_EQ(mainComment(-1), nullptr);
  EXPECT_EQ(mainComment(9), nullptr);
  EXPECT_EQ(mainComment(10), nullptr);
}

TEST(Texts, EveryListedTopicExistsInBothLanguagesAndOthersDoNot) {
  for (int tab = 0; tab < 9; ++tab) {
    for (int topic = 0; topic <= 25; ++topic) {
      SCOPED_TRACE(std::to_string(tab) + "." + std::to_string(topic));
      const std::vector<int>& listed = kTopicNumbers[tab];
      const bool expected = std::find(listed.begin(), listed.end(), topic) != listed.end();
      const CommentText* c = topicComment(tab, topic);
      ASSERT_EQ(c != nullptr, expected);
      if (!c) continue;
      EXPECT_GE(lineCount(c->japanese), 1);
      EXPECT_GE(lineCount(c->english), 1);
      EXPECT_NE(c->colour, (Rgb{0, 0, 0})) << "topic comments have a colour of their own";
    }
  }
  EXPECT_EQ(topicComment(9, 1), nullptr);
  EXPECT_EQ(topicComment(-1, 1), nullptr);
}

// Every line fits the strip, lines follow each other without gaps, and only the restore comment
// carries a "%d" (every line is passed through printf-style formatting when drawn).
TEST(Texts, EveryCommentLineFitsTheStripAndFormatsSafely) {
  for (const NamedComment& named : everyComment()) {
    SCOPED_TRACE(named.name);
    for (const auto* lines : {&named.comment->japanese, &named.comment->english}) {
      const int count = lineCount(*lines);
      EXPECT_LE(count, 5);
      for (int k = count; k < 5; ++k) EXPECT_EQ((*lines)[k], nullptr) << "gap before line " << k;
      for (int k = 0; k < count; ++k) {
        const char* line = (*lines)[k];
        EXPECT_GT(std::strlen(line), 0u);
        EXPECT_LE(columns(line), kStripColumns) << line;
        const char* percent = std::strchr(line, '%');
        if (named.name == "restore") {
          ASSERT_NE(percent, nullptr) << line;
          EXPECT_EQ(percent[1], 'd');
          EXPECT_EQ(std::strchr(percent + 1, '%'), nullptr) << line;
        } else {
          EXPECT_EQ(percent, nullptr) << line;
        }
      }
    }
  }
}

TEST(Texts, RestoreCommentNamesTheSlotFile) {
  const CommentText& c = restoreComment();
  EXPECT_EQ(c.colour, (Rgb{50, 100, 200}));
  EXPECT_EQ(lineCount(c.japanese), 2);
  EXPECT_EQ(lineCount(c.english), 2);
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, c.english[0], 8);
  EXPECT_STREQ(buffer, "Restore← [<>] call KEEP8.bmp image;");
  std::snprintf(buffer, sizeof buffer, c.japanese[1], 3);
  EXPECT_STREQ(buffer, "黒い画面 [←] KEEP3画像が存在していない;");
}

TEST(Texts, CalculatorCommentEndsWithTheLimitCaveat) {
  const CommentText& c = calculatorComment();
  EXPECT_EQ(c.colour, (Rgb{50, 100, 200}));
  ASSERT_EQ(lineCount(c.japanese), 4);
  ASSERT_EQ(lineCount(c.english), 4);
  EXPECT_STREQ(c.english[3], "other limit condition may affect the result;");
}

// Lines the program's own help is known to show, letter for letter (typos included).
TEST(Texts, KnownHelpLinesAreKeptLetterForLetter) {
  struct Case {
    int tab;
    int topic;  // 0: the main comment
    const char* english;
  };
  const Case cases[] = {
      {1, 1,
       "light core [<>] color value 0～255---limit>start(f)～end(t)---display>; 0～t(near0) [<>] "
       "dark core; f(near255)～255 [<>] light core;"},
      {1, 2, "color power [<>] (all of red, green, & blue) 100 as standerd, change in 1～1000;"},
      {1, 8,
       "Left click on [set KEEP1] [→] save the image to inner memory ([<>] set), and save as outer "
       "file with a name of KEEP1.bmp;"},
      {0, 7, "Caution [<>] KEEP0.bmp may be deleted when this program finish;"},
      {2, 1, "reset mark [<>] Left click on dark red mark [→] come back to default"},
      {2, 4, "[Set Save] [→]; call a dialog box of SAVE WITH A NAME"},
      {3, 3,
       "blind mode [<>] When Zindle Eye acts on each level line, the result image hide under level "
       "lines;"},
      {3, 7, "dark   [<>] darkness of the image;   standard <>   0;"},
      {4, 5, "LClick Image   [<>] Left click on the image;"},
      {4, 0, "CHANGE [<>] exchange the color of the image to other;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.english);
    const CommentText* comment = c.topic == 0 ? mainComment(c.tab) : topicComment(c.tab, c.topic);
    ASSERT_NE(comment, nullptr);
    EXPECT_TRUE(hasLine(comment->english, c.english));
  }
  EXPECT_TRUE(hasLine(restoreComment().english, "All black image [←] no KEEP%d.bmp image;"));
  EXPECT_TRUE(hasLine(restoreComment().japanese, "復元← [<>] KEEP%d画像を呼び出す;"));
}

void expectBothTexts(const LabelText& label, const std::string& what) {
  ASSERT_NE(label.japanese, nullptr) << what;
  ASSERT_NE(label.english, nullptr) << what;
  EXPECT_GT(std::strlen(label.japanese), 0u) << what;
  EXPECT_GT(std::strlen(label.english), 0u) << what;
}

TEST(Texts, EveryLabelHasBothTexts) {
  for (int cell = 0; cell < 12; ++cell)
    expectBothTexts(tabLabel(cell), "tab " + std::to_string(cell));
  EXPECT_STREQ(tabLabel(12).english, "");
  EXPECT_STREQ(tabLabel(-1).japanese, "");
  for (int i = 0; i < static_cast<int>(TopLabel::Count); ++i)
    expectBothTexts(label(static_cast<TopLabel>(i)), "top " + std::to_string(i));
  for (int i = 0; i < static_cast<int>(FilterLabel::Count); ++i)
    expectBothTexts(label(static_cast<FilterLabel>(i)), "filter " + std::to_string(i));
  for (int i = 0; i < static_cast<int>(SwapLabel::Count); ++i)
    expectBothTexts(label(static_cast<SwapLabel>(i)), "swap " + std::to_string(i));
  for (int i = 0; i < static_cast<int>(ZindleEyeLabel::Count); ++i)
    expectBothTexts(label(static_cast<ZindleEyeLabel>(i)), "zindle eye " + std::to_string(i));
  for (const LabelText* l :
       {&kProductTitle, &kMessageTitle, &kDeleteKeepQuestion, &kCloseQuestion, &kSaveDialogTitle,
        &kOpenPrompt, &kOpenDialogTitle, &kBitmapFilesFilter, &kAllFilesFilter,
        &kUnreadablePictureText, &kPixelWriteFailureTitle, &kPixelWriteFailureText,
        &kPixelReadFailureTitle, &kPixelReadFailureText})
    expectBothTexts(*l, "shell text");
}

// The runs of items that pages address by offset stay in order.
TEST(Texts, NumberedLabelRunsStayInOrder) {
  for (int n = 0; n <= 9; ++n) {
    const char fullwidth[4] = {'\xEF', '\xBC', static_cast<char>(0x90 + n), '\0'};  // U+FF10 + n
    const auto item = static_cast<FilterLabel>(static_cast<int>(FilterLabel::Digit0) + n);
    EXPECT_STREQ(label(item).english, fullwidth) << n;
    EXPECT_STREQ(label(item).japanese, fullwidth) << n;
  }
  for (int way = 0; way <= 21; ++way) {
    const std::string prefix = std::to_string(way) + " ";
    EXPECT_EQ(std::string(swapWayLabel(way).english).rfind(prefix, 0), 0u) << way;
    EXPECT_EQ(&swapWayLabel(way),
              &label(static_cast<SwapLabel>(static_cast<int>(SwapLabel::Way0) + way)));
  }
  EXPECT_EQ(&swapWayLabel(22), &swapWayLabel(0));
  for (int i = 0; i < 12; ++i) {
    const char letter[2] = {static_cast<char>('A' + i), '\0'};
    EXPECT_STREQ(
        label(static_cast<ZindleEyeLabel>(static_cast<int>(ZindleEyeLabel::HornA) + i)).english,
        letter);
  }
}

TEST(Texts, LanguageSwitchNamesTheOtherLanguage) {
  EXPECT_STREQ(label(TopLabel::LanguageSwitch).japanese, "ENGLISH");
  EXPECT_STREQ(label(TopLabel::LanguageSwitch).english, "JAPANESE");
}

TEST(Texts, DeleteQuestionListsTheNineKeepFilesOnThreeLines) {
  for (const char* text : {kDeleteKeepQuestion.japanese, kDeleteKeepQuestion.english}) {
    const std::string s(text);
    EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), 3);
    for (int slot = 0; slot < 9; ++slot)
      EXPECT_NE(s.find("KEEP" + std::to_string(slot) + ".bmp"), std::string::npos) << slot;
  }
}

}  // namespace
}  // namespace zc
