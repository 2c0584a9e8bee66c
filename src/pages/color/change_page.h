#pragma once
#include "ui/page_contract.h"

namespace zc {
extern const PageBlock kChangePage;
}  // namespace zc
