#pragma once
// What the sixteen-pixels-a-step kernels share on x86: their instruction set, the masks of a
// step's 48 bytes and of every lane, and the load and store of one step of 3-byte pixels.
// Include only where __x86_64__ or __i386__ is defined.
#include <immintrin.h>

#include <cstdint>

#define ZC_VBMI __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

namespace zc {

inline constexpr __mmask64 kFortyEightBytes = (__mmask64{1} << 48) - 1;
// The masked forms throughout: the unmasked ones leave GCC 12 warning of undefined lanes.
inline constexpr __mmask16 kAll16 = 0xFFFF;
inline constexpr __mmask64 kAll64 = ~__mmask64{0};

// The 48 bytes of sixteen pixels at `at`; `whole` says the 64 bytes from there may be read (the
// next step's pixels follow), which is the faster load.
ZC_VBMI inline __m512i loadPixelStep(const uint8_t* at, bool whole) {
  return whole ? _mm512_loadu_si512(at) : _mm512_maskz_loadu_epi8(kFortyEightBytes, at);
}

// The low 48 bytes of `v` stored at `at` as 32 and 16: a store reaching into the next step's
// bytes would keep that step's load waiting until it is done.
ZC_VBMI inline void storePixelStep(uint8_t* at, __m512i v) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(at), _mm512_maskz_extracti64x4_epi64(0xF, v, 0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(at + 32), _mm512_maskz_extracti32x4_epi32(0xF, v, 2));
}

}  // namespace zc
