#include "pages/color/change_page.h"

#include "pages/stand_in_page.h"

namespace zc {

const PageBlock kChangePage = StandInPage<kPageChange, &Workspace::change>::block();

}  // namespace zc
