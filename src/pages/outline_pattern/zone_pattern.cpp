#include "pages/outline_pattern/zone_pattern.h"

#include "core/cpu_features.h"
#include "core/grey.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "pages/outline_pattern/pattern_step_x86.h"
#endif

namespace zc {

namespace {

// One pixel as the plain steps take it; the answer's counts go up by what it adds.
inline void onePixel(uint8_t* px, int32_t* mark, uint8_t p, int greyFrom, int greyTo, long& matched,
                     long& patternCount) {
  const int32_t g = greyOf(px[2], px[1], px[0]);
  const bool inRange = greyFrom <= g && g <= greyTo;
  // Every pixel is written, so the choice compiles to selects rather than branches that the
  // unpredictable edges of a photograph would keep mispredicting.
  const bool zone = inRange || (px[0] == p && px[1] == p && px[2] == p);
  const uint8_t v = zone ? 255 : 192;
  px[0] = px[1] = px[2] = v;
  *mark = zone ? 0 : 1;
  matched += inRange ? 1 : 0;
  patternCount += zone ? 0 : 1;
}

#if defined(__x86_64__) || defined(__i386__)
#define ZC_ZONE_X86 1

#define ZC_VBMI_DQ __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi,avx512dq")))

ZC_VBMI_DQ int rowVbmi(uint8_t* px, int32_t* mark, int width, uint8_t p, int greyFrom, int greyTo,
                       long& matched, long& patternCount) {
  const __m512i gather = _mm512_load_si512(kChannelGather.index);
  const __m512i zoneByte = _mm512_set1_epi8(static_cast<char>(p));
  const __m512i from = _mm512_set1_epi32(greyFrom), to = _mm512_set1_epi32(greyTo);
  const __m512i thousand = _mm512_set1_epi32(1000), inverse = _mm512_set1_epi64(4294968);
  int x = 0;
  for (; x + 16 <= width; x += 16) {
    uint8_t* at = px + 3 * x;
    const bool whole = x + 32 <= width;
    const __m512i bytes = loadPixelStep(at, whole);
    const __m512i byPlane = _mm512_maskz_permutexvar_epi8(kAll64, gather, bytes);
    const __m512i b =
        _mm512_maskz_cvtepu8_epi32(0xFFFF, _mm512_maskz_extracti32x4_epi32(0xF, byPlane, 0));
    const __m512i g =
        _mm512_maskz_cvtepu8_epi32(0xFFFF, _mm512_maskz_extracti32x4_epi32(0xF, byPlane, 1));
    const __m512i r =
        _mm512_maskz_cvtepu8_epi32(0xFFFF, _mm512_maskz_extracti32x4_epi32(0xF, byPlane, 2));
    const __m512i t =
        _mm512_add_epi32(_mm512_add_epi32(_mm512_mullo_epi32(r, _mm512_set1_epi32(299)),
                                          _mm512_mullo_epi32(g, _mm512_set1_epi32(587))),
                         _mm512_mullo_epi32(b, _mm512_set1_epi32(114)));
    // Even and odd lanes through 64-bit products.
    const __m512i even =
        _mm512_maskz_srli_epi64(0xFF, _mm512_maskz_mul_epu32(0xFF, t, inverse), 32);
    const __m512i odd = _mm512_maskz_mul_epu32(0xFF, _mm512_maskz_srli_epi64(0xFF, t, 32), inverse);
    const __m512i q = _mm512_mask_blend_epi32(0xAAAA, even, odd);
    if (_mm512_cmpeq_epi32_mask(_mm512_mullo_epi32(q, thousand), t)) {
      for (int j = 0; j < 16; ++j)
        onePixel(at + 3 * j, mark + x + j, p, greyFrom, greyTo, matched, patternCount);
      continue;
    }
    const __mmask16 inRange = _mm512_cmpge_epi32_mask(q, from) & _mm512_cmple_epi32_mask(q, to);
    const uint64_t same = _mm512_cmpeq_epi8_mask(byPlane, zoneByte);
    const __mmask16 zone = inRange | static_cast<__mmask16>(same & (same >> 16) & (same >> 32));
    storePatternStep(at, mark + x, zone);
    matched += __builtin_popcount(inRange);
    patternCount += 16 - __builtin_popcount(zone);
  }
  return x;
}

bool hasVbmi() {
  return hasAvx512Vbmi() && hasAvx512Dq();
}
#endif

}  // namespace

ZonePatternCounts zoneAndPattern(const PixelView& canvas, const MarkView& marks, int greyFrom,
                                 int greyTo, int zoneColor, ZonePatternTuning tuning) {
  int32_t* markPlane = marks.cells;
  const uint8_t p = static_cast<uint8_t>(zoneColor);
  long matched = 0, patternCount = 0;  // locals: byte stores may alias the answer's memory
  bool vectors = false;
#ifdef ZC_ZONE_X86
  vectors = tuning.vectors && hasVbmi();
#else
  (void)tuning;
#endif
  for (int r = 0; r < canvas.height; ++r) {
    uint8_t* px = canvas.at(0, r);
    int32_t* mark = markPlane + static_cast<long>(r) * canvas.width;
    int k = 0;
#ifdef ZC_ZONE_X86
    if (vectors) k = rowVbmi(px, mark, canvas.width, p, greyFrom, greyTo, matched, patternCount);
#endif
    for (; k < canvas.width; ++k) {
      onePixel(px + 3 * k, mark + k, p, greyFrom, greyTo, matched, patternCount);
    }
  }
  return ZonePatternCounts{matched, static_cast<long>(canvas.width) * canvas.height - patternCount};
}

}  // namespace zc
