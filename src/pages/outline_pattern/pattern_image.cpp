#include "pages/outline_pattern/pattern_image.h"

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "pages/outline_pattern/pattern_step_x86.h"
#define ZC_PATTERN_X86 1
#endif

namespace zc {
namespace {

// One pixel as the plain loop takes it; answers 1 when it became white.
inline long onePixel(uint8_t* px, int32_t* mark, uint8_t p) {
  const bool zone = px[0] == p && px[1] == p && px[2] == p;
  const uint8_t v = zone ? 255 : 192;
  px[0] = px[1] = px[2] = v;
  *mark = zone ? 0 : 1;
  return zone ? 1 : 0;
}

#ifdef ZC_PATTERN_X86

// Sixteen pixels a step; answers how many pixels of the row were done and adds the white ones to
// `zoneCount`.
ZC_VBMI int rowVbmi(uint8_t* px, int32_t* mark, int width, uint8_t p, long& zoneCount) {
  const __m512i gather = _mm512_load_si512(kChannelGather.index);
  const __m512i zoneByte = _mm512_set1_epi8(static_cast<char>(p));
  int x = 0;
  for (; x + 16 <= width; x += 16) {
    uint8_t* at = px + 3 * x;
    const bool whole = x + 32 <= width;
    const __m512i bytes = loadPixelStep(at, whole);
    const uint64_t same =
        _mm512_cmpeq_epi8_mask(_mm512_maskz_permutexvar_epi8(kAll64, gather, bytes), zoneByte);
    const __mmask16 zone = static_cast<__mmask16>(same & (same >> 16) & (same >> 32));
    storePatternStep(at, mark + x, zone);
    zoneCount += __builtin_popcount(zone);
  }
  return x;
}

#endif  // ZC_PATTERN_X86

}  // namespace

long patternImage(const PixelView& canvas, const MarkView& marks, int zoneColor,
                  PatternImageTuning tuning) {
  int32_t* markPlane = marks.cells;
  const uint8_t p = static_cast<uint8_t>(zoneColor);
  long zoneCount = 0;  // a local: byte stores may alias the answer's memory
  bool vectors = false;
#ifdef ZC_PATTERN_X86
  vectors = tuning.vectors && hasAvx512Vbmi();
#else
  (void)tuning;
#endif
  for (int r = 0; r < canvas.height; ++r) {
    uint8_t* px = canvas.at(0, r);
    int32_t* mark = markPlane + static_cast<long>(r) * canvas.width;
    int k = 0;
#ifdef ZC_PATTERN_X86
    if (vectors) k = rowVbmi(px, mark, canvas.width, p, zoneCount);
#endif
    for (; k < canvas.width; ++k) zoneCount += onePixel(px + 3 * k, mark + k, p);
  }
  return zoneCount;
}

}  // namespace zc
