#include "pages/fog/fog_sweep_reference.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace zc {
namespace {

using namespace sweep;

void computeLevelLineReference(const PixelView& work, const PlaneView& planes,
                               const SweepParams& params, int n, int y) {
  const int h = n / 2;
  const int width = work.width;
  const int columns = 2 * h + 1;
  std::vector<double> kernel(static_cast<size_t>(2 * h) * columns);
  for (int dy = -h; dy < h; ++dy) {
    for (int dx = -h; dx <= h; ++dx) {
      kernel[(dy + h) * columns + dx + h] = sweepWeight(dy, h) * sweepWeight(dx, h);
    }
  }
  // The normalising divisor: the weights truncated toward zero, summed by absolute value. Only the
  // centre weight 1 survives, so it is 1.
  int divisor = 0;
  for (double k : kernel) divisor += std::abs(static_cast<int>(k));
  if (divisor == 0) divisor = 1;

  const int form = formOf(params.variant);
  const int a = 1;
  const int b = blendOf(params.variant);
  for (int x = h; x <= width - h - 1; ++x) {
    for (int k = 0; k < 3; ++k) {
      const int m = params.median[k];
      const int c = work.at(x, y)[k];
      double s = 0.0;
      for (int dy = -h; dy < h; ++dy) {
        for (int dx = -h; dx <= h; ++dx) {
          s += kernel[(dy + h) * columns + dx + h] * formValue(form, work.at(x + dx, y + dy)[k], m);
        }
      }
      const int t = static_cast<int>(s / divisor);
      int r = (backTransform(form, t, m) * a + c * b) / (a + b);
      r = std::min(r, 255);
      r = std::max(r, 0);
      planes.plane[k][planes.index(x, y)] = r;
    }
  }
  paintFrame(planes, nullptr, h);
}

}  // namespace

void runSweepReference(const PixelView& work, const PlaneView& planes, const SweepParams& params,
                       SweepProgress* progress) {
  const int n = hornStep(params.horn);
  if (n == 0 || !validVariant(params.variant)) return;
  for (int y = work.height - n; y >= n + 1; --y) {
    copyPlanesToPixels(planes, work);
    if (progress && showsImage(params, y)) progress->showWorkingImage();
    computeLevelLineReference(work, planes, params, n, y);
    if (progress && marksLine(params, y)) progress->levelLineMark(y, n);
  }
  copyPlanesToPixels(planes, work);
}

}  // namespace zc
