#pragma once
#include <cstdint>

#include "ui/page_contract.h"

namespace zc {

// The page block of a page id (the Top page for an unknown id).
const PageBlock& pageBlock(int32_t pageId);

}  // namespace zc
