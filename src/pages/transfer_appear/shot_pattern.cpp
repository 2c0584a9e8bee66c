#include "pages/transfer_appear/shot_pattern.h"

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZC_SHOT_X86 1
#endif

namespace zc {
namespace {

#ifdef ZC_SHOT_X86
// Sixteen cells a step: the zone colour stored into the three planes under the cells whose mark
// is 0, nothing stored where no mark of the step is. Answers how many cells were done.
__attribute__((target("avx512f"))) long shotAvx512(const PlaneView& planes, const int32_t* marks,
                                                   int zoneColor, long cells) {
  const __m512i zone = _mm512_set1_epi32(zoneColor);
  int32_t* const b = planes.plane[0];
  int32_t* const g = planes.plane[1];
  int32_t* const r = planes.plane[2];
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    const __mmask16 take =
        _mm512_testn_epi32_mask(_mm512_loadu_si512(marks + i), _mm512_set1_epi32(-1));
    if (!take) continue;
    if (take == 0xFFFF) {
      _mm512_storeu_si512(b + i, zone);
      _mm512_storeu_si512(g + i, zone);
      _mm512_storeu_si512(r + i, zone);
      continue;
    }
    _mm512_mask_storeu_epi32(b + i, take, zone);
    _mm512_mask_storeu_epi32(g + i, take, zone);
    _mm512_mask_storeu_epi32(r + i, take, zone);
  }
  return i;
}
#endif

}  // namespace

void shotPattern(const PlaneView& planes, const MarkView& markView, int zoneColor,
                 ShotPatternTuning tuning) {
  const int32_t* marks = markView.cells;
  const long cells = static_cast<long>(planes.width) * planes.height;
  long i = 0;
#ifdef ZC_SHOT_X86
  if (tuning.vectors && hasAvx512Vbmi()) i = shotAvx512(planes, marks, zoneColor, cells);
#else
  (void)tuning;
#endif
  for (; i < cells; ++i) {
    if (marks[i] != 0) continue;
    planes.plane[0][i] = planes.plane[1][i] = planes.plane[2][i] = zoneColor;
  }
}

}  // namespace zc
