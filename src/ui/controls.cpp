#include "ui/controls.h"

#include <algorithm>
#include <cstdio>

#include "core/workspace.h"

namespace zc {

void drawButton(Surface& s, const LabelButton& b, const char* text) {
  const int x1 = b.x + b.width, y1 = b.y + 20;
  switch (b.look) {
    case ButtonLook::On:
      s.rectangleOutline(b.x, b.y, x1, y1, kOnFrame, 2);
      break;
    case ButtonLook::Raised:
      s.line(b.x, b.y, x1, b.y, b.frame, 2);
      s.line(b.x, b.y, b.x, y1, b.frame, 2);
      s.line(x1, b.y + 2, x1, y1, b.frame, 5);
      s.line(x1 - 2, y1, b.x + 2, y1, b.frame, 5);
      break;
    case ButtonLook::Plain:
      break;
  }
  // The text goes on after the frame, so no edge can cover a glyph (a white top edge over a
  // heading would turn its "「" into "L").
  const Rgb colour = b.greyed ? kGreyedText : b.textColour;
  s.text(b.x + 2, b.y, text, colour, b.fontHeight);
}

void drawButton(Surface& s, const LabelButton& b, const LabelText& label) {
  drawButton(s, b, tr(label.japanese, label.english));
}

void drawValueBox(Surface& s, const LabelButton& b, const LabelText& format, int value) {
  char text[1032];  // the program's shared size for a formatted label
  std::snprintf(text, sizeof text, tr(format.japanese, format.english), value);
  drawButton(s, b, text);
}

Rgb markColour(int number) {
  static constexpr Rgb kColours[10] = {
      {16, 32, 96},  {16, 128, 32},  {192, 16, 32}, {192, 192, 16}, {16, 192, 192},
      {16, 32, 192}, {240, 240, 16}, {255, 32, 64}, {16, 96, 96},   {240, 160, 200}};
  return kColours[std::clamp(number, 0, 9)];
}

void drawResetMark(Surface& s, int a, int y, int colourNumber, int u) {
  const Rgb c = markColour(colourNumber);
  const int n = u / 2;
  const int b = a + n;
  // Column range [c0, c1] filled over rows [r0, r1): each column a vertical one-pixel line.
  auto fill = [&](int c0, int c1, int r0, int r1) {
    for (int x = c0; x <= c1; ++x) s.line(x, r0, x, r1, c);
  };
  fill(a, a + n - 1, y, y + 5 * u);
  fill(b, b + u - 1, y, y + 2 * u);
  fill(b, b + u - 1, y + 3 * u, y + 5 * u);
  fill(b + u, b + 4 * u - 1, y, y + u);
  fill(b + 2 * u, b + 4 * u - 1, y + 2 * u, y + 3 * u);
  fill(b + 4 * u, b + 5 * u - 1, y + u, y + 4 * u);
  fill(b + 3 * u, b + 6 * u - 1, y + 4 * u, y + 5 * u);
  fill(b + 5 * u, b + 7 * u - 1, y + 2 * u, y + 3 * u);
  fill(b + 6 * u, b + 7 * u - 1, y, y + 2 * u);
}

void drawDiamondGlyph(Surface& s, int x, int y, int side, Rgb colour) {
  s.rectangleOutline(x, y, x + side, y + side, colour);
  const int mid = side / 2;
  // Left triangle pointing left, right triangle pointing right.
  for (int i = 1; i < mid; ++i) {
    const int half = i * (mid - 1) / mid;
    s.line(x + i, y + mid - half, x + i, y + mid + half + 1, colour);
    s.line(x + side - i, y + mid - half, x + side - i, y + mid + half + 1, colour);
  }
}

void drawArrowGlyph(Surface& s, int x, int y, int side, Rgb colour, ArrowDirection d) {
  s.rectangleOutline(x, y, x + side, y + side, colour);
  const int mid = side / 2;
  for (int i = 0; i < mid - 1; ++i) {
    switch (d) {
      case ArrowDirection::Up:
        s.line(x + mid - i, y + 2 + i, x + mid + i + 1, y + 2 + i, colour);
        break;
      case ArrowDirection::Down:
        s.line(x + mid - i, y + side - 2 - i, x + mid + i + 1, y + side - 2 - i, colour);
        break;
      case ArrowDirection::Left:
        s.line(x + 2 + i, y + mid - i, x + 2 + i, y + mid + i + 1, colour);
        break;
      case ArrowDirection::Right:
        s.line(x + side - 2 - i, y + mid - i, x + side - 2 - i, y + mid + i + 1, colour);
        break;
    }
  }
}

void drawBar(Surface& s, int x, int y, int w, int h, Rgb frame, Rgb fill, int filledTo) {
  const int last = std::min(filledTo, w - 1);
  for (int i = 0; i <= last; ++i) s.line(x + i, y, x + i, y + h, fill);
  s.rectangleOutline(x, y, x + w, y + h, frame);
}

}  // namespace zc

namespace zc {
namespace {

// The start moved up to or past the end pushes the end to start + 1; at 255 the pair is 254, 255.
void pushEndAbove(int32_t& start, int32_t& end) {
  if (start >= end) end = start + 1;
  if (end > 255) start = 254, end = 255;
}

// The end moved down to or below the start pulls the start to end - 1; at 0 the pair is 0, 1.
void pullStartBelow(int32_t& start, int32_t& end) {
  if (start >= end) start = end - 1;
  if (start < 0) start = 0, end = 1;
}

}  // namespace

int beltValueAt(const BeltGeometry& belt, int x) {
  return std::clamp((x - belt.left) * 256 / belt.length, 0, 255);
}

int beltMarkX(const BeltGeometry& belt, int value) {
  return belt.left + value * belt.length / 256;
}

int beltMiddle(const BeltGeometry& belt, int start, int end) {
  return ((start + end) / 2) * belt.length / 256 + belt.left;
}

void clickDoubleBelt(const BeltGeometry& belt, int32_t& start, int32_t& end, int x, bool linked) {
  const int v = beltValueAt(belt, x);
  const bool moveStart = x < beltMiddle(belt, start, end);
  if (moveStart) {
    start = v;
    if (linked) end = v + 1;
    pushEndAbove(start, end);
  } else {
    end = v;
    if (linked) start = v - 1;
    pullStartBelow(start, end);
  }
}

void stepBeltStart(int32_t& start, int32_t& end, int delta) {
  start = std::max(0, start + delta);
  pushEndAbove(start, end);
}

void stepBeltEnd(int32_t& start, int32_t& end, int delta) {
  end = std::min(255, end + delta);
  pullStartBelow(start, end);
}

}  // namespace zc
