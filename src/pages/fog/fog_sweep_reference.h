#pragma once
// The plain Zindle Eye sweep: the stated arithmetic written out loop by loop, the reference that
// the fast sweep (fog_sweep.h) matches bit for bit.
#include "core/image_buffers.h"
#include "pages/fog/fog_sweep_arithmetic.h"

namespace zc {

// The sweep: level lines y from H - n down to n + 1 (n the horn's step, h = n / 2, H and W the
// picture's size). Before every line the whole planes are copied into the working image; line y
// then replaces row y of the planes, for x = h .. W - h - 1, by
//   r = (back(trunc(S)) + c * B) / (1 + B), clamped to 0 .. 255,
// with c the pixel's byte, B 7 (variants 1 .. 3) or 31 (4 .. 6), and S the sum over the window
// (rows y - h .. y + h - 1, columns x - h .. x + h) of w(dy) * w(dx) times the form's value of the
// working image's byte, in double, rows first, then columns; the white frame follows. Does nothing
// for horn 0 or a variant outside 1 .. 6. progress may be nullptr.
void runSweepReference(const PixelView& work, const PlaneView& planes, const SweepParams& params,
                       SweepProgress* progress);

}  // namespace zc
