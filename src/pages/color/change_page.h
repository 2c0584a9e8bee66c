#pragma once
#include "ui/calculator.h"
#include "ui/page_contract.h"

namespace zc {
extern const PageBlock kChangePage;

// The page's pad: the shared pad with rows 20 apart, hit a column inside each key's box (the 0 key
// as narrow as the ＋ key below it), its field drawn with the entry after the texts and its entry
// from x = 74.
inline constexpr KeyPadLayout kChangeKeyPad{.top = 623,
                                            .firstRow = 26,
                                            .pitch = 20,
                                            .keyInset = 1,
                                            .zeroHitRight = 31,
                                            .entryX = 74,
                                            .fieldWithEntry = true};
}  // namespace zc
