#pragma once
#include "platform/surface.h"
#include "text/labels.h"

namespace zc {

// Frame colours the pages share: the keep buttons ("save KEEP0", "set KEEP1", "Set KEEP2") and
// the get-image buttons.
inline constexpr Rgb kKeepButtonFrame{0, 220, 220};
inline constexpr Rgb kGetImageButtonFrame{80, 160, 240};
// The frame of the pages' belts and bars.
inline constexpr Rgb kBeltFrameGrey{192, 192, 192};

// How a label button's frame looks.
enum class ButtonLook {
  Raised,  // thin top and left edges, thick right and bottom edges in the item's colour
  On,      // the item's mode or step is active: a thin near-black rectangle
  Plain,   // headings, scale numbers: text only
};

struct LabelButton {
  int x = 0;
  int y = 0;
  int width = 88;
  Rgb frame = kWhite;
  ButtonLook look = ButtonLook::Raised;
  bool greyed = false;  // an item that cannot be used: text in light grey
  int fontHeight = 12;
  Rgb textColour = kLabelText;
};

// A label button at (x, y) of the given width with its frame colour and look.
inline LabelButton makeButton(int x, int y, int width, Rgb frame,
                              ButtonLook look = ButtonLook::Raised) {
  LabelButton b;
  b.x = x;
  b.y = y;
  b.width = width;
  b.frame = frame;
  b.look = look;
  return b;
}
// The look of an item that is on while `on` holds.
inline ButtonLook onWhen(bool on) {
  return on ? ButtonLook::On : ButtonLook::Raised;
}

// Draws a label button with the text of the current language.
void drawButton(Surface& surface, const LabelButton& button, const LabelText& label);
void drawButton(Surface& surface, const LabelButton& button, const char* text);

// A value box: a label button showing a number formatted by the label's printf format; it is
// drawn on while it is the calculator's target.
void drawValueBox(Surface& surface, const LabelButton& button, const LabelText& format, int value);

// The ten flag-mark colours by number.
Rgb markColour(int number);
// A reset mark: the flag drawn with unit u at (a, y); its box is 7.5u wide and 5u high.
void drawResetMark(Surface& surface, int a, int y, int colourNumber, int unit = 6);

// Glyph boxes of the small switches: a square of the given side with two opposed triangles
// (diamond switch), or an arrow pointing up, down, left or right.
void drawDiamondGlyph(Surface& surface, int x, int y, int side, Rgb colour);
enum class ArrowDirection { Up, Down, Left, Right };
void drawArrowGlyph(Surface& surface, int x, int y, int side, Rgb colour, ArrowDirection direction);

// A horizontal bar of w x h at (x, y) with its frame, filled with vertical lines from the left up
// to and including column `filledTo` (nothing when filledTo < 0).
void drawBar(Surface& surface, int x, int y, int w, int h, Rgb frame, Rgb fill, int filledTo);

// A double belt holds a start and an end value, 0 <= start < end <= 255, marked on a belt of
// `length` pixels from x = left (the Filter page's light-core belt: 24, 52).
struct BeltGeometry {
  int left = 24;
  int length = 52;
};
// The value of a click at x: (x - left) * 256 / length, within 0 .. 255.
int beltValueAt(const BeltGeometry& belt, int x);
int beltMarkX(const BeltGeometry& belt, int value);
// Between the two marks: a click left of it moves the start, otherwise the end.
int beltMiddle(const BeltGeometry& belt, int start, int end);
// A click on the belt. Linked (the spectrum core) keeps the other value at a distance of one.
void clickDoubleBelt(const BeltGeometry& belt, int32_t& start, int32_t& end, int x, bool linked);
// The diamond switches: move the start or the end by delta; the other value is pushed along so
// that start < end (at 255 the pair becomes 254, 255; at 0 it becomes 0, 1).
void stepBeltStart(int32_t& start, int32_t& end, int delta);
void stepBeltEnd(int32_t& start, int32_t& end, int delta);

}  // namespace zc
