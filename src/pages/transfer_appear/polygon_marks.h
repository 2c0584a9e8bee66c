#pragma once
#include <cstdint>

#include "core/canvas_point.h"
#include "core/image_buffers.h"
#include "core/transfer_state.h"

namespace zc {

// What the Transfer page draws over the canvas while a polygon is under way. Colours are given as
// red, green, blue bytes.
struct MarkColour {
  uint8_t red = 0, green = 0, blue = 0;
};
constexpr MarkColour kSideRed{255, 0, 0};
constexpr MarkColour kOnOutlineGreen{0, 255, 0};
constexpr MarkColour kTraceCyan{0, 255, 255};

// Paints every canvas pixel whose mark cell (addressed with the canvas's row length) is nonzero.
void drawMarkedCells(const PixelView& canvas, const int32_t* marks, MarkColour colour);

// A plus sign around the cell, its arms reaching 8 pixels left and up and 7 right and down as seen
// on the window, clipped to the canvas; nothing for a cell off the canvas.
void drawVertexMarker(const PixelView& canvas, const CanvasCell& cell, MarkColour colour);

// Paints the points of a trace list that lie on the canvas.
void drawTracePoints(const PixelView& canvas, const TraceList& list, MarkColour colour);

}  // namespace zc
