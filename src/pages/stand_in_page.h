#pragma once
// A page whose operations are not built yet: its tab label as heading, a press on the heading
// shows its main comment, and its paint shows its planes through the page contract.
#include "core/workspace.h"
#include "ui/controls.h"
#include "ui/page_contract.h"

namespace zc {

template <int32_t Page, auto Member>
struct StandInPage {
  static constexpr int kTab = tabIndexOf(Page);
  static auto& state() { return ws().*Member; }
  static void drawHeading(Surface& s) {
    drawButton(s, makeButton(4, 4, 88, kWhite), tabLabel(kTab));
  }
  static void defaults() {
    state().helpTopic = 0;
    state().step = 0;
    ws().pageComment = kTab;
  }
  static bool press(int x, int y) {
    if (x > 4 && x < 92 && y > 0 && y < 24) {
      ws().pageComment = kTab;
      return true;
    }
    return false;
  }
  static void paint(Surface& s) { standardPageBlock(s, kTab, state().helpTopic, drawHeading); }
  static constexpr PageBlock block(void (*enter)(int32_t) = nullptr) {
    return PageBlock{.defaults = defaults, .enter = enter, .press = press, .paint = paint};
  }
};

}  // namespace zc
