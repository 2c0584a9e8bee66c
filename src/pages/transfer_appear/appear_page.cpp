#include "pages/transfer_appear/appear_page.h"

#include "files/keep_files.h"
#include "pages/stand_in_page.h"

namespace zc {
namespace {

// Entering the page writes its working files from the planes: coming from the Top page the planes
// become the back image; from the Outline, Pattern or Transfer page they become the transfer
// image; from any other page both slot 8 and the back image.
void enter(int32_t from) {
  AppearPageState& a = ws().appear;
  if (from == kPageTop) {
    writeWorkingFile(kBackFile, planesTarget());
    a.step = 3;
  } else if (from == kPageOutline || from == kPagePattern || from == kPageTransfer) {
    writeSlotFile(8, planesTarget());
    writeWorkingFile(kTransferFile, planesTarget());
    a.step = 2;
  } else {
    writeSlotFile(8, planesTarget());
    if (from != kPageAppear) {
      writeWorkingFile(kBackFile, planesTarget());
      a.step = 3;
    }
  }
}

}  // namespace

const PageBlock kAppearPage = StandInPage<kPageAppear, &Workspace::appear>::block(enter);

}  // namespace zc
