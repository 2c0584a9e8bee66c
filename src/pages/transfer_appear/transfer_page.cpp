#include "pages/transfer_appear/transfer_page.h"

#include "pages/stand_in_page.h"

namespace zc {

const PageBlock kTransferPage = StandInPage<kPageTransfer, &Workspace::transfer>::block();

}  // namespace zc
