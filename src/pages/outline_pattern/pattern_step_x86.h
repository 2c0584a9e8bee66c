#pragma once
// One step of sixteen pixels of the two-tone pattern, shared by the pattern image and the one-pass
// zone and pattern: the pixels in `zone` become white with mark cell 0, the others grey 192 with
// mark cell 1. Include only where __x86_64__ or __i386__ is defined.
#include <cstdint>

#include "core/cpu_features.h"
#include "core/pixel_steps_x86.h"

namespace zc {

ZC_VBMI inline void storePatternStep(uint8_t* at, int32_t* mark, __mmask16 zone) {
  const __m512i white = _mm512_set1_epi8(static_cast<char>(255));
  const __m512i grey192 = _mm512_set1_epi8(static_cast<char>(192));
  const __m512i values = _mm512_mask_blend_epi8(zone, grey192, white);  // one byte per pixel
  storePixelStep(
      at, _mm512_maskz_permutexvar_epi8(kAll64, _mm512_load_si512(kPixelSpread.index), values));
  _mm512_storeu_si512(mark, _mm512_maskz_set1_epi32(static_cast<__mmask16>(~zone), 1));
}

}  // namespace zc
