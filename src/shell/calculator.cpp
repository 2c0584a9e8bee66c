#include "shell/calculator.h"

#include <algorithm>

#include "shell/workspace.h"

namespace zc {
namespace {

constexpr int kMaxDigits = 4;

CalculatorState& pad() {
  return ws().calculator;
}

}  // namespace

void calculatorPressDigit(int digit) {
  if (digit < 0 || digit > 9) return;
  CalculatorState& c = pad();
  c.lastDigit = digit;
  c.digitCount += 1;
  c.clearKey = 0;
}

void calculatorPressPlus() {
  pad().operation = 1;
}

void calculatorPressMinus() {
  pad().operation = 2;
}

void calculatorPressClear() {
  pad().clearKey = 1;
}

void calculatorPressAllClear() {
  pad().clearKey = 2;
}

void calculatorToggleSwitch() {
  pad().switchOn = pad().switchOn != 0 ? 0 : 1;
}

bool runCalculator(int32_t* target) {
  CalculatorState& c = pad();

  if (c.clearKey == 2) {
    c = CalculatorState{};
    if (target == nullptr) return false;
    *target = 0;
    return true;
  }

  if (c.clearKey == 1) {
    c.entry = 0;
    c.digitCount = 0;
    c.enteredDigits = 0;
    c.clearKey = 0;
  }

  if (c.digitCount > kMaxDigits) {
    // The fifth digit starts the number afresh and drops a waiting operation.
    c.entry = 0;
    c.amount = 0;
    c.operation = 0;
    c.digitCount = 0;
    c.enteredDigits = 0;
  } else if (c.digitCount > c.enteredDigits) {
    // A press not yet taken in. While an operation waits for a target, it is only counted.
    if (c.operation == 0 || target != nullptr) {
      c.entry = c.digitCount == 1 ? c.lastDigit : c.entry * 10 + c.lastDigit;
    }
    c.enteredDigits = c.digitCount;
  }

  if (c.operation != 0) {
    c.amount = c.operation == 1 ? c.entry : -c.entry;
    if (target != nullptr) {
      const int64_t sum = static_cast<int64_t>(*target) + c.amount;
      *target = static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
      c = CalculatorState{};
      return true;
    }
  }
  return false;
}

int calculatorEntryLeftX() {
  int digits = 1;
  for (int32_t rest = pad().entry < 0 ? -pad().entry : pad().entry; rest >= 10; rest /= 10) {
    ++digits;
  }
  return 90 - 10 * std::min(digits, kMaxDigits);
}

}  // namespace zc
