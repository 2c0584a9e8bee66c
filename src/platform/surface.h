#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/rgb.h"

namespace zc {

// The window's client area and the drawing the program does on it. Coordinates are client
// coordinates with y growing downward, as on the window.
class Surface {
 public:
  static constexpr int kWidth = 1084;
  static constexpr int kHeight = 801;

  Surface();
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  void erase();  // the white background of the window class

  // A line from (x0, y0) up to but excluding (x1, y1), with a square-ended pen of the given width.
  void line(int x0, int y0, int x1, int y1, Rgb colour, int penWidth = 1);
  // The outline of the rectangle (x0, y0)-(x1, y1) drawn with line(): all four corners included.
  void rectangleOutline(int x0, int y0, int x1, int y1, Rgb colour, int penWidth = 1);
  // A one-pixel rectangle outline as the window system draws a rectangle: the left and top edges
  // lie on x0 and y0, the right and bottom edges on x1 - 1 and y1 - 1, so a box ending where a
  // neighbour begins leaves the neighbour's first row and column alone.
  void rectangleFrame(int x0, int y0, int x1, int y1, Rgb colour);
  // Fills [x0, x1) x [y0, y1).
  void fillRect(int x0, int y0, int x1, int y1, Rgb colour);
  // An ellipse outline inside the box (x0, y0)-(x1, y1).
  void ellipse(int x0, int y0, int x1, int y1, Rgb colour, int penWidth = 1);
  // Inverts every pixel of the line: drawing it twice restores the window (drags).
  void xorLine(int x0, int y0, int x1, int y1);

  // Text with its top-left corner at (x, y) in the program's bold monospace font of the given
  // pixel height. defaultFont selects the window's own font instead.
  void text(int x, int y, std::string_view utf8, Rgb colour, int height = 12,
            bool defaultFont = false);

  // Copies w x h pixels starting at display point (sx, sy) of a bottom-up 24-bit image
  // (blue, green, red, rows of srcW * 3 bytes) to the window at (dx, dy). Parts outside the image
  // or the window are left as they are.
  void blitBottomUp(const uint8_t* pixels, int srcW, int srcH, int sx, int sy, int w, int h, int dx,
                    int dy);
  // Stretches the display rectangle (sx, sy, sw, sh) of such an image to (dx, dy, dw, dh),
  // nearest pixel.
  void stretchBottomUp(const uint8_t* pixels, int srcW, int srcH, int sx, int sy, int sw, int sh,
                       int dx, int dy, int dw, int dh);

  Rgb pixel(int x, int y) const;
  bool savePng(const std::string& path) const;

  // Called for every text drawn (the replay driver's text log).
  using TextObserver = std::function<void(int x, int y, Rgb colour, std::string_view text)>;
  void setTextObserver(TextObserver observer);

  // The backend's view of the pixels (a QImage inside the platform layer).
  void* native();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zc
