#include "platform/qt/qt_platform.h"
#include "shell/window_procedure.h"

int main(int argc, char** argv) {
  return zc::runDesktop(argc, argv, zc::shellWindowProcedure(), zc::kInitialWindowTitle);
}
