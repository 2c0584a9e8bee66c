#pragma once
#include "core/image_buffers.h"

namespace zc {

// Draws the zone of a grey range into a picture: every pixel whose grey
// g = trunc(0.299 R + 0.587 G + 0.114 B) lies in greyFrom <= g <= greyTo (both ends included)
// becomes (p, p, p) with p = zoneColor. Bounds 0 .. 255; a range with greyFrom > greyTo (the empty
// range 255 .. 0) matches nothing. zoneColor 0 .. 255. Every pixel of the canvas (rows
// 0 .. height - 1, columns 0 .. width - 1) is examined once; answers how many matched.
long zoneDraw(const PixelView& canvas, int greyFrom, int greyTo, int zoneColor);

// True when the drawn zone leaves fewer than 100 pixels out, or when nothing was examined (the
// area is off): the user is asked to set the area again.
bool zoneCoversAll(long examined, long matched);

}  // namespace zc
