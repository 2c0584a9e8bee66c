#include "shell/controls.h"

#include <algorithm>

#include "shell/workspace.h"

namespace zc {

void drawButton(Surface& s, const LabelButton& b, const char* text) {
  const Rgb colour = b.greyed ? kGreyedText : b.textColour;
  s.text(b.x + 2, b.y, text, colour, b.fontHeight);
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
}

void drawButton(Surface& s, const LabelButton& b, const LabelText& label) {
  drawButton(s, b, tr(label.japanese, label.english));
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
