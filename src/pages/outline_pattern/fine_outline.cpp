#include "pages/outline_pattern/fine_outline.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#include "pages/outline_pattern/fine_outline_reference.h"

namespace zc {
namespace {

// How the fast form goes. Each row of the planes enters a band once, as 16-bit lanes, together
// with what the neighbouring rows reuse from it: the sums of horizontal neighbour pairs (the
// corner groups take a pair and one cell) and the means of horizontal triples (the row groups of
// the rows above and below). The column groups of a row are the means of vertical triples, one
// pass per row. The loops are plain lanes of small integers, compiled for AVX-512 and AVX2 where
// the machine has them, and the rows are cut into two bands worked at the same time.
//
// Grey in integers: for means R, G, B in 0..255 and t = 299 R + 587 G + 114 B, the double
// 0.299 R + 0.587 G + 0.114 B lies within 1e-12 of t / 1000, so it truncates to t / 1000
// (integer division) whenever t is no multiple of 1000; when t is one, the double may fall just
// short and truncate to one less. So the fast form takes q = t / 1000 for every group and notes
// where t was a multiple of 1000. A pair's decision |qA - qB| > judge can only differ from the
// exact one there and when |qA - qB| is judge or judge + 1; those pixels are decided by the
// plain loop's pixel test. (A test checks the claim over all 256^3 colours.)

constexpr uint8_t kEdge = 1;       // an outline pixel
constexpr uint8_t kUncertain = 2;  // an integer grey may be one too high: decide exactly

#define ZC_INLINE [[gnu::always_inline]] inline

// One row of the planes as it entered the band.
struct RowLanes {
  bool inRange = false;  // every cell of the row is within 0..255
  uint16_t* value[3];    // the cells
  uint16_t* pair[3];     // value[k] + value[k + 1], k < width - 1
  uint16_t* mean[3];     // (value[k - 1] + value[k] + value[k + 1]) / 3, 1 <= k < width - 1
  uint16_t* grey;        // integer grey of the means
  uint8_t* exact;        // its t was a multiple of 1000
};

// What a row's mask needs: the rows r - 1, r, r + 1 and the column means of row r.
struct MaskJob {
  const RowLanes* up;
  const RowLanes* mid;
  const RowLanes* down;
  uint16_t* columnMean[3];  // (up + mid + down) / 3 per column
  uint16_t* columnGrey;
  uint8_t* columnExact;
  uint8_t* mask;  // kEdge / kUncertain per column 2 .. width - 3
  int width;
  int judge;  // limited to -1 .. 255, where every difference of means lies
  int condition;
};

// 1000 times the grey of the means, exactly.
ZC_INLINE uint32_t weighted(uint16_t red, uint16_t green, uint16_t blue) {
  return 299u * red + 587u * green + 114u * blue;
}

ZC_INLINE void greyOfMeans(const uint16_t* const mean[3], int from, int to,
                           uint16_t* __restrict grey, uint8_t* __restrict exact) {
  const uint16_t* __restrict blue = mean[0];
  const uint16_t* __restrict green = mean[1];
  const uint16_t* __restrict red = mean[2];
  for (int k = from; k < to; ++k) {
    const uint32_t t = weighted(red[k], green[k], blue[k]);
    const uint32_t q = t / 1000u;
    grey[k] = static_cast<uint16_t>(q);
    exact[k] = t == q * 1000u;
  }
}

ZC_INLINE bool loadRowBody(const PlaneView& planes, int r, bool withGrey, RowLanes& lanes) {
  const int width = planes.width;
  uint32_t bits = 0;
  for (int c = 0; c < 3; ++c) {
    const int32_t* __restrict source = planes.plane[c] + planes.index(0, r);
    uint16_t* __restrict value = lanes.value[c];
    for (int k = 0; k < width; ++k) {
      bits |= static_cast<uint32_t>(source[k]);
      value[k] = static_cast<uint16_t>(source[k]);
    }
  }
  lanes.inRange = (bits & ~0xFFu) == 0;
  if (!lanes.inRange) return false;
  for (int c = 0; c < 3; ++c) {
    const uint16_t* __restrict value = lanes.value[c];
    uint16_t* __restrict pair = lanes.pair[c];
    uint16_t* __restrict mean = lanes.mean[c];
    for (int k = 0; k < width - 1; ++k) pair[k] = static_cast<uint16_t>(value[k] + value[k + 1]);
    for (int k = 1; k < width - 1; ++k) {
      mean[k] = static_cast<uint16_t>((value[k - 1] + value[k] + value[k + 1]) / 3);
    }
  }
  if (withGrey) greyOfMeans(lanes.mean, 1, width - 1, lanes.grey, lanes.exact);
  return true;
}

ZC_INLINE void columnMeansBody(const MaskJob& job) {
  for (int c = 0; c < 3; ++c) {
    const uint16_t* __restrict up = job.up->value[c];
    const uint16_t* __restrict mid = job.mid->value[c];
    const uint16_t* __restrict down = job.down->value[c];
    uint16_t* __restrict mean = job.columnMean[c];
    for (int k = 1; k < job.width - 1; ++k) {
      mean[k] = static_cast<uint16_t>((up[k] + mid[k] + down[k]) / 3);
    }
  }
}

// The lanes one plane's test reads, as plain pointers so that the loops stay free of aliasing.
struct PlaneLanes {
  const uint16_t* upMean;
  const uint16_t* downMean;
  const uint16_t* columnMean;
  const uint16_t* upPair;
  const uint16_t* downPair;
  const uint16_t* mid;
};
ZC_INLINE PlaneLanes planeLanes(const MaskJob& job, int c) {
  return PlaneLanes{job.up->mean[c], job.down->mean[c], job.columnMean[c],
                    job.up->pair[c], job.down->pair[c], job.mid->value[c]};
}

ZC_INLINE int exceeds(int16_t difference, int16_t judge) {
  return (difference > judge) | (static_cast<int16_t>(-difference) > judge);
}
ZC_INLINE uint16_t third(uint16_t sum) {
  return static_cast<uint16_t>(sum / 3);
}

// Which of the four pairs of pixel k differ beyond the judge in one plane (a bit each).
ZC_INLINE int pairsBeyond(const PlaneLanes& p, int k, int16_t judge) {
  const uint16_t corner1 = third(static_cast<uint16_t>(p.upPair[k - 1] + p.mid[k - 1]));
  const uint16_t corner2 = third(static_cast<uint16_t>(p.downPair[k] + p.mid[k + 1]));
  const uint16_t corner3 = third(static_cast<uint16_t>(p.upPair[k] + p.mid[k + 1]));
  const uint16_t corner4 = third(static_cast<uint16_t>(p.downPair[k - 1] + p.mid[k - 1]));
  const auto d = [](uint16_t a, uint16_t b) { return static_cast<int16_t>(a - b); };
  return exceeds(d(p.upMean[k], p.downMean[k]), judge) |
         exceeds(d(p.columnMean[k - 1], p.columnMean[k + 1]), judge) << 1 |
         exceeds(d(corner1, corner2), judge) << 2 | exceeds(d(corner3, corner4), judge) << 3;
}

// One plane alone must exceed.
ZC_INLINE void onePlaneMaskBody(const MaskJob& job, int c) {
  const PlaneLanes p = planeLanes(job, c);
  uint8_t* mask = job.mask;
  const int width = job.width;
  const int16_t judge = static_cast<int16_t>(job.judge);
  // The mask shares no memory with the lanes it is made from.
#pragma GCC ivdep
  for (int k = 2; k < width - 2; ++k) {
    mask[k] = static_cast<uint8_t>(pairsBeyond(p, k, judge) != 0 ? kEdge : 0);
  }
}

// All three planes must exceed in the same pair.
ZC_INLINE void threePlaneMaskBody(const MaskJob& job) {
  const PlaneLanes blue = planeLanes(job, 0), green = planeLanes(job, 1), red = planeLanes(job, 2);
  uint8_t* mask = job.mask;
  const int width = job.width;
  const int16_t judge = static_cast<int16_t>(job.judge);
  // The mask shares no memory with the lanes it is made from.
#pragma GCC ivdep
  for (int k = 2; k < width - 2; ++k) {
    const int pairs =
        pairsBeyond(blue, k, judge) & pairsBeyond(green, k, judge) & pairsBeyond(red, k, judge);
    mask[k] = static_cast<uint8_t>(pairs != 0 ? kEdge : 0);
  }
}

// One pair's integer greys: bit 0 a certain edge, bit 1 a doubtful decision.
ZC_INLINE int greyPair(int a, int b, int exactA, int exactB, int judge) {
  const int d = a - b;
  const int size = d < 0 ? -d : d;
  const int doubt = (exactA | exactB) & ((size == judge) | (size == judge + 1));
  return ((size > judge) & (doubt ^ 1)) | doubt << 1;
}

ZC_INLINE void greyMaskBody(const MaskJob& job) {
  greyOfMeans(job.columnMean, 1, job.width - 1, job.columnGrey, job.columnExact);
  const uint16_t* __restrict upGrey = job.up->grey;
  const uint16_t* __restrict downGrey = job.down->grey;
  const uint8_t* __restrict upExact = job.up->exact;
  const uint8_t* __restrict downExact = job.down->exact;
  const uint16_t* __restrict columnGrey = job.columnGrey;
  const uint8_t* __restrict columnExact = job.columnExact;
  const uint16_t* __restrict bUp = job.up->pair[0];
  const uint16_t* __restrict gUp = job.up->pair[1];
  const uint16_t* __restrict rUp = job.up->pair[2];
  const uint16_t* __restrict bDown = job.down->pair[0];
  const uint16_t* __restrict gDown = job.down->pair[1];
  const uint16_t* __restrict rDown = job.down->pair[2];
  const uint16_t* __restrict bMid = job.mid->value[0];
  const uint16_t* __restrict gMid = job.mid->value[1];
  const uint16_t* __restrict rMid = job.mid->value[2];
  uint8_t* __restrict mask = job.mask;
  const int width = job.width;
  const int judge = job.judge;
  // The mask shares no memory with the lanes it is made from.
#pragma GCC ivdep
  for (int k = 2; k < width - 2; ++k) {
    const auto corner = [](const uint16_t* pair, int at, const uint16_t* mid, int cell) {
      return third(static_cast<uint16_t>(pair[at] + mid[cell]));
    };
    const uint32_t t1 = weighted(corner(rUp, k - 1, rMid, k - 1), corner(gUp, k - 1, gMid, k - 1),
                                 corner(bUp, k - 1, bMid, k - 1));
    const uint32_t t2 = weighted(corner(rDown, k, rMid, k + 1), corner(gDown, k, gMid, k + 1),
                                 corner(bDown, k, bMid, k + 1));
    const uint32_t t3 = weighted(corner(rUp, k, rMid, k + 1), corner(gUp, k, gMid, k + 1),
                                 corner(bUp, k, bMid, k + 1));
    const uint32_t t4 =
        weighted(corner(rDown, k - 1, rMid, k - 1), corner(gDown, k - 1, gMid, k - 1),
                 corner(bDown, k - 1, bMid, k - 1));
    const uint32_t q1 = t1 / 1000u, q2 = t2 / 1000u, q3 = t3 / 1000u, q4 = t4 / 1000u;
    const int pairs = greyPair(upGrey[k], downGrey[k], upExact[k], downExact[k], judge) |
                      greyPair(columnGrey[k - 1], columnGrey[k + 1], columnExact[k - 1],
                               columnExact[k + 1], judge) |
                      greyPair(static_cast<int>(q1), static_cast<int>(q2), t1 == q1 * 1000u,
                               t2 == q2 * 1000u, judge) |
                      greyPair(static_cast<int>(q3), static_cast<int>(q4), t3 == q3 * 1000u,
                               t4 == q4 * 1000u, judge);
    mask[k] = static_cast<uint8_t>((pairs & 1) ? kEdge : (pairs & 2 ? kUncertain : 0));
  }
}

ZC_INLINE void maskRowBody(const MaskJob& job) {
  columnMeansBody(job);
  switch (job.condition) {
    case kOutlineThreeColours:
      threePlaneMaskBody(job);
      break;
    case kOutlineGrey:
      greyMaskBody(job);
      break;
    case kOutlineRedOnly:
      onePlaneMaskBody(job, 2);
      break;
    case kOutlineGreenOnly:
      onePlaneMaskBody(job, 1);
      break;
    case kOutlineBlueOnly:
      onePlaneMaskBody(job, 0);
      break;
    default:
      std::memset(job.mask, 0, static_cast<size_t>(job.width));
      break;
  }
}

struct RowKernels {
  bool (*loadRow)(const PlaneView&, int, bool, RowLanes&);
  void (*maskRow)(const MaskJob&);
};

#define ZC_OUTLINE_KERNELS(NAME, TARGET)                                      \
  TARGET bool loadRow##NAME(const PlaneView& p, int r, bool g, RowLanes& l) { \
    return loadRowBody(p, r, g, l);                                           \
  }                                                                           \
  TARGET void maskRow##NAME(const MaskJob& job) {                             \
    maskRowBody(job);                                                         \
  }                                                                           \
  constexpr RowKernels kKernels##NAME = {loadRow##NAME, maskRow##NAME};

#if defined(__x86_64__) || defined(__i386__)
ZC_OUTLINE_KERNELS(Avx512, __attribute__((target("avx512f,avx512bw,avx512vl,avx512dq"))))
ZC_OUTLINE_KERNELS(Avx2, __attribute__((target("avx2"))))
#define ZC_OUTLINE_HAS_X86 1
#endif
ZC_OUTLINE_KERNELS(Portable, )

const RowKernels& rowKernels(OutlineIsa isa) {
#ifdef ZC_OUTLINE_HAS_X86
  static const bool avx512 =
      __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
      __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512dq");
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx512 && (isa == OutlineIsa::kBest || isa == OutlineIsa::kAvx512)) return kKernelsAvx512;
  if (avx2 && isa != OutlineIsa::kPortable) return kKernelsAvx2;
#endif
  (void)isa;
  return kKernelsPortable;
}

// One band of rows worked by one thread, with its own lanes.
class Band {
 public:
  Band(const PlaneView& planes, const PixelView& canvas, int judge, int condition, Rgb colour,
       const RowKernels& kernels)
      : planes_(planes),
        canvas_(canvas),
        judge_(judge),
        condition_(condition),
        colour_(colour),
        kernels_(kernels) {
    const size_t w = static_cast<size_t>(planes.width);
    // Per row: value, pair, mean (three planes each) and grey in 16 bits, exact in 8 bits.
    lanes16_.assign(3 * (9 * w + w) + 3 * w + w, 0);
    bytes_.assign(3 * w + w + w + 8, 0);  // the mask, last, is read eight bytes at a time
    uint16_t* p = lanes16_.data();
    uint8_t* b = bytes_.data();
    auto take16 = [&] {
      uint16_t* at = p;
      p += w;
      return at;
    };
    auto take8 = [&] {
      uint8_t* at = b;
      b += w;
      return at;
    };
    for (RowLanes& row : ring_) {
      for (int c = 0; c < 3; ++c) row.value[c] = take16();
      for (int c = 0; c < 3; ++c) row.pair[c] = take16();
      for (int c = 0; c < 3; ++c) row.mean[c] = take16();
      row.grey = take16();
      row.exact = take8();
    }
    for (int c = 0; c < 3; ++c) job_.columnMean[c] = take16();
    job_.columnGrey = take16();
    job_.columnExact = take8();
    job_.mask = take8();
    job_.width = planes.width;
    job_.judge = std::clamp(judge, -1, 255);
    job_.condition = condition;
  }

  // Paints the outline pixels of rows rowBegin .. rowEnd - 1 (2 <= rowBegin, rowEnd <= H - 2).
  void run(int rowBegin, int rowEnd) {
    const RowKernels& kernels = kernels_;
    const bool grey = condition_ == kOutlineGrey;
    auto slot = [&](int row) -> RowLanes& { return ring_[(row - rowBegin + 1) % 3]; };
    kernels.loadRow(planes_, rowBegin - 1, grey, slot(rowBegin - 1));
    kernels.loadRow(planes_, rowBegin, grey, slot(rowBegin));
    for (int r = rowBegin; r < rowEnd; ++r) {
      kernels.loadRow(planes_, r + 1, grey, slot(r + 1));
      job_.up = &slot(r - 1);
      job_.mid = &slot(r);
      job_.down = &slot(r + 1);
      if (!(job_.up->inRange && job_.mid->inRange && job_.down->inRange)) {
        plainRow(r);
        continue;
      }
      kernels.maskRow(job_);
      paintRow(r);
    }
  }

 private:
  void paint(int k, int r) const {
    uint8_t* p = canvas_.at(k, r);
    p[0] = colour_.b;
    p[1] = colour_.g;
    p[2] = colour_.r;
  }

  void plainRow(int r) const {
    for (int k = 2; k < planes_.width - 2; ++k) {
      if (fineOutlineEdgeAt(planes_, k, r, judge_, condition_)) paint(k, r);
    }
  }

  // Paints the row's outline pixels, eight mask bytes at a time: the doubtful ones (rare) are
  // decided first, then the edges are visited bit by bit.
  void paintRow(int r) {
    uint8_t* mask = job_.mask;
    const int end = planes_.width - 2;
    for (int k = 2; k < end; k += 8) {
      uint64_t eight;
      std::memcpy(&eight, mask + k, sizeof eight);
      if (eight == 0) continue;
      if (eight & 0x0202020202020202u) {
        for (int j = k; j < k + 8 && j < end; ++j) {
          if (mask[j] & kUncertain) {
            mask[j] = fineOutlineEdgeAt(planes_, j, r, judge_, condition_) ? kEdge : 0;
          }
        }
        std::memcpy(&eight, mask + k, sizeof eight);
      }
      // Bit j of `edges` is bit 0 of mask byte j.
      uint32_t edges =
          static_cast<uint32_t>(((eight & 0x0101010101010101u) * 0x0102040810204080u) >> 56);
      while (edges) {
        paint(k + __builtin_ctz(edges), r);
        edges &= edges - 1;
      }
    }
  }

  const PlaneView planes_;
  const PixelView canvas_;
  const int judge_;
  const int condition_;
  const Rgb colour_;
  const RowKernels& kernels_;
  std::vector<uint16_t> lanes16_;
  std::vector<uint8_t> bytes_;
  RowLanes ring_[3];
  MaskJob job_{};
};

}  // namespace

void fineOutline(const PlaneView& planes, const PixelView& canvas, int judge, int condition,
                 Rgb colour, const FineOutlineTuning& tuning) {
  const int width = planes.width, height = planes.height;
  if (width < 5 || height < 5) return;
  if (condition < kOutlineThreeColours || condition > kOutlineBlueOnly) return;
  const int firstRow = 2, endRow = height - 2;
  int bands = tuning.bands;
  if (bands <= 0) bands = (std::thread::hardware_concurrency() >= 2 && height >= 64) ? 2 : 1;
  bands = std::clamp(bands, 1, endRow - firstRow);
  auto work = [&](int band) {
    const int begin = firstRow + (endRow - firstRow) * band / bands;
    const int end = firstRow + (endRow - firstRow) * (band + 1) / bands;
    Band(planes, canvas, judge, condition, colour, rowKernels(tuning.isa)).run(begin, end);
  };
  std::vector<std::thread> helpers;
  for (int band = 1; band < bands; ++band) {
    try {
      helpers.emplace_back(work, band);
    } catch (const std::system_error&) {
      work(band);  // no thread to be had: this one works the band itself
    }
  }
  work(0);
  for (std::thread& helper : helpers) helper.join();
}

}  // namespace zc
