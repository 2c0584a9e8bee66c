#include <iostream>

#include "platform/headless/headless_platform.h"
#include "replay/replay.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: zindle-replay SCRIPT [FILE]\n";
    return 2;
  }
  const std::string script = argv[1];
  const std::string startFile = argc == 3 ? argv[2] : "";
  zc::HeadlessApplication application(argc, argv);
  return zc::runReplayFile(script, std::cout, std::cerr, startFile);
}
