#include "platform/pixel_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZC_ROWS_X86 1
#endif

namespace zc {

void bgrToOpaqueRgb32Reference(const uint8_t* bgr, uint32_t* out, int pixels) {
  for (int c = 0; c < pixels; ++c, bgr += 3) {
    out[c] = 0xff000000u | (uint32_t{bgr[2]} << 16) | (uint32_t{bgr[1]} << 8) | uint32_t{bgr[0]};
  }
}

#ifdef ZC_ROWS_X86
namespace {

// Four pixels a step: twelve bytes spread over sixteen, the fourth byte of each made 0xff. Each
// step reads sixteen bytes, so the last four pixels or more are left to the plain loop.
__attribute__((target("ssse3"))) int bgrToOpaqueRgb32Ssse3(const uint8_t* bgr, uint32_t* out,
                                                           int pixels) {
  const __m128i spread =
      _mm_setr_epi8(0, 1, 2, -128, 3, 4, 5, -128, 6, 7, 8, -128, 9, 10, 11, -128);
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
  int c = 0;
  for (; c + 6 <= pixels; c += 4) {
    const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bgr + 3 * c));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + c),
                     _mm_or_si128(_mm_shuffle_epi8(in, spread), opaque));
  }
  return c;
}

}  // namespace
#endif

void bgrToOpaqueRgb32(const uint8_t* bgr, uint32_t* out, int pixels) {
  int done = 0;
#ifdef ZC_ROWS_X86
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  if (ssse3) done = bgrToOpaqueRgb32Ssse3(bgr, out, pixels);
#endif
  bgrToOpaqueRgb32Reference(bgr + 3 * done, out + done, pixels - done);
}

}  // namespace zc
