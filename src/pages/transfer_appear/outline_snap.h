#pragma once
#include <cstdint>

#include "core/canvas_point.h"
#include "core/image_buffers.h"

namespace zc {

// The outline colour as plane values (blue, green, red); a pixel is an outline pixel when its
// three plane values equal these exactly.
struct OutlineColour {
  int32_t blue = 0;
  int32_t green = 0;
  int32_t red = 0;
};

// The picture seen as the lines a cut mode walks: the rows (cut mode 1), along which a position is
// a column counted from the left, or the columns (cut mode 2), along which a position is a row
// counted from the top, as on the window. Lines are numbered as the canvas rows (bottom-up) or
// columns. Any cut mode other than 2 walks the rows.
struct OutlineLines {
  PlaneView planes;
  OutlineColour outline;
  bool byColumns = false;  // cut mode 2

  int positions() const { return byColumns ? planes.height : planes.width; }
  int lines() const { return byColumns ? planes.width : planes.height; }
  int lineOf(const CanvasCell& c) const { return byColumns ? c.column : c.row; }
  int positionOf(const CanvasCell& c) const {
    return byColumns ? planes.height - 1 - c.row : c.column;
  }
  CanvasCell cellAt(int line, int position) const {
    return byColumns ? CanvasCell{line, planes.height - 1 - position} : CanvasCell{position, line};
  }
  // False for a position off the line or a line off the canvas.
  bool outlineAt(int line, int position) const;
  bool outlineAt(const CanvasCell& c) const { return outlineAt(lineOf(c), positionOf(c)); }
};
OutlineLines outlineLines(const PlaneView& planes, const OutlineColour& outline, int cutMode);

// Moves a position of a line onto the outline stroke there, searching `radius` (1 ..) positions
// to either side, clipped to the line:
// - on an outline pixel: the middle (left + right) / 2 of the run of outline pixels through it;
// - otherwise: the middle of the nearest run on the lower side or on the higher side, whichever
//   middle is nearer (the lower one only when strictly nearer).
// The new position is taken only when it lies within 1 .. positions - 1 and less than twice the
// radius away; otherwise, and when no outline pixel is in reach, the position stays.
int snapToOutline(const OutlineLines& lines, int line, int position, int radius);

}  // namespace zc
