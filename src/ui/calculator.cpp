#include "ui/calculator.h"

#include <algorithm>

#include "core/workspace.h"

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

#include <cstdio>

#include "text/labels.h"
#include "ui/controls.h"

namespace zc {
namespace {

constexpr int kColumnLeft[3] = {8, 36, 64};  // exclusive left bounds of the digit columns
constexpr int kColumnRight[3] = {34, 62, 92};
constexpr int kDigitOfKey[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
constexpr Rgb kKeyColour{220, 220, 220};

// The y of row n of the pad: 0 the "cal" row, 1 .. 3 the digit rows, 4 the 0 row, 5 the signs.
int rowTop(const KeyPadLayout& pad, int row) {
  return row == 0 ? pad.top : pad.top + pad.firstRow + pad.pitch * (row - 1);
}

}  // namespace

PadHit keyPadHit(int x, int y, const KeyPadLayout& pad) {
  const int top = pad.top;
  if (inside(x, y, 8, top, 50, top + 20)) return {PadKey::Cal, 0};
  if (inside(x, y, 56, top, 92, top + 20)) return {PadKey::AllClear, 0};
  for (int row = 0; row < 3; ++row) {
    const int digitTop = rowTop(pad, row + 1);
    for (int column = 0; column < 3; ++column) {
      if (inside(x, y, kColumnLeft[column], digitTop, kColumnRight[column], digitTop + 20)) {
        return {PadKey::Digit, kDigitOfKey[row][column]};
      }
    }
  }
  const int zeroTop = rowTop(pad, 4);
  if (inside(x, y, 8, zeroTop, 34, zeroTop + 20)) return {PadKey::Digit, 0};
  const int signTop = rowTop(pad, 5);
  if (inside(x, y, 8, signTop, 32, signTop + 20)) return {PadKey::Plus, 0};
  if (inside(x, y, 38, signTop, 62, signTop + 20)) return {PadKey::Minus, 0};
  if (inside(x, y, 68, signTop, 92, signTop + 20)) return {PadKey::Clear, 0};
  return {};
}

PadHit keyPadHit(int x, int y, int top) {
  return keyPadHit(x, y, KeyPadLayout{top, 26, 26});
}

void pressPadKey(const PadHit& hit) {
  switch (hit.key) {
    case PadKey::AllClear:
      calculatorPressAllClear();
      break;
    case PadKey::Digit:
      calculatorPressDigit(hit.digit);
      break;
    case PadKey::Plus:
      calculatorPressPlus();
      break;
    case PadKey::Minus:
      calculatorPressMinus();
      break;
    case PadKey::Clear:
      calculatorPressClear();
      break;
    case PadKey::Cal:
    case PadKey::None:
      return;
  }
  ws().pageComment = kCalculatorComment;
}

void drawKeyPad(Surface& s, const KeyPadLayout& pad, bool calOn, bool greyedKeys) {
  const int top = pad.top;
  auto key = [&](int x, int y, int width, Rgb frame, ButtonLook look = ButtonLook::Raised) {
    LabelButton b = makeButton(x, y, width, frame, look);
    b.greyed = greyedKeys;
    return b;
  };
  drawButton(s, key(8, top, 42, Rgb{200, 200, 40}, calOn ? ButtonLook::On : ButtonLook::Raised),
             label(FilterLabel::Cal));
  drawButton(s, key(56, top, 36, Rgb{220, 200, 200}), label(FilterLabel::AllClear));
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int digit = kDigitOfKey[row][column];
      drawButton(s, key(8 + 30 * column, rowTop(pad, row + 1), 26, kKeyColour),
                 label(static_cast<FilterLabel>(static_cast<int>(FilterLabel::Digit0) + digit)));
    }
  }
  const int zeroTop = rowTop(pad, 4), signTop = rowTop(pad, 5);
  drawButton(s, key(8, zeroTop, 26, kKeyColour), label(FilterLabel::Digit0));
  drawButton(s, key(38, zeroTop, 56, kKeyColour), label(FilterLabel::TypedNumber));
  drawButton(s, key(8, signTop, 24, Rgb{200, 220, 200}), label(FilterLabel::Plus));
  drawButton(s, key(38, signTop, 24, Rgb{200, 200, 220}), label(FilterLabel::Minus));
  drawButton(s, key(68, signTop, 24, Rgb{220, 200, 200}), label(FilterLabel::Clear));
}

void drawKeyPad(Surface& s, int top, bool calOn, bool greyedKeys) {
  drawKeyPad(s, KeyPadLayout{top, 26, 26}, calOn, greyedKeys);
}

void drawPadEntryAt(Surface& s, int oneDigitX, int y) {
  const CalculatorState& c = ws().calculator;
  if (c.enteredDigits > 0 || c.entry > 0) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", c.entry);
    // calculatorEntryLeftX() is the model pad's position, 80 for one digit.
    s.text(calculatorEntryLeftX() - 80 + oneDigitX, y, text, kLabelText, 12);
  }
}

void drawPadEntry(Surface& s, const KeyPadLayout& pad) {
  drawPadEntryAt(s, 80, rowTop(pad, 4));
}

void drawPadEntry(Surface& s, int top) {
  drawPadEntry(s, KeyPadLayout{top, 26, 26});
}

}  // namespace zc
