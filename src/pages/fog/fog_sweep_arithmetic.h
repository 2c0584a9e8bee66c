#pragma once
// What both forms of the Zindle Eye sweep compute, the plain loop (fog_sweep_reference.h) and the
// fast schedule (fog_sweep.h): the request, the weights, the three forms and the white frame.
#include <cstdlib>

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

// The step n of a horn setting: 4, 6, 8, 10, 12, 16, 20, ... 40; 0 for an invalid horn.
int hornStep(int horn);

namespace sweep {

// The forms of a variant: 1 and 4 relative (the value minus the plane's median), 2 and 5 direct, 3
// and 6 inverted (255 minus the value). Variants 1 .. 3 blend a result with the pixel 1 : 7,
// the weak variants 4 .. 6 1 : 31.
constexpr int kFormRelative = 0;
constexpr int kFormDirect = 1;
constexpr int kFormInverted = 2;

inline bool validVariant(int variant) {
  return variant >= 1 && variant <= 6;
}
inline int formOf(int variant) {
  return (variant - 1) % 3;
}
inline int blendOf(int variant) {
  return variant <= 3 ? 7 : 31;
}

// w(d) = ((h - |d|) / h)^6 for |d| <= h, the sixth power formed as five successive
// multiplications.
inline double sweepWeight(int d, int h) {
  const double base = static_cast<double>(h - std::abs(d)) / h;
  double w = base;
  for (int i = 0; i < 5; ++i) w *= base;
  return w;
}

// A byte p (0 .. 255) in a form, and a truncated sum t back from it.
inline int formValue(int form, int p, int median) {
  if (form == kFormRelative) return p - median;
  if (form == kFormDirect) return p;
  return 255 - p;
}
inline int backTransform(int form, int t, int median) {
  if (form == kFormRelative) return t + median;
  if (form == kFormDirect) return t;
  return 255 - t;
}

// Line y shows the working image (every 64th line, not blind) and is marked (every line below
// y = 32 when blind, every 64th otherwise).
inline bool showsImage(const SweepParams& params, int y) {
  return !params.blind && y % 64 == 0;
}
inline bool marksLine(const SweepParams& params, int y) {
  return y > 32 && (params.blind || y % 64 == 0);
}

// The white frame of step n = 2h: rows 0 .. h and H - h .. H - 1, columns 0 .. h and W - h .. W - 1
// of the planes (and of the working image when one is given) set to 255.
void paintFrame(const PlaneView& planes, const PixelView* work, int h);

}  // namespace sweep
}  // namespace zc
