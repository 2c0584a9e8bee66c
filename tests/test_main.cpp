#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string_view>

#include "platform/headless/headless_platform.h"
#include "test_support.h"

namespace {

// Every test case runs in a fresh working folder of its own, so cases that write the keep files,
// working files or screenshots under fixed names never meet, even when CTest runs them side by
// side. A test's own WorkFolder nests inside it.
class FolderPerTest : public testing::EmptyTestEventListener {
 public:
  void OnTestStart(const testing::TestInfo&) override {
    folder_ = std::make_unique<zc::test::WorkFolder>();
  }
  void OnTestEnd(const testing::TestInfo&) override { folder_.reset(); }

 private:
  std::unique_ptr<zc::test::WorkFolder> folder_;
};

bool listingOnly(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--gtest_list_tests") return true;
  }
  return false;
}

}  // namespace

// Drawing needs an application object (fonts); the tests draw into memory only. Listing the
// cases (CTest's discovery) draws nothing and starts none, which keeps discovery quick under the
// sanitizers too.
int main(int argc, char** argv) {
  std::optional<zc::HeadlessApplication> application;
  if (!listingOnly(argc, argv)) application.emplace(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new FolderPerTest);
  return RUN_ALL_TESTS();
}
