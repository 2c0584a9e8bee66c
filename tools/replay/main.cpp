#include <iostream>

#include "platform/headless/headless_platform.h"
#include "replay/replay.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zindle-replay SCRIPT\n";
    return 2;
  }
  zc::HeadlessApplication application(argc, argv);
  return zc::runReplayFile(argv[1], std::cout, std::cerr);
}
