#include "pages/outline_pattern/pattern_page.h"

#include "pages/stand_in_page.h"

namespace zc {

const PageBlock kPatternPage = StandInPage<kPagePattern, &Workspace::pattern>::block();

}  // namespace zc
