#pragma once
#include <cstdint>

#include "core/canvas_point.h"
#include "core/image_buffers.h"
#include "core/transfer_state.h"
#include "pages/transfer_appear/marked_cells.h"

namespace zc {

constexpr MarkColour kSideRed{255, 0, 0};
constexpr MarkColour kOnOutlineGreen{0, 255, 0};
constexpr MarkColour kTraceCyan{0, 255, 255};

// A plus sign around the cell, its arms reaching 8 pixels left and up and 7 right and down as seen
// on the window, clipped to the canvas; nothing for a cell off the canvas.
void drawVertexMarker(const PixelView& canvas, const CanvasCell& cell, MarkColour colour);

// Paints the points of a trace list that lie on the canvas.
void drawTracePoints(const PixelView& canvas, const TraceList& list, MarkColour colour);

}  // namespace zc
