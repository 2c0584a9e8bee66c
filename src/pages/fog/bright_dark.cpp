#include "pages/fog/bright_dark.h"

#include <cstddef>
#include <cstdint>

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZC_BRIGHT_DARK_X86 1
#endif

namespace zc {
namespace {

struct alignas(64) Table {
  uint8_t value[256];
};

#ifdef ZC_BRIGHT_DARK_X86

#define ZC_VBMI __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

// 64 bytes a step: the table in four registers, the low half and the high half looked up
// together and the one each byte's top bit names kept. Returns how many bytes were done.
ZC_VBMI size_t lookUpVbmi(uint8_t* bytes, size_t count, const Table& table) {
  const __m512i t0 = _mm512_load_si512(table.value);
  const __m512i t1 = _mm512_load_si512(table.value + 64);
  const __m512i t2 = _mm512_load_si512(table.value + 128);
  const __m512i t3 = _mm512_load_si512(table.value + 192);
  constexpr __mmask64 kAll = ~__mmask64{0};
  size_t i = 0;
  for (; i + 64 <= count; i += 64) {
    const __m512i v = _mm512_loadu_si512(bytes + i);
    const __m512i lower = _mm512_maskz_permutex2var_epi8(kAll, t0, v, t1);
    const __m512i upper = _mm512_maskz_permutex2var_epi8(kAll, t2, v, t3);
    _mm512_storeu_si512(bytes + i, _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), lower, upper));
  }
  return i;
}

#endif  // ZC_BRIGHT_DARK_X86

}  // namespace

int brightDarkValue(int v, int bright, int dark) {
  constexpr long double kInv255 = 1.0L / 255.0L;
  long double x = static_cast<long double>(v - dark) * 2.55;  // 2.55 as a binary double
  x = x * static_cast<long double>(bright);
  x = x * kInv255;
  if (x >= 255.0L) return 255;
  if (x <= 0.0L) return 0;  // negatives clamp to 0; (-1, 0] truncates to 0 anyway
  return static_cast<int>(x);
}

void applyBrightDark(const PixelView& work, int bright, int dark, BrightDarkTuning tuning) {
  // The result depends on the byte alone, so a table of the 256 answers serves every pixel.
  Table table;
  for (int v = 0; v < 256; ++v) {
    table.value[v] = static_cast<uint8_t>(brightDarkValue(v, bright, dark));
  }
  const size_t count = static_cast<size_t>(work.width) * work.height * 3;
  size_t i = 0;
#ifdef ZC_BRIGHT_DARK_X86
  if (tuning.vectors && hasAvx512Vbmi()) i = lookUpVbmi(work.bytes, count, table);
#else
  (void)tuning;
#endif
  for (; i < count; ++i) work.bytes[i] = table.value[work.bytes[i]];
}

}  // namespace zc
