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
  else
    return w.appear;
}

// The page's tab label stands as its heading until its own panel is built.
template <int32_t Page>
void drawHeading(Surface& s) {
  drawButton(s, makeButton(4, 4, 88, kWhite), tabLabel(tabIndexOf(Page)));
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
PageBlock block() {
  return PageBlock{Page,        tabIndexOf(Page), defaults<Page>, press<Page>,
                   paint<Page>, helpTopic<Page>,  nullptr};
}

}  // namespace

const PageBlock kChangePage = block<kPageChange>();
const PageBlock kOutlinePage = block<kPageOutline>();
const PageBlock kPatternPage = block<kPagePattern>();
const PageBlock kTransferPage = block<kPageTransfer>();
const PageBlock kAppearPage = block<kPageAppear>();

}  // namespace zc
