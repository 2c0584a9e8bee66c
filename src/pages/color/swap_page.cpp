#include "pages/color/swap_page.h"

#include "core/image_buffers.h"
#include "core/workspace.h"
#include "pages/color/swap_ways.h"
#include "text/swap_texts.h"
#include "ui/controls.h"
#include "ui/screen.h"

namespace zc {
namespace {

constexpr int kTab = tabIndexOf(kPageSwap);
constexpr int kButtonWidth = 90;
constexpr Rgb kStayColour{200, 200, 100};
constexpr Rgb kReversalColour{100, 200, 100};
constexpr Rgb kMixColour{100, 200, 200};

// Where way n's button stands in the open list, and its group.
int wayButtonY(int way) {
  if (way <= 4) return 112 + 26 * way;
  if (way == 5) return 242;
  if (way <= 11) return 288 + 26 * (way - 6);
  if (way == 12) return 444;
  if (way <= 20) return 490 + 26 * (way - 13);
  return 698;
}
Rgb wayColour(int way) {
  return way <= 5 ? kStayColour : way <= 12 ? kReversalColour : kMixColour;
}
int wayTopic(int way) {
  return way <= 5 ? kSwapStayTopic : way <= 12 ? kSwapReversalTopic : kSwapMixTopic;
}

LabelButton button(int y, Rgb frame, ButtonLook look = ButtonLook::Raised) {
  return makeButton(4, y, kButtonWidth, frame, look);
}

void drawPanel(Surface& s) {
  const SwapPageState& st = ws().swap;
  LabelButton heading = button(10, kWhite);
  heading.x = 2;
  heading.width = 84;
  drawButton(s, heading, label(SwapLabel::Heading));
  drawResetMark(s, 10, 30, 2);
  drawButton(s,
             button(64, Rgb{220, 40, 80}, st.listState == 1 ? ButtonLook::On : ButtonLook::Raised),
             label(SwapLabel::SwapColor));
  if (st.listState == 0) {
    drawButton(s, button(90, Rgb{0, 220, 220}), label(SwapLabel::SetKeep2));
    drawButton(s, button(116, Rgb{220, 220, 40}), label(SwapLabel::SetSave));
    return;
  }
  drawButton(s, button(90, kWhite), label(SwapLabel::StayHeading));
  drawButton(s, button(268, kWhite), label(SwapLabel::ReversalHeading));
  drawButton(s, button(470, kWhite), label(SwapLabel::MixHeading));
  for (int way = 0; way < kSwapWayCount; ++way) {
    drawButton(s,
               button(wayButtonY(way), wayColour(way),
                      st.way == way ? ButtonLook::On : ButtonLook::Raised),
               swapWayLabel(way));
  }
  drawButton(s, button(724, Rgb{0, 220, 220}), label(SwapLabel::SetKeep2));
}

void defaults() {
  Workspace& w = ws();
  w.swap = SwapPageState{};
  w.keepRequest = 0;
  w.saveAsRequest = 0;
  w.pageComment = kTab;
}

bool pressOpenList(int y) {
  SwapPageState& st = ws().swap;
  for (int way = 0; way < kSwapWayCount; ++way) {
    const int top = wayButtonY(way);
    // Way 21's area reaches down into "Set KEEP2", and wins where they overlap.
    const int bottom = way == 21 ? 728 : top + 20;
    if (y > top && y < bottom) {
      st.way = way;
      st.helpTopic = wayTopic(way);
      return true;
    }
  }
  if (y > 92 && y < 236) {
    st.helpTopic = kSwapStayTopic;
  } else if (y > 268 && y < 438) {
    st.helpTopic = kSwapReversalTopic;
  } else if (y > 470 && y < 692) {
    st.helpTopic = kSwapMixTopic;
  } else if (y > 724 && y < 744) {
    st.listState = 2;
    st.helpTopic = kSwapKeepTopic;
  } else {
    return false;
  }
  return true;
}

bool press(int x, int y) {
  Workspace& w = ws();
  SwapPageState& st = w.swap;
  if (y > 0 && y < 30 && x > 4 && x <= 91) {
    w.pageComment = kTab;
    return true;
  }
  if (x < 9 || x > 91) return false;
  if (y > 30 && y < 60) {
    st.way = 0;
    st.listState = 0;
    w.keepRequest = 0;
    w.saveAsRequest = 0;
    resetToEntryImage(kTab);
    st.helpTopic = kSwapResetTopic;
    return true;
  }
  if (y > 66 && y < 86) {
    if (st.listState != 1) {
      st.listState = 1;
      st.helpTopic = kSwapListTopic;
    } else {
      st.listState = 0;
    }
    return true;
  }
  if (st.listState == 0) {
    if (y > 90 && y < 110) {
      w.keepRequest = 1;
      st.helpTopic = kSwapKeepTopic;
      return true;
    }
    if (y > 116 && y < 136) {
      w.saveAsRequest = 1;
      st.helpTopic = kSwapSaveTopic;
      return true;
    }
    return false;
  }
  return pressOpenList(y);
}

void paint(Surface& s) {
  SwapPageState& st = ws().swap;
  restoreOrCallStep(kTab);
  planesToCanvas();
  drawPanel(s);
  if (st.listState != 0) applySwapWay(workPlanes(), workCanvas(), st.way);
  showCanvas(s, 0);
  // "Set KEEP2" in the open list stores like the closed list's button, and the list stays open.
  if (st.listState == 2) {
    ws().keepRequest = 1;
    st.listState = 1;
  }
  keepStep(kTab);
  saveStep();
  drawTabBar(s);
  commentStep(s, kTab, st.helpTopic);
}

}  // namespace

const PageBlock kSwapPage{.defaults = defaults, .press = press, .paint = paint};

}  // namespace zc
