#pragma once
#include <cstdint>

namespace zc {

// Page identifiers as the program numbers them.
enum PageIdValue : int32_t {
  kPageTop = 0,
  kPageFilter = 1,
  kPageSwap = 2,
  kPageZindleEye = 3,
  kPageChange = 8,
  kPageOutline = 9,
  kPagePattern = 10,
  kPageTransfer = 11,
  kPageAppear = 12,
};

constexpr int kPageCount = 9;

// The page at each tab; the tab index is also the page's keep slot number. The page table
// checks its rows against this list.
constexpr int32_t kPageIdOfTab[kPageCount] = {kPageTop,       kPageFilter,   kPageSwap,
                                              kPageZindleEye, kPageChange,   kPageOutline,
                                              kPagePattern,   kPageTransfer, kPageAppear};

// The page's position in the tab bar (0 for an unknown page).
constexpr int tabIndexOf(int32_t pageId) {
  for (int tab = 0; tab < kPageCount; ++tab)
    if (kPageIdOfTab[tab] == pageId) return tab;
  return 0;
}
constexpr int32_t pageIdOfTab(int tabIndex) {
  return (tabIndex >= 0 && tabIndex < kPageCount) ? kPageIdOfTab[tabIndex] : kPageTop;
}

}  // namespace zc
