#pragma once
#include "core/image_buffers.h"
#include "pages/fog/fog_sweep_arithmetic.h"

namespace zc {

// The vector unit the fast sweep uses.
enum class SweepIsa { kBest, kPortable, kAvx2, kAvx512 };

// How the fast sweep runs. Every choice gives the same bits; the defaults are the fastest.
struct SweepTuning {
  int threads = 0;  // 0: both cores when the picture is wide enough; otherwise this many (1 or 2)
  SweepIsa isa = SweepIsa::kBest;  // a unit the processor lacks falls back to the next narrower
  // true: each sum comes from the separable form of the kernel unless it lies too near a level
  // boundary, where it is redone in full; false: every sum is done in full.
  bool certified = true;
};

// The vector unit that a request resolves to on this processor.
SweepIsa resolveSweepIsa(SweepIsa requested);

// The sweep. Works in place on the working image and the planes (both of the same size): rows
// from the top of the picture downward, each reading the rows already swept. Does nothing for
// horn 0 or a variant outside 1..6. Bit-identical to runSweepReference (fog_sweep_reference.h).
// progress may be nullptr.
void runSweep(const PixelView& work, const PlaneView& planes, const SweepParams& params,
              SweepProgress* progress);
void runSweep(const PixelView& work, const PlaneView& planes, const SweepParams& params,
              SweepProgress* progress, const SweepTuning& tuning);

}  // namespace zc
