#include "pages/page_table.h"

#include "core/page_ids.h"
#include "pages/color/change_page.h"
#include "pages/color/filter_page.h"
#include "pages/color/swap_page.h"
#include "pages/fog/zindle_eye_page.h"
#include "pages/outline_pattern/outline_page.h"
#include "pages/outline_pattern/pattern_page.h"
#include "pages/top/top_page.h"
#include "pages/transfer_appear/appear_page.h"
#include "pages/transfer_appear/transfer_page.h"

namespace zc {
namespace {

struct PageRow {
  int32_t pageId;
  const PageBlock* block;
};

// One row per tab, in tab order.
constexpr PageRow kPageTable[kPageCount] = {
    {kPageTop, &kTopPage},         {kPageFilter, &kFilterPage},
    {kPageSwap, &kSwapPage},       {kPageZindleEye, &kZindleEyePage},
    {kPageChange, &kChangePage},   {kPageOutline, &kOutlinePage},
    {kPagePattern, &kPatternPage}, {kPageTransfer, &kTransferPage},
    {kPageAppear, &kAppearPage},
};

constexpr bool tableFollowsTabs() {
  for (int tab = 0; tab < kPageCount; ++tab)
    if (kPageTable[tab].pageId != kPageIdOfTab[tab]) return false;
  return true;
}
static_assert(tableFollowsTabs(), "the page table's rows follow the tab order");

}  // namespace

const PageBlock& pageBlock(int32_t pageId) {
  return *kPageTable[tabIndexOf(pageId)].block;
}

}  // namespace zc
