#include "pages/fog/fog_sweep.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

// The sweep's arithmetic.
//
// Level line y replaces row y of the planes by a blend of each pixel with S, the sum over the
// window (row offsets -h .. h-1, column offsets -h .. h) of K(dy, dx) times the form's value of the
// working-image byte, accumulated in double rows first, then columns, and truncated toward zero.
// The lines run from the top of the picture down and every line reads the lines above it, so the
// lines cannot run side by side; the pixels of one line can.
//
// runSweepReference (fog_sweep_reference.cpp) is that loop written out plainly. runSweep gives the
// same bits faster:
//
// - Zero weights. K is 0 in the row dy = -h and the columns dx = -h and dx = +h. Adding a product
//   0 * v (+0 or -0) to a partial sum leaves its value unchanged and can at most turn a zero sum's
//   sign; an addition whose other operand is nonzero gives the same result for +0 and -0, and the
//   truncation of +0 and -0 is the same 0. So the fast sums leave those terms out.
// - The full sum (the fallback below, and every sum when certification is off) keeps each pixel's
//   own order, rows then columns, with one product rounded and one addition rounded per term, just
//   as the plain loop; a vector lane holds one pixel, so neighbouring pixels run in lanes.
// - Certified separable sums. K(dy, dx) is the rounded product w(dy) * w(dx), so S is, up to
//   rounding, sum_dy w(dy) * (sum_dx w(dx) * v). The row sums of a row change only when the row
//   itself changes, so each row's sums are formed once when it enters the window and once more
//   after the row has been swept; a line then costs 2h - 1 products per pixel instead of
//   (2h - 1)^2. With u = 2^-53, g(k) = k u / (1 - k u), N = (2h - 1)^2 terms, m = 2h - 1 taps
//   and A = max|v| * (sum w)^2, the rounding-error bound of a dot product gives
//     |S_plain - sum K v| <= g(N) (1 + u) A           (N terms, |K| <= (1 + u) w w)
//     |sum K v - sum w w v| <= u A
//     |S_separable - sum w w v| <= g(m) (2 + g(m)) A  (two dot products of m terms)
//   so the two computed sums differ by at most (N + 2m + 2) u A (1 + 1e-9). The sweep uses
//   eps = 4 (N + 2m + 4) u A (1 + 1e-6), over four times that bound, which also covers the
//   rounding of eps itself and of S_separable -+ eps. When
//   truncating S_separable - eps and S_separable + eps gives the same integer, the plain sum,
//   which lies between the two, truncates to it too (truncation is monotonic); otherwise the sum
//   lies within eps of a nonzero level boundary and that pixel's block of 8 is summed in full.
//   In a photograph that is rare: it takes a true sum that is an integer, such as a pixel whose
//   neighbours' deviations from the median cancel.
// - The working image is refreshed from the planes only where the planes changed since the last
//   refresh: the swept row, and the white frame after the first line. The column x = h is part of
//   the frame; the frame paint overwrites whatever the line computed there, so it is not computed.

namespace zc {

namespace {

using namespace sweep;

// ---- Vector kernels ----------------------------------------------------------------------------
//
// Written once over a lane count L and compiled three times: AVX-512 (8 lanes), AVX2 (4) and the
// baseline SSE2 (2). Vectors never cross a function boundary by value, so the baseline build's
// calling convention is never involved. Column ranges handed to the kernels are whole blocks of 8
// columns.

#define ZC_INLINE [[gnu::always_inline]] inline

constexpr int kBlock = 8;
constexpr int kMaxTaps = 39;  // 2h - 1 for the largest step 40

template <int L>
struct Lanes {
  typedef double D __attribute__((vector_size(8 * L)));
  typedef int32_t I __attribute__((vector_size(4 * L)));
};

template <class V, class T>
ZC_INLINE void vload(V& v, const T* p) {
  std::memcpy(&v, p, sizeof v);
}
template <class V, class T>
ZC_INLINE void vstore(T* p, const V& v) {
  std::memcpy(p, &v, sizeof v);
}
template <class I>
ZC_INLINE bool anyLane(const I& mask) {
  uint64_t words[sizeof(I) / 8];
  std::memcpy(words, &mask, sizeof words);
  uint64_t any = 0;
  for (uint64_t w : words) any |= w;
  return any != 0;
}

// G vectors of row sums: out[g * L + i] = sum over j of wt[j] * p[g * L + i + j].
template <int L, int G>
ZC_INLINE void rowSumsGroup(const double* p, const double* wt, int taps, double* out) {
  using D = typename Lanes<L>::D;
  D acc[G] = {};
  for (int j = 0; j < taps; ++j) {
    const double w = wt[j];
    for (int g = 0; g < G; ++g) {
      D v;
      vload(v, p + j + g * L);
      acc[g] += w * v;
    }
  }
  for (int g = 0; g < G; ++g) vstore(out + g * L, acc[g]);
}

// out[x] = sum over j of wt[j] * v[x - half + j], for x in [xa, xb).
template <int L>
ZC_INLINE void rowSumsImpl(const double* v, const double* wt, int taps, double* out, int xa,
                           int xb) {
  constexpr int kGroup = 8;  // independent sums in flight, to cover the addition's latency
  const int half = (taps - 1) / 2;
  int x = xa;
  for (; x + kGroup * L <= xb; x += kGroup * L) {
    rowSumsGroup<L, kGroup>(v + x - half, wt, taps, out + x);
  }
  for (; x < xb; x += L) rowSumsGroup<L, 1>(v + x - half, wt, taps, out + x);
}

// G vectors of column sums: out[g * L + i] = sum over r of wt[r] * rows[r][x + g * L + i].
template <int L, int G>
ZC_INLINE void columnSumsGroup(const double* const* rows, const double* wt, int taps, int x,
                               double* out) {
  using D = typename Lanes<L>::D;
  D acc[G] = {};
  for (int r = 0; r < taps; ++r) {
    const double w = wt[r];
    const double* p = rows[r] + x;
    for (int g = 0; g < G; ++g) {
      D v;
      vload(v, p + g * L);
      acc[g] += w * v;
    }
  }
  for (int g = 0; g < G; ++g) vstore(out + x + g * L, acc[g]);
}

// out[x] = sum over r of wt[r] * rows[r][x], for x in [xa, xb).
template <int L>
ZC_INLINE void columnSumsImpl(const double* const* rows, const double* wt, int taps, double* out,
                              int xa, int xb) {
  constexpr int kGroup = 8;
  int x = xa;
  for (; x + kGroup * L <= xb; x += kGroup * L) {
    columnSumsGroup<L, kGroup>(rows, wt, taps, x, out);
  }
  for (; x < xb; x += L) columnSumsGroup<L, 1>(rows, wt, taps, x, out);
}

// t[x] = trunc(s[x] - eps); lists the blocks where trunc(s - eps) and trunc(s + eps) differ.
template <int L>
ZC_INLINE int certifyImpl(const double* s, double eps, int32_t* t, int xa, int xb, int* doubtful) {
  using D = typename Lanes<L>::D;
  using I = typename Lanes<L>::I;
  int count = 0;
  for (int x = xa; x < xb; x += kBlock) {
    bool doubt = false;
    for (int c = 0; c < kBlock; c += L) {
      D v;
      vload(v, s + x + c);
      const I lo = __builtin_convertvector(v - eps, I);
      const I hi = __builtin_convertvector(v + eps, I);
      vstore(t + x + c, lo);
      doubt |= anyLane(lo != hi);
    }
    if (doubt) doubtful[count++] = x;
  }
  return count;
}

// The full sum in the plain loop's order, rows then columns, for the listed blocks:
// t[x] = trunc(sum over i, j of k[i * taps + j] * rows[i][x - half + j]).
template <int L>
ZC_INLINE void exactSumsImpl(const double* const* rows, const double* k, int taps,
                             const int* blocks, int count, int32_t* t) {
  using D = typename Lanes<L>::D;
  using I = typename Lanes<L>::I;
  constexpr int perBlock = kBlock / L;
  const int half = (taps - 1) / 2;
  const int chunks = count * perBlock;
  auto chunkX = [&](int c) { return blocks[c / perBlock] + (c % perBlock) * L - half; };
  int c = 0;
  for (; c + 4 <= chunks; c += 4) {
    const int x0 = chunkX(c), x1 = chunkX(c + 1), x2 = chunkX(c + 2), x3 = chunkX(c + 3);
    D a0{}, a1{}, a2{}, a3{};
    for (int i = 0; i < taps; ++i) {
      const double* r = rows[i];
      const double* kr = k + i * taps;
      for (int j = 0; j < taps; ++j) {
        D v0, v1, v2, v3;
        vload(v0, r + x0 + j);
        vload(v1, r + x1 + j);
        vload(v2, r + x2 + j);
        vload(v3, r + x3 + j);
        a0 += kr[j] * v0;
        a1 += kr[j] * v1;
        a2 += kr[j] * v2;
        a3 += kr[j] * v3;
      }
    }
    vstore(t + x0 + half, __builtin_convertvector(a0, I));
    vstore(t + x1 + half, __builtin_convertvector(a1, I));
    vstore(t + x2 + half, __builtin_convertvector(a2, I));
    vstore(t + x3 + half, __builtin_convertvector(a3, I));
  }
  for (; c < chunks; ++c) {
    const int x0 = chunkX(c);
    D acc{};
    for (int i = 0; i < taps; ++i) {
      const double* r = rows[i];
      const double* kr = k + i * taps;
      for (int j = 0; j < taps; ++j) {
        D v0;
        vload(v0, r + x0 + j);
        acc += kr[j] * v0;
      }
    }
    vstore(t + x0 + half, __builtin_convertvector(acc, I));
  }
}

// From the truncated sums to the stored values: the back-transform, the blend
// (T' * 1 + c * B) / (1 + B) truncated toward zero, the clamp, and the new row's values.
// The old row's values give c back exactly.
template <int L, int Form, int B>
ZC_INLINE void finishImpl(const double* oldValues, const int32_t* t, int median, int32_t* result,
                          double* newValues, int xa, int xb) {
  using D = typename Lanes<L>::D;
  using I = typename Lanes<L>::I;
  for (int x = xa; x < xb; x += L) {
    D old;
    vload(old, oldValues + x);
    const I v = __builtin_convertvector(old, I);
    I tt;
    vload(tt, t + x);
    I c, back;
    if constexpr (Form == kFormRelative) {
      c = v + median;
      back = tt + median;
    } else if constexpr (Form == kFormDirect) {
      c = v;
      back = tt;
    } else {
      c = 255 - v;
      back = 255 - tt;
    }
    I r = (back + c * B) / (1 + B);
    r = r > 255 ? I{} + 255 : r;
    r = r < 0 ? I{} : r;
    vstore(result + x, r);
    I nv;
    if constexpr (Form == kFormRelative) {
      nv = r - median;
    } else if constexpr (Form == kFormDirect) {
      nv = r;
    } else {
      nv = 255 - r;
    }
    vstore(newValues + x, __builtin_convertvector(nv, D));
  }
}

// The blend of one form: 1 : 7, or 1 : 31 for the weak variants.
template <int L, int Form>
ZC_INLINE void finishForm(bool weak, const double* oldValues, const int32_t* t, int median,
                          int32_t* result, double* newValues, int xa, int xb) {
  if (weak) {
    finishImpl<L, Form, 31>(oldValues, t, median, result, newValues, xa, xb);
  } else {
    finishImpl<L, Form, 7>(oldValues, t, median, result, newValues, xa, xb);
  }
}

template <int L>
ZC_INLINE void finishAny(int form, int blend, const double* oldValues, const int32_t* t, int median,
                         int32_t* result, double* newValues, int xa, int xb) {
  const bool weak = blend == 31;
  if (form == kFormRelative) {
    finishForm<L, kFormRelative>(weak, oldValues, t, median, result, newValues, xa, xb);
  } else if (form == kFormDirect) {
    finishForm<L, kFormDirect>(weak, oldValues, t, median, result, newValues, xa, xb);
  } else {
    finishForm<L, kFormInverted>(weak, oldValues, t, median, result, newValues, xa, xb);
  }
}

struct Kernels {
  void (*rowSums)(const double*, const double*, int, double*, int, int);
  void (*columnSums)(const double* const*, const double*, int, double*, int, int);
  int (*certify)(const double*, double, int32_t*, int, int, int*);
  void (*exactSums)(const double* const*, const double*, int, const int*, int, int32_t*);
  void (*finish)(int, int, const double*, const int32_t*, int, int32_t*, double*, int, int);
};

#define ZC_SWEEP_KERNELS(NAME, TARGET, L)                                                          \
  TARGET void rowSums##NAME(const double* v, const double* wt, int taps, double* out, int xa,      \
                            int xb) {                                                              \
    rowSumsImpl<L>(v, wt, taps, out, xa, xb);                                                      \
  }                                                                                                \
  TARGET void columnSums##NAME(const double* const* rows, const double* wt, int taps, double* out, \
                               int xa, int xb) {                                                   \
    columnSumsImpl<L>(rows, wt, taps, out, xa, xb);                                                \
  }                                                                                                \
  TARGET int certify##NAME(const double* s, double eps, int32_t* t, int xa, int xb,                \
                           int* doubtful) {                                                        \
    return certifyImpl<L>(s, eps, t, xa, xb, doubtful);                                            \
  }                                                                                                \
  TARGET void exactSums##NAME(const double* const* rows, const double* k, int taps,                \
                              const int* blocks, int count, int32_t* t) {                          \
    exactSumsImpl<L>(rows, k, taps, blocks, count, t);                                             \
  }                                                                                                \
  TARGET void finish##NAME(int form, int blend, const double* oldValues, const int32_t* t,         \
                           int median, int32_t* result, double* newValues, int xa, int xb) {       \
    finishAny<L>(form, blend, oldValues, t, median, result, newValues, xa, xb);                    \
  }                                                                                                \
  constexpr Kernels kKernels##NAME = {rowSums##NAME, columnSums##NAME, certify##NAME,              \
                                      exactSums##NAME, finish##NAME};

#if defined(__x86_64__) || defined(__i386__)
#define ZC_TARGET_AVX512 __attribute__((target("avx512f,avx512dq,avx512vl,avx512bw")))
#define ZC_TARGET_AVX2 __attribute__((target("avx2")))
ZC_SWEEP_KERNELS(Avx512, ZC_TARGET_AVX512, 8)
ZC_SWEEP_KERNELS(Avx2, ZC_TARGET_AVX2, 4)
#define ZC_SWEEP_HAS_X86 1
#endif
ZC_SWEEP_KERNELS(Portable, , 2)

const Kernels& kernelsFor(SweepIsa isa) {
#ifdef ZC_SWEEP_HAS_X86
  if (isa == SweepIsa::kAvx512) return kKernelsAvx512;
  if (isa == SweepIsa::kAvx2) return kKernelsAvx2;
#endif
  (void)isa;
  return kKernelsPortable;
}

// ---- The fast sweep ----------------------------------------------------------------------------

// Two (or more) threads meet here after every phase of a line. The lines are short, so the threads
// spin a while before yielding.
class SpinBarrier {
 public:
  explicit SpinBarrier(int parties) : parties_(parties) {}
  void arriveAndWait() {
    if (parties_ == 1) return;
    const unsigned generation = generation_.load(std::memory_order_acquire);
    if (arrived_.fetch_add(1, std::memory_order_acq_rel) + 1 == parties_) {
      arrived_.store(0, std::memory_order_relaxed);
      generation_.fetch_add(1, std::memory_order_acq_rel);
      return;
    }
    for (int spin = 0; generation_.load(std::memory_order_acquire) == generation; ++spin) {
      if (spin < 4000) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
      } else {
        std::this_thread::yield();
      }
    }
  }

 private:
  const int parties_;
  std::atomic<int> arrived_{0};
  std::atomic<unsigned> generation_{0};
};

// Each ring row is this many doubles longer than the picture row: the last block of a line may
// run up to 6 columns past the right edge, and its lanes there are never used.
constexpr int kRowPad = 16;

class FastSweep {
 public:
  FastSweep(const PixelView& work, const PlaneView& planes, const SweepParams& params,
            SweepProgress* progress, const SweepTuning& tuning)
      : work_(work),
        planes_(planes),
        params_(params),
        progress_(progress),
        kernels_(kernelsFor(resolveSweepIsa(tuning.isa))),
        width_(work.width),
        height_(work.height),
        n_(hornStep(params.horn)),
        h_(n_ / 2),
        taps_(2 * h_ - 1),
        form_(formOf(params.variant)),
        blend_(blendOf(params.variant)),
        certified_(tuning.certified),
        requestedThreads_(tuning.threads) {}

  void run();

 private:
  struct alignas(64) Part {
    int blockBegin = 0, blockEnd = 0;  // blocks of computed columns
    int ownBegin = 0, ownEnd = 0;      // columns whose ring values this thread writes
    std::vector<int> rowSlot;          // ring slot of each picture row in the window
    int freeSlot = 0;
    std::vector<double> sums, scratch;
    std::vector<int32_t> truncated, result[3];
    std::vector<int> doubtful;
    const double* rows[kMaxTaps];
  };

  void worker(int t);
  void loadWindow(Part& part, int y);
  void loadRow(Part& part, int row, int slot);
  void computeLine(Part& part, int y);
  void sumRowOfSlot(Part& part, int slot);
  double* valuesOf(int k, int slot) { return &values_[k][static_cast<size_t>(slot) * stride_]; }
  double* rowSumsOf(int k, int slot) { return &rowSums_[k][static_cast<size_t>(slot) * stride_]; }
  void show(int y) {
    if (progress_ && showsImage(params_, y)) progress_->showWorkingImage();
  }
  void mark(int y) {
    if (progress_ && marksLine(params_, y)) progress_->levelLineMark(y, n_);
  }

  const PixelView work_;
  const PlaneView planes_;
  const SweepParams params_;
  SweepProgress* const progress_;
  const Kernels& kernels_;
  const int width_, height_, n_, h_, taps_, form_, blend_;
  const bool certified_;
  const int requestedThreads_;
  int computedBegin_ = 0, computedEnd_ = 0, blocks_ = 0;
  size_t stride_ = 0;
  double weights_[kMaxTaps] = {};
  std::vector<double> kernel_;  // taps x taps, rows then columns
  double valueOf_[3][256] = {};
  double eps_ = 0.0;
  std::vector<double> values_[3], rowSums_[3];  // ring of 2h + 1 rows per plane
  std::vector<Part> parts_;
  std::unique_ptr<SpinBarrier> barrier_;
};

void FastSweep::run() {
  const int h = h_;
  // The first refresh of the working image: every later one covers only what changed.
  copyPlanesToPixels(planes_, work_);
  if (height_ < 2 * n_ + 1) return;  // no level line, no frame
  const int firstLine = height_ - n_;
  const int lastLine = n_ + 1;
  computedBegin_ = h + 1;
  computedEnd_ = width_ - h;
  if (computedEnd_ <= computedBegin_) {
    // Too narrow for any pixel outside the frame: the lines only paint the frame.
    for (int y = firstLine; y >= lastLine; --y) {
      show(y);
      if (y == firstLine) paintFrame(planes_, &work_, h);
      mark(y);
    }
    return;
  }

  for (int i = 0; i < taps_; ++i) weights_[i] = sweepWeight(i - (h - 1), h);
  kernel_.resize(static_cast<size_t>(taps_) * taps_);
  for (int i = 0; i < taps_; ++i) {
    for (int j = 0; j < taps_; ++j) kernel_[i * taps_ + j] = weights_[i] * weights_[j];
  }
  double maxValue = 0.0;
  for (int k = 0; k < 3; ++k) {
    for (int p = 0; p < 256; ++p) {
      valueOf_[k][p] = formValue(form_, p, params_.median[k]);
      maxValue = std::max(maxValue, std::abs(valueOf_[k][p]));
    }
  }
  double weightSum = 0.0;
  for (int i = 0; i < taps_; ++i) weightSum += weights_[i];
  const double unit = 0x1p-53;
  eps_ = 4.0 * (static_cast<double>(taps_) * taps_ + 2.0 * taps_ + 4.0) * unit * maxValue *
         weightSum * weightSum * (1.0 + 1e-6);

  blocks_ = (computedEnd_ - computedBegin_ + kBlock - 1) / kBlock;
  stride_ = static_cast<size_t>(width_ + kRowPad + kBlock - 1) / kBlock * kBlock;
  const int slots = 2 * h + 1;
  for (int k = 0; k < 3; ++k) {
    values_[k].assign(stride_ * slots, 0.0);
    rowSums_[k].assign(stride_ * slots, 0.0);
  }

  int threads = 1;
  if (requestedThreads_ > 0) {
    threads = std::min(requestedThreads_, blocks_);
  } else {
    const unsigned cores = std::thread::hardware_concurrency();
    if (cores >= 2 && blocks_ >= 16) threads = 2;
  }
  threads = std::max(threads, 1);
  parts_.resize(threads);
  for (int t = 0; t < threads; ++t) {
    Part& part = parts_[t];
    part.blockBegin = static_cast<int>(static_cast<long>(blocks_) * t / threads);
    part.blockEnd = static_cast<int>(static_cast<long>(blocks_) * (t + 1) / threads);
    part.ownBegin = t == 0 ? 0 : computedBegin_ + kBlock * part.blockBegin;
    part.ownEnd = t == threads - 1 ? width_ : computedBegin_ + kBlock * part.blockEnd;
    part.rowSlot.assign(height_, -1);
    part.sums.assign(stride_, 0.0);
    part.scratch.assign(stride_, 0.0);
    part.truncated.assign(stride_, 0);
    for (auto& r : part.result) r.assign(stride_, 0);
    part.doubtful.assign(blocks_, 0);
  }
  barrier_ = std::make_unique<SpinBarrier>(threads);

  show(firstLine);
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back([this, t] { worker(t); });
  worker(0);
  for (auto& helper : helpers) helper.join();
}

void FastSweep::worker(int t) {
  Part& part = parts_[t];
  const int firstLine = height_ - n_;
  const int lastLine = n_ + 1;
  loadWindow(part, firstLine);
  barrier_->arriveAndWait();
  for (int y = firstLine; y >= lastLine; --y) {
    computeLine(part, y);
    barrier_->arriveAndWait();
    const bool more = y > lastLine;
    if (y == firstLine) {
      // The first line is the only one that reads the picture without its frame.
      if (t == 0) {
        paintFrame(planes_, &work_, h_);
        mark(y);
      }
      if (more) {
        barrier_->arriveAndWait();
        loadWindow(part, y - 1);
      }
    } else {
      if (t == 0) mark(y);
      // Row y now holds its swept values in the free slot; the row that leaves the window gives
      // its slot to the row that enters it, and row y's old slot becomes the free one.
      const int swept = part.freeSlot;
      sumRowOfSlot(part, swept);
      const int oldSlot = part.rowSlot[y];
      part.rowSlot[y] = swept;
      if (more) {
        const int leaving = y + h_ - 1;
        const int entering = y - 1 - h_;
        const int slot = part.rowSlot[leaving];
        part.rowSlot[leaving] = -1;
        loadRow(part, entering, slot);
        part.rowSlot[entering] = slot;
      }
      part.freeSlot = oldSlot;
    }
    if (more) {
      if (t == 0) show(y - 1);
      barrier_->arriveAndWait();
    }
  }
}

// Rows y - h .. y + h - 1 into slots 0 .. 2h - 1; slot 2h is free.
void FastSweep::loadWindow(Part& part, int y) {
  std::fill(part.rowSlot.begin(), part.rowSlot.end(), -1);
  for (int i = 0; i < 2 * h_; ++i) {
    loadRow(part, y - h_ + i, i);
    part.rowSlot[y - h_ + i] = i;
  }
  part.freeSlot = 2 * h_;
}

// One row of the working image into a ring slot: its values in this thread's own columns and its
// row sums in this thread's blocks (from a private copy that reaches h - 1 columns further).
void FastSweep::loadRow(Part& part, int row, int slot) {
  const int sumBegin = computedBegin_ + kBlock * part.blockBegin;
  const int sumEnd = computedBegin_ + kBlock * part.blockEnd;
  const int from = std::max(0, std::min(part.ownBegin, sumBegin - (h_ - 1)));
  const int to = std::min(width_, std::max(part.ownEnd, sumEnd + h_ - 1));
  const uint8_t* bytes = work_.at(0, row);
  double* scratch = part.scratch.data();
  for (int k = 0; k < 3; ++k) {
    const double* valueOf = valueOf_[k];
    for (int x = from; x < to; ++x) scratch[x] = valueOf[bytes[3 * x + k]];
    double* values = valuesOf(k, slot);
    std::copy(scratch + part.ownBegin, scratch + part.ownEnd, values + part.ownBegin);
    if (sumEnd > sumBegin) {
      kernels_.rowSums(scratch, weights_, taps_, rowSumsOf(k, slot), sumBegin, sumEnd);
    }
  }
}

// Row sums of a slot whose values every thread has finished writing.
void FastSweep::sumRowOfSlot(Part& part, int slot) {
  const int sumBegin = computedBegin_ + kBlock * part.blockBegin;
  const int sumEnd = computedBegin_ + kBlock * part.blockEnd;
  if (sumEnd <= sumBegin) return;
  for (int k = 0; k < 3; ++k) {
    kernels_.rowSums(valuesOf(k, slot), weights_, taps_, rowSumsOf(k, slot), sumBegin, sumEnd);
  }
}

// Level line y for this thread's blocks: the new values go to the planes, the working image and
// the free ring slot.
void FastSweep::computeLine(Part& part, int y) {
  const int xa = computedBegin_ + kBlock * part.blockBegin;
  const int xb = computedBegin_ + kBlock * part.blockEnd;
  const int storeEnd = std::min(xb, computedEnd_);
  uint8_t* bytes = work_.at(0, y);
  const long rowStart = planes_.index(0, y);
  for (int k = 0; k < 3; ++k) {
    double* newValues = valuesOf(k, part.freeSlot);
    if (xb > xa) {
      int doubtful = 0;
      if (certified_) {
        for (int i = 0; i < taps_; ++i) part.rows[i] = rowSumsOf(k, part.rowSlot[y - h_ + 1 + i]);
        kernels_.columnSums(part.rows, weights_, taps_, part.sums.data(), xa, xb);
        doubtful = kernels_.certify(part.sums.data(), eps_, part.truncated.data(), xa, xb,
                                    part.doubtful.data());
      } else {
        for (int x = xa; x < xb; x += kBlock) part.doubtful[doubtful++] = x;
      }
      if (doubtful > 0) {
        for (int i = 0; i < taps_; ++i) part.rows[i] = valuesOf(k, part.rowSlot[y - h_ + 1 + i]);
        kernels_.exactSums(part.rows, kernel_.data(), taps_, part.doubtful.data(), doubtful,
                           part.truncated.data());
      }
      int32_t* result = part.result[k].data();
      kernels_.finish(form_, blend_, valuesOf(k, part.rowSlot[y]), part.truncated.data(),
                      params_.median[k], result, newValues, xa, xb);
      int32_t* planeRow = planes_.plane[k] + rowStart;
      for (int x = xa; x < storeEnd; ++x) {
        planeRow[x] = result[x];
        bytes[3 * x + k] = static_cast<uint8_t>(result[x]);
      }
    }
    // The frame columns of the new row keep the working image's bytes.
    const double* valueOf = valueOf_[k];
    if (part.ownBegin == 0) {
      for (int x = 0; x < computedBegin_; ++x) newValues[x] = valueOf[bytes[3 * x + k]];
    }
    if (part.ownEnd == width_) {
      for (int x = computedEnd_; x < width_; ++x) newValues[x] = valueOf[bytes[3 * x + k]];
    }
  }
}

}  // namespace

SweepIsa resolveSweepIsa(SweepIsa requested) {
#ifdef ZC_SWEEP_HAS_X86
  const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
                      __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512bw");
  const bool avx2 = __builtin_cpu_supports("avx2");
  if ((requested == SweepIsa::kBest || requested == SweepIsa::kAvx512) && avx512) {
    return SweepIsa::kAvx512;
  }
  if (requested != SweepIsa::kPortable && avx2) return SweepIsa::kAvx2;
#endif
  (void)requested;
  return SweepIsa::kPortable;
}

void runSweep(const PixelView& work, const PlaneView& planes, const SweepParams& params,
              SweepProgress* progress) {
  runSweep(work, planes, params, progress, SweepTuning{});
}

void runSweep(const PixelView& work, const PlaneView& planes, const SweepParams& params,
              SweepProgress* progress, const SweepTuning& tuning) {
  if (hornStep(params.horn) == 0 || !validVariant(params.variant)) return;
  FastSweep fast(work, planes, params, progress, tuning);
  fast.run();
}

}  // namespace zc
