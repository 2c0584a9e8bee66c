#include "pages/color/filter_page.h"
#include "pages/color/swap_page.h"
#include "pages/fog/zindle_eye_page.h"
#include "pages/later_pages.h"
#include "shell/page_contract.h"
#include "shell/top_page.h"
#include "shell/workspace.h"

namespace zc {

const PageBlock& pageBlock(int32_t pageId) {
  switch (pageId) {
    case kPageFilter:
      return kFilterPage;
    case kPageSwap:
      return kSwapPage;
    case kPageZindleEye:
      return kZindleEyePage;
    case kPageChange:
      return kChangePage;
    case kPageOutline:
      return kOutlinePage;
    case kPagePattern:
      return kPatternPage;
    case kPageTransfer:
      return kTransferPage;
    case kPageAppear:
      return kAppearPage;
    default:
      return kTopPage;
  }
}

}  // namespace zc
