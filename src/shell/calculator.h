#pragma once
#include <cstdint>

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

}  // namespace zc
