#include "pages/transfer_appear/pass_zone.h"

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/pixel_steps_x86.h"
#define ZC_PASS_X86 1
#endif

namespace zc {
namespace {

#ifdef ZC_PASS_X86

// Perfect black and perfect white sixteen pixels at a time: every byte of the pixel equal to
// `value`. Returns how many pixels were marked; the rest are left to the plain loop.
__attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi"))) long markExactVbmi(const uint8_t* p,
                                                                                   long cells,
                                                                                   uint8_t value,
                                                                                   uint8_t* mask) {
  const __m512i gather = _mm512_load_si512(kChannelGather.index);
  const __m512i wanted = _mm512_set1_epi8(static_cast<char>(value));
  const __m128i one = _mm_set1_epi8(1);
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    const __m512i bytes = loadPixelStep(p + 3 * i, i + 32 <= cells);
    const uint64_t same =
        _mm512_cmpeq_epi8_mask(_mm512_maskz_permutexvar_epi8(~__mmask64{0}, gather, bytes), wanted);
    const __mmask16 pass = static_cast<__mmask16>(same & (same >> 16) & (same >> 32));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(mask + i), _mm_maskz_mov_epi8(pass, one));
  }
  return i;
}

bool hasVbmi() {
  return hasAvx512Vbmi();
}
#endif

// Perfect black or white: sixteen pixels a step where the machine has AVX-512 VBMI, the rest one
// by one.
void markExact(const PixelView& picture, uint8_t value, uint8_t* mask) {
  const long cells = static_cast<long>(picture.width) * picture.height;
  long i = 0;
#ifdef ZC_PASS_X86
  if (hasVbmi()) i = markExactVbmi(picture.bytes, cells, value, mask);
#endif
  for (const uint8_t* p = picture.bytes + 3 * i; i < cells; ++i, p += 3) {
    mask[i] = p[0] == value && p[1] == value && p[2] == value ? 1 : 0;
  }
}

// One loop per test, so that the mode and the condition are decided once per picture.
template <class Test>
void markEach(const PixelView& picture, uint8_t* mask, Test passes) {
  const long cells = static_cast<long>(picture.width) * picture.height;
  const uint8_t* p = picture.bytes;
  for (long i = 0; i < cells; ++i, p += 3) mask[i] = passes(p[2], p[1], p[0]) ? 1 : 0;
}

}  // namespace

void markPassZone(const PixelView& picture, const PassZone& zone, uint8_t* mask) {
  const int f = zone.start, t = zone.end;
  auto in = [f, t](int v) { return v >= f && v <= t; };
  const bool condition = zone.mode == 3 || zone.mode == 4;
  if (zone.mode == 1) {
    markExact(picture, 0, mask);
  } else if (zone.mode == 2) {
    markExact(picture, 255, mask);
  } else if (condition && zone.condition == 2) {
    markEach(picture, mask, [&](int r, int g, int b) { return in(greyOf(r, g, b)); });
  } else if (condition && zone.condition == 1) {
    markEach(picture, mask, [&](int r, int g, int b) { return in(r) && in(g) && in(b); });
  } else {
    // The single and double channel conditions, and zones that pass nothing.
    markEach(picture, mask, [&](int r, int g, int b) { return passesZone(zone, r, g, b); });
  }
}

}  // namespace zc
