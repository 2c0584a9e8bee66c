#include <string>
#include <vector>

#include "core/workspace.h"
#include "files/keep_files.h"
#include "platform/qt/qt_platform.h"
#include "shell/window_procedure.h"

int main(int argc, char** argv) {
  // `zindle-canvas FILE`: FILE answers the first open dialog.
  auto takeArguments = [](const std::vector<std::string>& arguments) {
    if (!arguments.empty()) zc::setPendingOpenFile(arguments[0], zc::kPendingStartFile);
  };
  return zc::runDesktop(argc, argv, zc::shellWindowProcedure(), zc::kInitialWindowTitle,
                        takeArguments);
}
