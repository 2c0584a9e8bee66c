#include "shell/workspace.h"

#include <cstring>

namespace zc {
namespace {
Workspace g_workspace;
ImageStores g_stores;
}  // namespace

Workspace& ws() {
  return g_workspace;
}
ImageStores& stores() {
  return g_stores;
}

void resetWorkspace() {
  g_workspace = Workspace{};
  std::memset(&g_stores, 0, sizeof g_stores);
}

int tabIndexOf(int32_t pageId) {
  switch (pageId) {
    case kPageTop:
      return 0;
    case kPageFilter:
      return 1;
    case kPageSwap:
      return 2;
    case kPageZindleEye:
      return 3;
    case kPageChange:
      return 4;
    case kPageOutline:
      return 5;
    case kPagePattern:
      return 6;
    case kPageTransfer:
      return 7;
    case kPageAppear:
      return 8;
    default:
      return 0;
  }
}

int32_t pageIdOfTab(int tabIndex) {
  static constexpr int32_t kPages[9] = {kPageTop,       kPageFilter,   kPageSwap,
                                        kPageZindleEye, kPageChange,   kPageOutline,
                                        kPagePattern,   kPageTransfer, kPageAppear};
  return (tabIndex >= 0 && tabIndex < 9) ? kPages[tabIndex] : kPageTop;
}

}  // namespace zc
