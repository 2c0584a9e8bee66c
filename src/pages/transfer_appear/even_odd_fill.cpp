#include "pages/transfer_appear/even_odd_fill.h"

#include <cstring>
#include <vector>

#include "core/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include "core/pixel_steps_x86.h"
#define ZC_FILL_X86 1
#endif

namespace zc {
namespace {

// How the fast form goes. The boundary cells of a line are found sixteen at a time and each pair's
// run is painted as one stretch of bytes (every byte of a painted pixel is e). The sandwich pass
// works on one bit per pixel, set where the pixel is exactly (e, e, e): a row's pixels to paint
// are the bits of both neighbours less its own, a word of 64 pixels at a time, and only those
// pixels are written. Along rows (cut mode 1) each row is tested against the row below as already
// passed and the row above as it stands, as the plain loop does. Along a row (cut mode 2) a pixel
// the pass paints has (e, e, e) on its right, so its right neighbour is (e, e, e) already and
// stays so: testing every pixel against the row as it was before the pass gives the same pixels.

constexpr int32_t kBoundary = 1;

#ifdef ZC_FILL_X86
#define ZC_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

bool hasVbmi() {
  return hasAvx512Vbmi();
}

ZC_AVX512 int boundaryColumnsVbmi(const int32_t* row, int width, std::vector<int>& out) {
  const __m512i boundary = _mm512_set1_epi32(kBoundary);
  int c = 0;
  for (; c + 16 <= width; c += 16) {
    unsigned hits = _mm512_cmpeq_epi32_mask(_mm512_loadu_si512(row + c), boundary);
    while (hits) {
      out.push_back(c + __builtin_ctz(hits));
      hits &= hits - 1;
    }
  }
  return c;
}

// Bits of the pixels 0 .. done - 1 of the row that are (e, e, e), sixteen at a time.
ZC_AVX512 int fillBitsVbmi(const uint8_t* row, int width, uint8_t e, uint64_t* bits) {
  const __m512i gather = _mm512_load_si512(kChannelGather.index);
  const __m512i fill = _mm512_set1_epi8(static_cast<char>(e));
  int c = 0;
  for (; c + 16 <= width; c += 16) {
    const __m512i bytes = loadPixelStep(row + 3 * c, c + 32 <= width);
    const __m512i byPlane = _mm512_maskz_permutexvar_epi8(~__mmask64{0}, gather, bytes);
    const uint64_t same = _mm512_cmpeq_epi8_mask(byPlane, fill);
    const uint64_t pixels = same & (same >> 16) & (same >> 32) & 0xFFFFu;
    bits[c >> 6] |= pixels << (c & 63);
  }
  return c;
}
#endif

// The columns of the boundary cells of one line of marks, in increasing order.
void boundaryColumns(const int32_t* row, int width, bool vectors, std::vector<int>& out) {
  out.clear();
  int c = 0;
#ifdef ZC_FILL_X86
  if (vectors) c = boundaryColumnsVbmi(row, width, out);
#else
  (void)vectors;
#endif
  for (; c < width; ++c) {
    if (row[c] == kBoundary) out.push_back(c);
  }
}

// One bit per pixel of a row, set where the pixel is (e, e, e).
void fillBits(const uint8_t* row, int width, uint8_t e, bool vectors, uint64_t* bits) {
  const int words = (width + 63) / 64;
  std::fill(bits, bits + words, 0);
  int c = 0;
#ifdef ZC_FILL_X86
  if (vectors) c = fillBitsVbmi(row, width, e, bits);
#else
  (void)vectors;
#endif
  for (; c < width; ++c) {
    const uint8_t* p = row + 3 * c;
    if (p[0] == e && p[1] == e && p[2] == e) bits[c >> 6] |= uint64_t{1} << (c & 63);
  }
}

// Paints the pixels of the row whose bits are set.
void paintBits(uint8_t* row, const uint64_t* bits, int words, uint8_t e) {
  for (int i = 0; i < words; ++i) {
    for (uint64_t w = bits[i]; w; w &= w - 1) {
      std::memset(row + 3 * (64 * i + __builtin_ctzll(w)), e, 3);
    }
  }
}

void fillRows(const PixelView& canvas, const int32_t* marks, uint8_t e, bool vectors) {
  const int w = canvas.width, h = canvas.height;
  std::vector<int> columns;
  for (int r = 0; r < h; ++r) {
    boundaryColumns(marks + static_cast<long>(r) * w, w, vectors, columns);
    for (size_t k = 1; k < columns.size(); k += 2) {
      std::memset(canvas.at(columns[k - 1], r), e,
                  3 * static_cast<size_t>(columns[k] - columns[k - 1] + 1));
    }
  }
  if (h < 3) return;
  // Rows r - 1 (as passed), r and r + 1 (as they stand).
  const int words = (w + 63) / 64;
  std::vector<uint64_t> store(3 * static_cast<size_t>(words));
  uint64_t* below = store.data();
  uint64_t* row = below + words;
  uint64_t* above = row + words;
  fillBits(canvas.at(0, 0), w, e, vectors, below);
  fillBits(canvas.at(0, 1), w, e, vectors, row);
  for (int r = 1; r + 1 < h; ++r) {
    fillBits(canvas.at(0, r + 1), w, e, vectors, above);
    for (int i = 0; i < words; ++i) {
      below[i] &= above[i] & ~row[i];  // the pixels to paint
    }
    paintBits(canvas.at(0, r), below, words, e);
    for (int i = 0; i < words; ++i) below[i] |= row[i];  // row r as passed
    std::swap(row, above);
  }
}

void fillColumns(const PixelView& canvas, const int32_t* marks, uint8_t e, bool vectors) {
  const int w = canvas.width, h = canvas.height;
  // Row by row, each column's unpaired row waits in `open`; the painting of the plain loop's
  // column order and of this row order paint the same pixels.
  std::vector<int> open(static_cast<size_t>(w), -1);
  std::vector<int> columns;
  for (int r = 0; r < h; ++r) {
    boundaryColumns(marks + static_cast<long>(r) * w, w, vectors, columns);
    for (const int c : columns) {
      if (open[c] < 0) {
        open[c] = r;
        continue;
      }
      for (int k = open[c]; k <= r; ++k) std::memset(canvas.at(c, k), e, 3);
      open[c] = -1;
    }
  }
  if (w < 3) return;
  const int words = (w + 63) / 64;
  std::vector<uint64_t> bits(static_cast<size_t>(words)), paint(static_cast<size_t>(words));
  for (int r = 0; r < h; ++r) {
    fillBits(canvas.at(0, r), w, e, vectors, bits.data());
    // Pixel c is painted when c - 1 and c + 1 are (e, e, e) and it is not yet: c from 1 to w - 2.
    for (int i = 0; i < words; ++i) {
      const uint64_t left = bits[i] << 1 | (i > 0 ? bits[i - 1] >> 63 : 0);
      const uint64_t right = bits[i] >> 1 | (i + 1 < words ? bits[i + 1] << 63 : 0);
      paint[i] = left & right & ~bits[i];
    }
    paint[0] &= ~uint64_t{1};
    paint[(w - 1) >> 6] &= ~(uint64_t{1} << ((w - 1) & 63));
    paintBits(canvas.at(0, r), paint.data(), words, e);
  }
}

}  // namespace

void evenOddFill(const PixelView& canvas, const MarkView& markView, int cutMode, int fillValue,
                 EvenOddFillTuning tuning) {
  const int32_t* marks = markView.cells;
  const uint8_t e = static_cast<uint8_t>(fillValue);
  bool vectors = false;
#ifdef ZC_FILL_X86
  vectors = tuning.vectors && hasVbmi();
#else
  (void)tuning;
#endif
  if (cutMode == 1) {
    fillRows(canvas, marks, e, vectors);
  } else {
    fillColumns(canvas, marks, e, vectors);
  }
}

}  // namespace zc
