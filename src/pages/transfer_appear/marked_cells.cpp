#include "pages/transfer_appear/marked_cells.h"

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZC_MARKED_X86 1
#endif

namespace zc {
namespace {

inline void put(uint8_t* px, MarkColour colour) {
  px[0] = colour.blue;
  px[1] = colour.green;
  px[2] = colour.red;
}

#ifdef ZC_MARKED_X86
// The marks of a polygon's sides are few: sixteen are tested at once and only the marked pixels
// are written. Answers how many cells were done.
__attribute__((target("avx512f"))) long markedAvx512(uint8_t* bytes, const int32_t* marks,
                                                     MarkColour colour, long cells) {
  long i = 0;
  for (; i + 16 <= cells; i += 16) {
    unsigned marked = _mm512_test_epi32_mask(_mm512_loadu_si512(marks + i), _mm512_set1_epi32(-1));
    while (marked) {
      put(bytes + 3 * (i + __builtin_ctz(marked)), colour);
      marked &= marked - 1;
    }
  }
  return i;
}
#endif

}  // namespace

void drawMarkedCells(const PixelView& canvas, const MarkView& markView, MarkColour colour,
                     MarkedCellsTuning tuning) {
  const int32_t* marks = markView.cells;
  const long cells = static_cast<long>(canvas.width) * canvas.height;
  long i = 0;
#ifdef ZC_MARKED_X86
  if (tuning.vectors && hasAvx512Vbmi()) i = markedAvx512(canvas.bytes, marks, colour, cells);
#else
  (void)tuning;
#endif
  for (; i < cells; ++i) {
    if (marks[i] != 0) put(canvas.bytes + 3 * i, colour);
  }
}

}  // namespace zc
