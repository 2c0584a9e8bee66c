#pragma once
#include <cstdint>

#include "platform/surface.h"

namespace zc {

// The key pad shared by the pages (state in Workspace::calculator). A key press only records
// what was pressed; the next paint of the page carries it out through runCalculator(). The page
// itself requests the calculator comment.

void calculatorPressDigit(int digit);  // 0 .. 9; other numbers are ignored
void calculatorPressPlus();
void calculatorPressMinus();
void calculatorPressClear();     // C: clears the entry
void calculatorPressAllClear();  // AC: the target becomes 0 and the pad starts afresh
void calculatorToggleSwitch();   // the "cal" key

// Carries out the recorded presses; run by every paint of a page with a pad. `target` is the
// switched-on value, or nullptr when no value box is on. A digit is entered once however often
// the page is painted; a fifth digit clears the entry, the amount and the operator. A plus or
// minus sets the amount to the signed entry and, once a target is on (at once or at a later
// paint), adds it to the target and starts the pad afresh; while it waits, digits are counted
// but not entered. Returns true when it wrote the target, so that the page validates it.
bool runCalculator(int32_t* target);

// Left edge x of the entry drawn right-aligned on the model pad: 80, 70, 60 or 50 for an entry of
// one to four digits.
int calculatorEntryLeftX();

// The key pad as drawn in a page's column; `top` is the y of its "cal" and ＡＣ row (505 on the
// Filter page). Rows follow every 26 pixels: 7 8 9, 4 5 6, 1 2 3, 0 with the entry, ＋ － Ｃ.
enum class PadKey { None, Cal, AllClear, Digit, Plus, Minus, Clear };
struct PadHit {
  PadKey key = PadKey::None;
  int digit = 0;
};
// A pad whose rows stand closer than the model pad's: the 7 8 9 row `firstRow` pixels below the
// "cal" row, and each following row (4 5 6, 1 2 3, 0 with the entry, ＋ － Ｃ) `pitch` below the
// one before. The model pad is {top, 26, 26}.
struct KeyPadLayout {
  int top = 505;
  int firstRow = 26;
  int pitch = 26;
  // A pad hit narrower than it is drawn: every key loses keyInset columns on either side, and the
  // 0 key, where zeroHitRight is set, is hit only left of that column.
  int keyInset = 0;
  int zeroHitRight = 0;
  // The entry's one digit stands at this x, each further digit 10 pixels left.
  int entryX = 80;
  // The entry field drawn with the entry (by drawPadEntry) rather than among the keys.
  bool fieldWithEntry = false;
};
// Which key a left press at (x, y) hits (bounds exclusive, as every panel item).
PadHit keyPadHit(int x, int y, int top);
PadHit keyPadHit(int x, int y, const KeyPadLayout& layout);
// Records the key's press for the next paint and asks for the calculator comment. The "cal" key is
// the page's own switch and is left to the page.
void pressPadKey(const PadHit& hit);
// Draws the keys and the entry field; greyedKeys draws the key labels greyed (a pad that serves
// no value box).
void drawKeyPad(Surface& surface, int top, bool calOn, bool greyedKeys = false);
void drawKeyPad(Surface& surface, const KeyPadLayout& layout, bool calOn, bool greyedKeys = false);
// Draws the entry right-aligned in its field, after the paint has run the calculator.
void drawPadEntry(Surface& surface, int top);
void drawPadEntry(Surface& surface, const KeyPadLayout& layout);
// The same at any position: a one-digit entry stands at (oneDigitX, y), each further digit 10
// pixels further left.
void drawPadEntryAt(Surface& surface, int oneDigitX, int y);

}  // namespace zc
