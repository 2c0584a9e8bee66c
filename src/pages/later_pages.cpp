#include "pages/later_pages.h"

#include <type_traits>

#include "shell/controls.h"
#include "shell/workspace.h"

namespace zc {
namespace {

template <int32_t Page>
auto& stateOf() {
  Workspace& w = ws();
  if constexpr (Page == kPageChange)
    return w.change;
  else if constexpr (Page == kPageOutline)
    return w.outline;
  else if constexpr (Page == kPagePattern)
    return w.pattern;
  else if constexpr (Page == kPageTransfer)
    return w.transfer;
  else if constexpr (Page == kPageFilter)
    return w.filter;
  else if constexpr (Page == kPageSwap)
    return w.swap;
  else if constexpr (Page == kPageZindleEye)
    return w.zindleEye;
  else
    return w.appear;
}

// The page's tab label stands as its heading until its own panel is built.
template <int32_t Page>
void drawHeading(Surface& s) {
  LabelButton heading;
  heading.x = 4;
  heading.y = 4;
  heading.width = 88;
  drawButton(s, heading, tabLabel(tabIndexOf(Page)));
}

template <int32_t Page>
void defaults() {
  Workspace& w = ws();
  if constexpr (Page == kPageAppear) {
    w.appear.helpTopic = 0;
    w.appear.step = 0;
  } else {
    using State = std::remove_reference_t<decltype(stateOf<Page>())>;
    stateOf<Page>() = State{};
  }
  w.pageComment = tabIndexOf(Page);
}

template <int32_t Page>
bool press(int x, int y) {
  if (x > 4 && x < 92 && y > 0 && y < 24) {
    ws().pageComment = tabIndexOf(Page);
    return true;
  }
  return false;
}

template <int32_t Page>
int32_t* helpTopic() {
  return &stateOf<Page>().helpTopic;
}

template <int32_t Page>
void paint(Surface& s) {
  standardPageBlock(s, tabIndexOf(Page), *helpTopic<Page>(), drawHeading<Page>);
}

template <int32_t Page>
constexpr PageBlock block() {
  return PageBlock{Page, 0, defaults<Page>, press<Page>, paint<Page>, helpTopic<Page>, nullptr};
}

}  // namespace

// Stand-in until its own page block is in.
const PageBlock kZindleEyePage = [] {
  auto b = block<kPageZindleEye>();
  b.tabIndex = 3;
  return b;
}();
const PageBlock kChangePage = [] {
  auto b = block<kPageChange>();
  b.tabIndex = 4;
  return b;
}();
const PageBlock kOutlinePage = [] {
  auto b = block<kPageOutline>();
  b.tabIndex = 5;
  return b;
}();
const PageBlock kPatternPage = [] {
  auto b = block<kPagePattern>();
  b.tabIndex = 6;
  return b;
}();
const PageBlock kTransferPage = [] {
  auto b = block<kPageTransfer>();
  b.tabIndex = 7;
  return b;
}();
const PageBlock kAppearPage = [] {
  auto b = block<kPageAppear>();
  b.tabIndex = 8;
  return b;
}();

}  // namespace zc
