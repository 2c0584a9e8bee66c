#include "pages/color/channel_stats.h"

#include <cstdint>

#include "core/cpu_features.h"
#include "core/row_bands.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define ZC_STATS_X86 1
#endif

namespace zc {
namespace {

// Only bins 1 .. 254 are used, so a value outside them is counted in bin 0 whatever it is.
inline uint32_t binOf(int32_t v) {
  return static_cast<uint32_t>(v) - 1u < 254u ? static_cast<uint32_t>(v) : 0u;
}

// Four histograms counted side by side, so that runs of equal values (a photograph's flat areas)
// do not wait on one counter.
struct Counts {
  uint32_t c[4][256] = {};
};

void countCells(const int32_t* p, long cells, Counts& counts) {
  long i = 0;
  for (; i + 4 <= cells; i += 4) {
    ++counts.c[0][binOf(p[i])];
    ++counts.c[1][binOf(p[i + 1])];
    ++counts.c[2][binOf(p[i + 2])];
    ++counts.c[3][binOf(p[i + 3])];
  }
  for (; i < cells; ++i) ++counts.c[0][binOf(p[i])];
}

#ifdef ZC_STATS_X86

#define ZC_VBMI __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

// The bins of a run of cells narrowed to bytes sixteen at a time, then counted from the bytes:
// the count no longer waits on the test of each cell.
ZC_VBMI void countCellsVbmi(const int32_t* p, long cells, Counts& counts) {
  constexpr long kRun = 1024;
  alignas(64) uint8_t bins[kRun];
  const __m512i one = _mm512_set1_epi32(1);
  const __m512i last = _mm512_set1_epi32(253);
  long at = 0;
  for (; at + kRun <= cells; at += kRun) {
    for (long i = 0; i < kRun; i += 16) {
      const __m512i v = _mm512_loadu_si512(p + at + i);
      const __mmask16 inside = _mm512_cmple_epu32_mask(_mm512_sub_epi32(v, one), last);
      _mm_store_si128(reinterpret_cast<__m128i*>(bins + i), _mm512_maskz_cvtepi32_epi8(inside, v));
    }
    for (long i = 0; i < kRun; i += 4) {
      ++counts.c[0][bins[i]];
      ++counts.c[1][bins[i + 1]];
      ++counts.c[2][bins[i + 2]];
      ++counts.c[3][bins[i + 3]];
    }
  }
  countCells(p + at, cells - at, counts);
}

#endif  // ZC_STATS_X86

}  // namespace

void channelPointsFromHistogram(const long (&histogram)[256], int k, ChannelStatsState& stats) {
  long total = 0;
  for (int i = 1; i <= 254; ++i) total += histogram[i];
  const long a = static_cast<long>(total * 0.04);
  const long b = static_cast<long>(total * 0.5);
  const long c = static_cast<long>(total * 0.96);

  long running = 0;
  for (int i = 1; i <= 254; ++i) {
    running += histogram[i];
    if (a > running) stats.low[k] = i;
    if (b > running) stats.median[k] = i;
    if (c > running) stats.high[k] = i;
  }
}

void computeChannelStats(const PlaneView& planes, ChannelStatsState& stats,
                         ChannelStatsTuning tuning) {
  constexpr int kMostBands = 8;
  const int bands = std::min(rowBandCount(planes.height, tuning.bands), kMostBands);
  bool vectors = false;
#ifdef ZC_STATS_X86
  vectors = tuning.vectors && hasAvx512Vbmi();
#endif
  Counts counts[kMostBands][3];
  forRowBands(planes.height, bands, [&](int firstRow, int endRow, int band) {
    const long from = static_cast<long>(firstRow) * planes.width;
    const long cells = static_cast<long>(endRow - firstRow) * planes.width;
    for (int k = 0; k < 3; ++k) {
#ifdef ZC_STATS_X86
      if (vectors) {
        countCellsVbmi(planes.plane[k] + from, cells, counts[band][k]);
        continue;
      }
#endif
      countCells(planes.plane[k] + from, cells, counts[band][k]);
    }
  });
  (void)vectors;
  for (int k = 0; k < 3; ++k) {
    long histogram[256] = {};
    for (int band = 0; band < bands; ++band) {
      for (int v = 0; v < 256; ++v) {
        for (int q = 0; q < 4; ++q) histogram[v] += counts[band][k].c[q][v];
      }
    }
    channelPointsFromHistogram(histogram, k, stats);
  }
}

}  // namespace zc
