#pragma once
// Rows of a 24-bit picture (blue, green, red bytes) as the surface's 32-bit pixels, opaque:
// 0xffRRGGBB. The fast form is bit for bit the plain loop.
#include <cstdint>

namespace zc {

void bgrToOpaqueRgb32(const uint8_t* bgr, uint32_t* out, int pixels);
void bgrToOpaqueRgb32Reference(const uint8_t* bgr, uint32_t* out, int pixels);

}  // namespace zc
