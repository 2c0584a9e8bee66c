#include "pages/outline_pattern/outline_page.h"

#include "pages/stand_in_page.h"

namespace zc {

const PageBlock kOutlinePage = StandInPage<kPageOutline, &Workspace::outline>::block();

}  // namespace zc
