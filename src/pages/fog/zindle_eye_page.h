#pragma once
#include "shell/page_contract.h"

namespace zc {
extern const PageBlock kZindleEyePage;
}  // namespace zc
