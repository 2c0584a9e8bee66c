#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/workspace.h"
#include "platform/headless/headless_platform.h"
#include "test_support.h"

namespace zc::test {

// A test in a fresh working folder with the workspace reset and the headless platform installed;
// every line the platform logs (dialogs, message boxes) is collected in log_.
class LoggedPlatformTest : public testing::Test {
 protected:
  WorkFolder folder_;
  std::string log_;
  HeadlessPlatform platform_{[this](const std::string& l) { log_ += l + "\n"; },
                             [](const std::string&) {}};
  void SetUp() override {
    resetWorkspace();
    setPlatform(&platform_);
  }
  void TearDown() override { setPlatform(nullptr); }
};

}  // namespace zc::test
