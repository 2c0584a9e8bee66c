#pragma once
#include "shell/page_contract.h"

namespace zc {
// Pages whose operations come later: each shows its planes and follows the page contract.
extern const PageBlock kChangePage;
extern const PageBlock kOutlinePage;
extern const PageBlock kPatternPage;
extern const PageBlock kTransferPage;
extern const PageBlock kAppearPage;
}  // namespace zc
