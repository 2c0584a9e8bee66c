#pragma once
#include "core/image_buffers.h"

namespace zc {

// Saturation weight of grey level i (0 .. 255): sqrt(65025 - (i - 255)^2) - i divided by the
// largest such value. It is 0 at both ends and 1 at its peak; outside 0 .. 255 it is 0.
double colorPowerWeight(int greyLevel);

// Color power on the planes, in place. Each pixel's channels move away from (or toward) the
// pixel's grey n = trunc(0.299 R + 0.587 G + 0.114 B): v becomes
// n + trunc((v - n) * 0.01 * P * weight(n)), clamped to 0 .. 255, with P the channel's power
// (percent, 100 leaves the picture as it is; the page gives 1 .. 1000). A grey outside 0 .. 255
// (planes holding such values) has weight 0, so the channels take the grey itself, clamped.
void applyColorPower(const PlaneView& planes, int redPower, int greenPower, int bluePower);

}  // namespace zc
