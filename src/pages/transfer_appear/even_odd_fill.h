#pragma once
#include <cstdint>

#include "core/image_buffers.h"

namespace zc {

// Fills the inside of a polygon whose boundary cells are marked 1 in `marks` (addressed with the
// canvas's row length) with (e, e, e), e = fillValue 0 .. 255, in the canvas.
// Cut mode 1 (rows): in every row the marked columns c0 < c1 < ... are paired and columns
// c(2k - 2) .. c(2k - 1) painted for k = 1 .. floor(n / 2); an odd last cell stays unpainted.
// Then the sandwich pass closes one-pixel gaps along level edges: for every row but the first and
// the last, from the bottom row upward, a pixel whose lower and upper neighbours are both exactly
// (e, e, e) becomes (e, e, e), in place.
// Cut mode 2 (columns, any mode other than 1): the same with rows and columns exchanged; the
// sandwich pass runs along every row from left to right over all columns but the first and the
// last, comparing left and right neighbours.
// Every marked cell of a line takes part, however many there are.
// Bit for bit the plain loops of even_odd_fill_reference.h.
struct EvenOddFillTuning {
  bool vectors = true;  // false: no AVX-512, one cell and one pixel at a time
};
void evenOddFill(const PixelView& canvas, const MarkView& marks, int cutMode, int fillValue,
                 EvenOddFillTuning tuning = {});

}  // namespace zc
