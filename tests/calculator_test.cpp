#include "ui/calculator.h"

#include <gtest/gtest.h>

#include <string>

#include "core/workspace.h"

namespace zc {
namespace {

// Presses the keys of `keys` one by one, each followed by one paint with `target`:
// digits, '+', '-', 'C' (clear), 'A' (all clear).
bool pressAndPaint(const std::string& keys, int32_t* target) {
  bool changed = false;
  for (char key : keys) {
    if (key >= '0' && key <= '9') calculatorPressDigit(key - '0');
    if (key == '+') calculatorPressPlus();
    if (key == '-') calculatorPressMinus();
    if (key == 'C') calculatorPressClear();
    if (key == 'A') calculatorPressAllClear();
    changed = runCalculator(target);
  }
  return changed;
}

class Calculator : public ::testing::Test {
 protected:
  void SetUp() override { resetWorkspace(); }
  CalculatorState& pad() { return ws().calculator; }
};

TEST_F(Calculator, KeySequencesOnATarget) {
  struct Case {
    const char* keys;
    int32_t before, after;
    bool changedAtLastPaint;
  };
  const Case cases[] = {
      {"123+", 0, 123, true},    {"50+", 10, 60, true},
      {"42-", 100, 58, true},    {"12C3+", 5, 8, true},  // C clears the entry: 3 is added
      {"007+", 1, 8, true},                             // leading zeros: the first digit replaces 0
      {"12345", 7, 7, false},                           // the fifth digit clears the entry
      {"12345+", 7, 7, true},                           // ... so nothing is added
      {"9999+", 1, 10000, true}, {"12A", 77, 0, true},  // AC sets the target to 0
      {"123", 5, 5, false},                             // digits alone change nothing
  };
  for (const Case& c : cases) {
    resetWorkspace();
    int32_t value = c.before;
    EXPECT_EQ(pressAndPaint(c.keys, &value), c.changedAtLastPaint) << c.keys;
    EXPECT_EQ(value, c.after) << c.keys;
  }
}

TEST_F(Calculator, StateAfterApplyingAndClearing) {
  int32_t value = 0;
  pressAndPaint("123", &value);
  EXPECT_EQ(pad().entry, 123);
  EXPECT_EQ(pad().digitCount, 3);
  pressAndPaint("+", &value);
  EXPECT_EQ(pad().entry, 0);
  EXPECT_EQ(pad().operation, 0);
  EXPECT_EQ(pad().amount, 0);
  EXPECT_EQ(pad().digitCount, 0);

  pressAndPaint("1234", &value);
  pressAndPaint("5", &value);
  EXPECT_EQ(pad().entry, 0);
  EXPECT_EQ(pad().digitCount, 0);
  pressAndPaint("6+", &value);  // a fresh number after the cleared one
  EXPECT_EQ(value, 129);
}

TEST_F(Calculator, RepeatedPaintsEnterADigitOnce) {
  int32_t value = 0;
  calculatorPressDigit(7);
  for (int paint = 0; paint < 3; ++paint) EXPECT_FALSE(runCalculator(&value));
  EXPECT_EQ(pad().entry, 7);
  calculatorPressDigit(3);
  runCalculator(nullptr);
  runCalculator(&value);
  EXPECT_EQ(pad().entry, 73);
  calculatorPressPlus();
  EXPECT_TRUE(runCalculator(&value));
  EXPECT_FALSE(runCalculator(&value));  // applied once
  EXPECT_EQ(value, 73);
}

TEST_F(Calculator, AllClearWithoutTargetChangesNoValue) {
  pressAndPaint("45+", nullptr);
  EXPECT_FALSE(pressAndPaint("A", nullptr));
  EXPECT_EQ(pad().entry, 0);
  EXPECT_EQ(pad().operation, 0);
  int32_t value = 9;
  EXPECT_FALSE(runCalculator(&value));  // nothing is left to apply
  EXPECT_EQ(value, 9);
}

TEST_F(Calculator, SignWaitsForATarget) {
  int32_t value = 20;
  EXPECT_FALSE(pressAndPaint("50-", nullptr));
  EXPECT_EQ(pad().amount, -50);
  // Digits while the sign waits are counted but not entered.
  EXPECT_FALSE(pressAndPaint("9", nullptr));
  EXPECT_EQ(pad().entry, 50);
  EXPECT_EQ(pad().digitCount, 3);
  // The first paint with a value box on applies the waiting amount.
  EXPECT_TRUE(runCalculator(&value));
  EXPECT_EQ(value, -30);
  EXPECT_EQ(pad().operation, 0);

  // Counted digits still reach the fifth and clear the waiting sign.
  resetWorkspace();
  pressAndPaint("12+345", nullptr);
  EXPECT_EQ(pad().operation, 0);
  value = 20;
  EXPECT_FALSE(runCalculator(&value));
  EXPECT_EQ(value, 20);
}

TEST_F(Calculator, SwitchAndEntryPosition) {
  calculatorToggleSwitch();
  EXPECT_EQ(pad().switchOn, 1);
  calculatorToggleSwitch();
  EXPECT_EQ(pad().switchOn, 0);

  const struct {
    const char* keys;
    int leftX;
  } cases[] = {{"", 80}, {"7", 80}, {"07", 80}, {"12", 70}, {"123", 60}, {"1234", 50}};
  for (const auto& c : cases) {
    resetWorkspace();
    pressAndPaint(c.keys, nullptr);
    EXPECT_EQ(calculatorEntryLeftX(), c.leftX) << c.keys;
  }
}

}  // namespace
}  // namespace zc
