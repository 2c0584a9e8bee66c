// Clicks anywhere, in any order, on every page: the workbench must neither crash nor touch memory
// outside its stores (the suite also runs under AddressSanitizer).
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "test_support.h"

namespace zc {
namespace {

TEST(Robustness, RandomInputOnEveryPageKeepsTheWorkbenchRunning) {
  test::WorkFolder folder;
  test::writeBmp("start.bmp", test::solidPicture(1000, 700, Rgb{120, 140, 160}));
  test::writeBmp("odd.bmp", test::solidPicture(37, 1301, Rgb{10, 250, 90}));
  std::mt19937 random(20261209);
  auto coordinate = [&](int limit) { return static_cast<int>(random() % (limit + 40)) - 20; };
  std::ostringstream script;
  script << "open start.bmp\n";
  for (int i = 0; i < 400; ++i) script << (i % 7 == 0 ? "open odd.bmp\n" : "cancel\n");
  for (int i = 0; i < 200; ++i) script << "save saved.bmp\n";
  for (int i = 0; i < 1500; ++i) {
    const int kind = static_cast<int>(random() % 100);
    if (kind < 8) {
      script << "click " << 120 + 80 * (random() % 12) + 40 << " 10\n";  // a tab
    } else if (kind < 70) {
      script << "click " << coordinate(100) << ' ' << coordinate(801) << '\n';  // the panel
    } else if (kind < 80) {
      script << "click " << coordinate(1084) << ' ' << coordinate(801) << '\n';
    } else if (kind < 88) {
      script << "drag " << coordinate(1084) << ' ' << coordinate(801) << ' ' << coordinate(1084)
             << ' ' << coordinate(801) << '\n';
    } else if (kind < 92) {
      script << "rclick " << coordinate(1084) << ' ' << coordinate(801) << '\n';
    } else if (kind < 96) {
      script << "move " << coordinate(1084) << ' ' << coordinate(801) << '\n';
    } else if (kind < 98) {
      script << "key enter\n";
    } else {
      script << "ldown " << coordinate(1084) << ' ' << coordinate(801) << '\n';
    }
  }
  const auto r = test::replay(script.str());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_GT(r.count("paint"), 1000);
}

}  // namespace
}  // namespace zc
