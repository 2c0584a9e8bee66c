#pragma once
#include "core/image_buffers.h"

namespace zc {

// One Zindle Eye sweep request.
struct SweepParams {
  int variant = 1;  // 1..6: 1,4 relative form; 2,5 direct; 3,6 inverted; 4..6 weak blend 1:31
  int horn = 0;     // 1..12 (A..L); 0 = none: no sweep
  int blind = 0;    // blind mode
  int median[3] = {0, 0, 0};  // median reference per plane (blue, green, red), 0..255
};

// What a sweep shows while it runs. Called on the calling thread.
class SweepProgress {
 public:
  virtual ~SweepProgress() = default;
  // Every 64th level line when blind mode is off: the working image now holds every line
  // computed so far and the white frame (exactly what the plain loop would hold at that moment).
  virtual void showWorkingImage() = 0;
  // The level-line mark of line y for step n (the caller maps it to window coordinates:
  // y > 32 and y % 64 == 0 when not blind; every y > 32 when blind).
  virtual void levelLineMark(int y, int n) = 0;
};

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

// The step n of a horn setting: 4, 6, 8, 10, 12, 16, 20, ... 40; 0 for an invalid horn.
int hornStep(int horn);

// The sweep. Works in place on the working image and the planes (both of the same size): rows
// from the top of the picture downward, each reading the rows already swept. Does nothing for
// horn 0 or a variant outside 1..6. Bit-identical to runSweepReference. progress may be nullptr.
void runSweep(const PixelView& work, const PlaneView& planes, const SweepParams& params,
              SweepProgress* progress);
void runSweep(const PixelView& work, const PlaneView& planes, const SweepParams& params,
              SweepProgress* progress, const SweepTuning& tuning);

// The plain sweep loop: the kernel built for every line, the whole planes copied into the working
// image before every line, the full window summed per pixel in double, rows then columns.
void runSweepReference(const PixelView& work, const PlaneView& planes, const SweepParams& params,
                       SweepProgress* progress);

}  // namespace zc
