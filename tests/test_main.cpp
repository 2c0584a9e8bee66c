#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"

// Drawing needs an application object (fonts); the tests draw into memory only.
int main(int argc, char** argv) {
  zc::HeadlessApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
