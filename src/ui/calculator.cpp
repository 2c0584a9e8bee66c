#include "ui/calculator.h"

#include <algorithm>
#include <cstdio>

#include "core/workspace.h"
#include "text/filter_texts.h"
#include "ui/controls.h"
#include "ui/panel.h"

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

namespace {

constexpr Rgb kKeyColour{220, 220, 220};

// One key of the pad: what it is, its box in its row (0 the "cal" row, 1 .. 3 the digit rows, 4
// the 0 row, 5 the signs) and, where it differs from the box's inside, the zone a press hits. Box
// and zone are written with y = 0 at the row's top.
struct PadKeyCell {
  PadHit hit;
  int row;
  LabelButton box;
  FilterLabel text;
  HitZone zone = kBoxInside;
};

constexpr LabelButton key(int x, int width, Rgb colour) {
  LabelButton b;
  b.x = x;
  b.width = width;
  b.frame = colour;
  return b;
}
// A digit key of 26 pixels at x, hit between hitLeft and hitRight (both excluded).
constexpr PadKeyCell digit(int d, int row, int x, int hitLeft, int hitRight) {
  return {{PadKey::Digit, d},
          row,
          key(x, 26, kKeyColour),
          static_cast<FilterLabel>(static_cast<int>(FilterLabel::Digit0) + d),
          zoneExcl(hitLeft, hitRight, 0, 20)};
}

// In drawing order; the digit keys of the middle and right columns are hit a little left of their
// boxes.
constexpr PadKeyCell kPadKeys[] = {
    {{PadKey::Cal, 0}, 0, key(8, 42, Rgb{200, 200, 40}), FilterLabel::Cal},
    {{PadKey::AllClear, 0}, 0, key(56, 36, Rgb{220, 200, 200}), FilterLabel::AllClear},
    digit(7, 1, 8, 8, 34),
    digit(8, 1, 38, 36, 62),
    digit(9, 1, 68, 64, 92),
    digit(4, 2, 8, 8, 34),
    digit(5, 2, 38, 36, 62),
    digit(6, 2, 68, 64, 92),
    digit(1, 3, 8, 8, 34),
    digit(2, 3, 38, 36, 62),
    digit(3, 3, 68, 64, 92),
    digit(0, 4, 8, 8, 34),
    {{PadKey::None, 0}, 4, key(38, 56, kKeyColour), FilterLabel::TypedNumber},  // the entry field
    {{PadKey::Plus, 0}, 5, key(8, 24, Rgb{200, 220, 200}), FilterLabel::Plus},
    {{PadKey::Minus, 0}, 5, key(38, 24, Rgb{200, 200, 220}), FilterLabel::Minus},
    {{PadKey::Clear, 0}, 5, key(68, 24, Rgb{220, 200, 200}), FilterLabel::Clear},
};
constexpr int kEntryRow = 4;

// The y of row n of the pad.
int rowTop(const KeyPadLayout& pad, int row) {
  return row == 0 ? pad.top : pad.top + pad.firstRow + pad.pitch * (row - 1);
}

LabelButton boxAt(const PadKeyCell& k, const KeyPadLayout& pad) {
  LabelButton b = k.box;
  b.y = rowTop(pad, k.row);
  return b;
}

HitZone zoneAt(const PadKeyCell& k, const KeyPadLayout& pad) {
  HitZone z = k.zone.empty() ? insideOf(boxAt(k, pad)) : shiftedDown(k.zone, rowTop(pad, k.row));
  z.x0 = static_cast<int16_t>(z.x0 + pad.keyInset);
  z.x1 = static_cast<int16_t>(z.x1 - pad.keyInset);
  if (pad.zeroHitRight != 0 && k.hit.key == PadKey::Digit && k.hit.digit == 0) {
    z.x1 = static_cast<int16_t>(pad.zeroHitRight);
    z.inclusive &= ~HitZone::kRight;
  }
  return z;
}

}  // namespace

PadHit keyPadHit(int x, int y, const KeyPadLayout& pad) {
  for (const PadKeyCell& k : kPadKeys) {
    if (k.hit.key != PadKey::None && zoneAt(k, pad).hits(x, y)) return k.hit;
  }
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
  for (const PadKeyCell& k : kPadKeys) {
    if (pad.fieldWithEntry && k.hit.key == PadKey::None) continue;
    LabelButton b = boxAt(k, pad);
    if (k.hit.key == PadKey::Cal) b.look = onWhen(calOn);
    b.greyed = greyedKeys;
    drawButton(s, b, label(k.text));
  }
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
  if (pad.fieldWithEntry) {
    for (const PadKeyCell& k : kPadKeys) {
      if (k.hit.key == PadKey::None) drawButton(s, boxAt(k, pad), label(k.text));
    }
  }
  drawPadEntryAt(s, pad.entryX, rowTop(pad, kEntryRow));
}

void drawPadEntry(Surface& s, int top) {
  drawPadEntry(s, KeyPadLayout{top, 26, 26});
}

}  // namespace zc
