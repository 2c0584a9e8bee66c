// The panel kit: how a declared table answers a press and draws by stage, and the two tables that
// both draw and hit (the key pad and the tab bar).
#include "ui/panel.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "pages/color/change_page.h"
#include "text/filter_texts.h"
#include "ui/calculator.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

struct DrawnText {
  int x, y;
  std::string text;
};

std::vector<DrawnText> textsDrawnBy(void (*draw)(Surface&)) {
  Surface s;
  std::vector<DrawnText> texts;
  s.setTextObserver([&](int x, int y, Rgb, std::string_view text) {
    texts.push_back({x, y, std::string(text)});
  });
  draw(s);
  return texts;
}

// A point and the key a press there hits (its digit for a digit key).
struct PadCase {
  int x, y;
  PadKey key;
  int digit;
};
void expectPadHits(const KeyPadLayout& pad, std::span<const PadCase> cases) {
  for (const PadCase& c : cases) {
    const PadHit hit = keyPadHit(c.x, c.y, pad);
    EXPECT_EQ(hit.key, c.key) << c.x << "," << c.y;
    if (c.key == PadKey::Digit) {
      EXPECT_EQ(hit.digit, c.digit) << c.x << "," << c.y;
    }
  }
}

const LabelText kA{"A", "A"}, kB{"B", "B"}, kC{"C", "C"};
int g_pressed = 0;
bool g_shown = false;

// Three items over one another: a hidden one, one with its own hit test, and a box; the first
// item that is shown and hit wins.
const PanelItem kItems[] = {
    {.box = makeButton(0, 0, 40, kWhite),
     .label = &kA,
     .topic = 1,
     .action = [](int, int) { g_pressed = 1; },
     .shown = [] { return g_shown; }},
    {.box = makeButton(0, 0, 40, kWhite),
     .label = &kB,
     .topic = 2,
     .action = [](int, int) { g_pressed = 2; },
     .hits = [](int x, int) { return x < 10; },
     .stage = 1},
    {.box = makeButton(0, 0, 40, kWhite),
     .label = &kC,
     .topic = 3,
     .action = [](int, int) { g_pressed = 3; }},
    {.kind = ItemKind::HitOnly, .zone = kNoHit, .topic = 4},
};

TEST(Panel, FirstShownItemHitWins) {
  struct Case {
    bool shown;
    int x, y, wantTopic, wantPressed;
  };
  const Case cases[] = {
      {true, 5, 10, 1, 1},    // the shown first item
      {false, 5, 10, 2, 2},   // hidden: the own hit test of the second
      {false, 20, 10, 3, 3},  // outside that test: the box of the third, inside its frame
      {false, 40, 10, 0, 0},  // on the right edge: no item (the no-hit zone never answers)
      {false, 20, 20, 0, 0},  // on the bottom edge
      {true, 20, 0, 0, 0},    // on the top edge
  };
  for (const Case& c : cases) {
    g_shown = c.shown;
    g_pressed = 0;
    int32_t topic = 0;
    EXPECT_EQ(pressPanel(kItems, c.x, c.y, topic), c.wantPressed != 0) << c.x << "," << c.y;
    EXPECT_EQ(topic, c.wantTopic) << c.x << "," << c.y;
    EXPECT_EQ(g_pressed, c.wantPressed) << c.x << "," << c.y;
  }
}

// An action that runs a reset clearing the topic: a plain item loses its topic to the reset, a
// resetItem shows it again; an action that sets a topic of its own keeps it on a plain item.
TEST(Panel, AResetItemShowsItsTopicAfterTheResetClearedIt) {
  static int32_t topic = 0;
  const PanelItem items[] = {
      {.kind = ItemKind::HitOnly,
       .zone = zoneIncl(0, 9, 0, 9),
       .topic = 5,
       .action = [](int, int) { topic = 0; }},
      resetItem({.kind = ItemKind::HitOnly,
                 .zone = zoneIncl(10, 19, 0, 9),
                 .topic = 6,
                 .action = [](int, int) { topic = 0; }}),
      {.kind = ItemKind::HitOnly,
       .zone = zoneIncl(20, 29, 0, 9),
       .topic = 7,
       .action = [](int, int) { topic = 8; }},
  };
  const int32_t want[3] = {0, 6, 8};
  for (int i = 0; i < 3; ++i) {
    topic = 1;
    EXPECT_TRUE(pressPanel(items, 10 * i + 5, 5, topic)) << i;
    EXPECT_EQ(topic, want[i]) << i;
  }
}

template <int Part>
void pressPart(int, int) {
  g_pressed = Part;
}

// A belt row's parts at its edge columns and rows, with the switches' edge columns hit or left
// out: 0 .. 4 the start's down and up switches, the belt, the end's down and up switches; -1 none.
TEST(Panel, ABeltRowIsHitOnItsSwitchesAndBeltUpToTheirEdges) {
  struct Case {
    int x, y, withEdges, withoutEdges;
  };
  const Case cases[] = {
      {2, 110, -1, -1},  {3, 110, 0, -1},   {4, 110, 0, 0},    {10, 110, 0, 0},   {11, 110, 0, -1},
      {12, 110, -1, -1}, {13, 110, 1, -1},  {14, 110, 1, 1},   {21, 110, 1, -1},  {22, 110, -1, -1},
      {24, 110, -1, -1}, {25, 110, 2, 2},   {75, 110, 2, 2},   {76, 110, -1, -1}, {79, 110, 3, -1},
      {80, 110, 3, 3},   {87, 110, 3, -1},  {88, 110, -1, -1}, {89, 110, 4, -1},  {96, 110, 4, 4},
      {97, 110, 4, -1},  {98, 110, -1, -1}, {50, 100, -1, -1}, {50, 101, 2, 2},   {5, 101, 0, 0},
      {50, 119, 2, 2},   {90, 119, 4, 4},   {50, 120, -1, -1}, {5, 120, -1, -1},
  };
  const BeltActions actions{pressPart<0>, pressPart<1>, pressPart<2>, pressPart<3>, pressPart<4>};
  for (bool edges : {true, false}) {
    const auto row = beltItems(
        {.y = 100, .colour = kWhite, .glyphDy = 5, .switchEdgesHit = edges, .topic = 7},
        [](Surface&, const PanelItem&) {}, actions);
    EXPECT_EQ(row[0].box.y, 105) << "the glyphs stand glyphDy below the row";
    EXPECT_EQ(row[2].box.y, 100);
    for (const Case& c : cases) {
      g_pressed = -1;
      int32_t topic = 0;
      const bool hit = pressPanel(row, c.x, c.y, topic);
      const int expected = edges ? c.withEdges : c.withoutEdges;
      EXPECT_EQ(g_pressed, expected) << c.x << "," << c.y << (edges ? " with" : " without");
      EXPECT_EQ(hit, expected >= 0);
      EXPECT_EQ(topic, expected >= 0 ? 7 : 0);
    }
  }
}

TEST(Panel, StagesDrawTheirOwnItemsInTableOrder) {
  g_shown = true;
  const auto all = textsDrawnBy([](Surface& s) { drawPanel(s, kItems); });
  const auto first = textsDrawnBy([](Surface& s) { drawPanelStage(s, kItems, 0); });
  const auto second = textsDrawnBy([](Surface& s) { drawPanelStage(s, kItems, 1); });
  g_shown = false;
  const auto hidden = textsDrawnBy([](Surface& s) { drawPanelStage(s, kItems, 0); });
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0].text + all[1].text + all[2].text, "ABC");
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].text + first[1].text, "AC");
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].text, "B");
  ASSERT_EQ(hidden.size(), 1u);
  EXPECT_EQ(hidden[0].text, "C");
}

// The key pad at its Filter page place: every key is hit under the label it draws, and the
// middle and right digit columns are hit a little left of their boxes.
TEST(KeyPad, KeysAreHitWhereTheyAreDrawnAndTheDigitColumnsAsStated) {
  constexpr int top = 505;
  resetWorkspace();
  for (const DrawnText& t : textsDrawnBy([](Surface& s) { drawKeyPad(s, top, false); })) {
    const PadHit hit = keyPadHit(t.x, t.y + 10, top);  // the text stands at the box's x + 2
    if (t.text == label(FilterLabel::TypedNumber).japanese) {
      EXPECT_EQ(hit.key, PadKey::None) << "the entry field is no key";
    } else if (hit.key == PadKey::Digit) {
      EXPECT_EQ(t.text,
                label(static_cast<FilterLabel>(static_cast<int>(FilterLabel::Digit0) + hit.digit))
                    .japanese);
    } else {
      EXPECT_NE(hit.key, PadKey::None) << t.text << " at " << t.x << "," << t.y;
    }
  }
  const PadCase cases[] = {
      {37, 541, PadKey::Digit, 8}, {63, 541, PadKey::None, 0},   // 8's box reaches to 64
      {64, 541, PadKey::None, 0},  {65, 541, PadKey::Digit, 9},  // 9's box starts at 68
      {92, 541, PadKey::None, 0},  {33, 541, PadKey::Digit, 7}, {8, 515, PadKey::None, 0},
      {9, 515, PadKey::Cal, 0},    {52, 515, PadKey::None, 0},  {57, 515, PadKey::AllClear, 0},
      {20, 619, PadKey::Digit, 0}, {60, 619, PadKey::None, 0},  {20, 645, PadKey::Plus, 0},
      {50, 645, PadKey::Minus, 0}, {80, 645, PadKey::Clear, 0}, {80, 655, PadKey::None, 0},
  };
  expectPadHits(KeyPadLayout{.top = top}, cases);
}

// The Change page's pad, hit a column inside its boxes: each key loses its edge columns, the 0
// key stops left of 31, and its field, drawn apart, is drawn with the entry.
TEST(KeyPad, AnInsetPadLosesEachKeysEdgeColumnsAndItsZeroKeyStopsWhereSet) {
  static constexpr KeyPadLayout pad = kChangeKeyPad;
  const PadCase cases[] = {
      {9, 630, PadKey::None, 0},      {10, 630, PadKey::Cal, 0},   {48, 630, PadKey::Cal, 0},
      {49, 630, PadKey::None, 0},     {57, 630, PadKey::None, 0},  {58, 630, PadKey::AllClear, 0},
      {90, 630, PadKey::AllClear, 0}, {91, 630, PadKey::None, 0},  {9, 650, PadKey::None, 0},
      {10, 650, PadKey::Digit, 7},    {32, 668, PadKey::Digit, 7}, {33, 660, PadKey::None, 0},
      {20, 649, PadKey::None, 0},     {20, 669, PadKey::None, 0},  {37, 660, PadKey::None, 0},
      {38, 660, PadKey::Digit, 8},    {60, 660, PadKey::Digit, 8}, {61, 660, PadKey::None, 0},
      {65, 660, PadKey::None, 0},     {66, 660, PadKey::Digit, 9}, {90, 660, PadKey::Digit, 9},
      {91, 660, PadKey::None, 0},     {10, 720, PadKey::Digit, 0}, {30, 720, PadKey::Digit, 0},
      {31, 720, PadKey::None, 0},     {9, 740, PadKey::None, 0},   {10, 740, PadKey::Plus, 0},
      {30, 740, PadKey::Plus, 0},     {31, 740, PadKey::None, 0},  {40, 740, PadKey::Minus, 0},
      {70, 740, PadKey::Clear, 0},    {90, 740, PadKey::Clear, 0}, {91, 740, PadKey::None, 0},
  };
  expectPadHits(pad, cases);
  resetWorkspace();
  const std::string field = label(FilterLabel::TypedNumber).japanese;
  for (const DrawnText& t : textsDrawnBy([](Surface& s) { drawKeyPad(s, pad, false); })) {
    EXPECT_NE(t.text, field);
  }
  const auto withEntry = textsDrawnBy([](Surface& s) { drawPadEntry(s, pad); });
  ASSERT_FALSE(withEntry.empty());
  EXPECT_EQ(withEntry[0].text, field);
  EXPECT_EQ(withEntry[0].y, 709);
}

TEST(TabBar, CellsAreHitStrictlyInsideTheirEdgesAndOnlyLeftOf1060) {
  struct Case {
    int x, y, cell;
  };
  const Case cases[] = {
      {120, 10, -1}, {121, 10, 0},  {199, 10, 0},   {200, 10, -1},  {201, 10, 1},
      {881, 10, 9},  {999, 10, 10}, {1001, 10, 11}, {1059, 10, 11}, {1060, 10, -1},
      {160, 0, -1},  {160, 1, 0},   {160, 31, 0},   {160, 32, -1},  {100, 10, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(tabCellAt(c.x, c.y), c.cell) << c.x << "," << c.y;
  for (int cell = 0; cell < kTabCellCount; ++cell) {
    EXPECT_EQ(tabCellAt(kTabCells[cell].centreX(), 10), cell);
    EXPECT_EQ(kTabCells[cell].textX, 120 + 80 * cell);
  }
}

}  // namespace
}  // namespace zc
