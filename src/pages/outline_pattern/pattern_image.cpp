#include "pages/outline_pattern/pattern_image.h"

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
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

// Byte 3 j + k of sixteen pixels comes from pixel j.
struct alignas(64) ToPixel {
  uint8_t index[64];
  constexpr ToPixel() : index() {
    for (int b = 0; b < 48; ++b) index[b] = static_cast<uint8_t>(b / 3);
  }
};
constexpr ToPixel kToPixel{};

#define ZC_VBMI __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

// Sixteen pixels a step; answers how many pixels of the row were done and adds the white ones to
// `zoneCount`.
ZC_VBMI int rowVbmi(uint8_t* px, int32_t* mark, int width, uint8_t p, long& zoneCount) {
  const __m512i gather = _mm512_load_si512(kChannelGather.index);
  const __m512i toPixel = _mm512_load_si512(kToPixel.index);
  const __m512i zoneByte = _mm512_set1_epi8(static_cast<char>(p));
  const __m512i white = _mm512_set1_epi8(static_cast<char>(255));
  const __m512i grey192 = _mm512_set1_epi8(static_cast<char>(192));
  constexpr __mmask64 kFortyEightBytes = (__mmask64{1} << 48) - 1;
  constexpr __mmask64 kAll = ~__mmask64{0};
  int x = 0;
  for (; x + 16 <= width; x += 16) {
    uint8_t* at = px + 3 * x;
    const bool whole = x + 32 <= width;
    const __m512i bytes =
        whole ? _mm512_loadu_si512(at) : _mm512_maskz_loadu_epi8(kFortyEightBytes, at);
    const uint64_t same =
        _mm512_cmpeq_epi8_mask(_mm512_maskz_permutexvar_epi8(kAll, gather, bytes), zoneByte);
    const __mmask16 zone = static_cast<__mmask16>(same & (same >> 16) & (same >> 32));
    const __m512i values = _mm512_mask_blend_epi8(zone, grey192, white);  // one byte per pixel
    // The step's 48 bytes as 32 and 16: a store reaching into the next step's bytes would keep
    // that step's load from being served until the store has gone out.
    const __m512i out = _mm512_maskz_permutexvar_epi8(kAll, toPixel, values);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(at),
                        _mm512_maskz_extracti64x4_epi64(0xF, out, 0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 32),
                     _mm512_maskz_extracti32x4_epi32(0xF, out, 2));
    _mm512_storeu_si512(mark + x, _mm512_maskz_set1_epi32(static_cast<__mmask16>(~zone), 1));
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
