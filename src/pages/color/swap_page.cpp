#include "pages/color/swap_page.h"

#include <array>
#include <utility>

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/color/swap_ways.h"
#include "text/swap_texts.h"
#include "ui/controls.h"
#include "ui/panel.h"
#include "ui/panel_items.h"
#include "ui/panel_widgets.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageSwap);
constexpr Rgb kStayColour{200, 200, 100};
constexpr Rgb kReversalColour{100, 200, 100};
constexpr Rgb kMixColour{100, 200, 200};

SwapPageState& swap() {
  return ws().swap;
}
bool listClosed() {
  return swap().listState == kSwapListClosed;
}
bool listOpen() {
  return !listClosed();
}

// Buttons stand at x = 4 and are 90 wide; below the heading a press hits x 9 .. 91.
constexpr LabelButton button(int y, Rgb frame) {
  return boxAt(4, y, 90, frame);
}
constexpr HitZone rows(int y0, int y1) {
  return zoneIncl(9, 91, y0, y1);
}

// Where way n's button stands in the open list: exchanges 0 .. 5, reversals 6 .. 12 and mixes
// 13 .. 21, each group under its heading.
constexpr int wayButtonY(int way) {
  if (way <= 4) return 112 + 26 * way;
  if (way == 5) return 242;
  if (way <= 11) return 288 + 26 * (way - 6);
  if (way == 12) return 444;
  if (way <= 20) return 490 + 26 * (way - 13);
  return 698;
}
constexpr Rgb wayColour(int way) {
  return way <= 5 ? kStayColour : way <= 12 ? kReversalColour : kMixColour;
}
constexpr int32_t wayTopic(int way) {
  return way <= 5 ? kSwapStayTopic : way <= 12 ? kSwapReversalTopic : kSwapMixTopic;
}

int32_t& chosenWay() {
  return swap().way;
}

PanelItem wayItem(int way, void (*choose)(int, int), bool (*chosen)()) {
  const int y = wayButtonY(way);
  // Way 21's area reaches down into "Set KEEP2", and wins where they overlap.
  return shownWhile(
      listOpen, buttonItem(button(y, wayColour(way)), swapWayLabel(way),
                           rows(y + 1, way == 21 ? 727 : y + 19), wayTopic(way), choose, chosen));
}
template <std::size_t... Way>
std::array<PanelItem, sizeof...(Way)> wayItems(std::index_sequence<Way...>) {
  return {wayItem(Way, setTo<chosenWay, Way>, isSetTo<chosenWay, Way>)...};
}

void resetPage(int, int) {
  Workspace& w = ws();
  w.swap.way = 0;
  w.swap.listState = kSwapListClosed;
  w.keepRequest = 0;
  w.saveAsRequest = 0;
  resetToEntryImage(kTab);
}

void toggleList(int, int) {
  SwapPageState& st = swap();
  if (st.listState != kSwapListOpen) {
    st.listState = kSwapListOpen;
    st.helpTopic = kSwapListTopic;
  } else {
    st.listState = kSwapListClosed;
  }
}

// The one reset mark: the page back to its entry.
constexpr ResetMarks kResetMark{.y = 30, .darkX = 10, .darkColour = 2, .darkZone = rows(31, 59)};

// The panel in the order of the page's click table. With the list closed it holds the stores;
// open, the ways, their groups' headings and "Set KEEP2".
const auto kPanel = joinItems(
    buttonItem(boxAt(2, 10, 84, kWhite), label(SwapLabel::Heading), zoneIncl(5, 91, 1, 29), 0,
               [](int, int) { ws().pageComment = kTab; }),
    darkResetMark<kResetMark>(kSwapResetTopic, resetPage),
    buttonItem(button(64, Rgb{220, 40, 80}), label(SwapLabel::SwapColor), rows(67, 85), 0,
               toggleList, [] { return swap().listState == kSwapListOpen; }),
    shownWhile(listClosed,
               buttonItem(button(90, kKeepButtonFrame), label(SwapLabel::SetKeep2), rows(91, 109),
                          kSwapKeepTopic, [](int, int) { ws().keepRequest = 1; })),
    shownWhile(listClosed,
               buttonItem(button(116, Rgb{220, 220, 40}), label(SwapLabel::SetSave), rows(117, 135),
                          kSwapSaveTopic, [](int, int) { ws().saveAsRequest = 1; })),
    shownWhile(listOpen, textItem(button(90, kWhite), label(SwapLabel::StayHeading))),
    shownWhile(listOpen, textItem(button(268, kWhite), label(SwapLabel::ReversalHeading))),
    shownWhile(listOpen, textItem(button(470, kWhite), label(SwapLabel::MixHeading))),
    wayItems(std::make_index_sequence<kSwapWayCount>()),
    // The groups' areas around their ways.
    shownWhile(listOpen, hitOnlyItem(rows(93, 235), kSwapStayTopic)),
    shownWhile(listOpen, hitOnlyItem(rows(269, 437), kSwapReversalTopic)),
    shownWhile(listOpen, hitOnlyItem(rows(471, 691), kSwapMixTopic)),
    shownWhile(listOpen, buttonItem(button(724, kKeepButtonFrame), label(SwapLabel::SetKeep2),
                                    rows(725, 743), kSwapKeepTopic,
                                    [](int, int) { swap().listState = kSwapListStoreAsked; })));

void defaults() {
  Workspace& w = ws();
  w.swap = SwapPageState{};
  w.keepRequest = 0;
  w.saveAsRequest = 0;
  w.pageComment = kTab;
}

bool press(int x, int y) {
  return pressPanel(kPanel, x, y, swap().helpTopic);
}

void paint(Surface& s) {
  SwapPageState& st = swap();
  restoreOrCallStep(kTab);
  // The open list's way writes every byte of the working image from the planes, so the plain
  // copy it would overwrite is left out.
  const bool wayShown = st.listState != kSwapListClosed;
  if (!wayShown) planesToCanvas();
  drawPanel(s, kPanel);
  if (wayShown) applySwapWay(workPlanes(), workCanvas(), st.way);
  showCanvas(s, 0);
  // "Set KEEP2" in the open list stores like the closed list's button, and the list stays open.
  if (st.listState == kSwapListStoreAsked) {
    ws().keepRequest = 1;
    st.listState = kSwapListOpen;
  }
  const bool kept = keepStep(kTab);
  const bool saved = saveStep();
  // The way back to 0 and the list as it was.
  if (kept || saved) endLiveView([] { return std::exchange(swap().way, 0) != 0; });
  drawTabBar(s);
  commentStep(s, kTab, st.helpTopic);
}

}  // namespace

const PageBlock kSwapPage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
