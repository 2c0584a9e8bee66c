// Our three simplest kernels beside the nearest operations of libvips, on the same photograph in
// the same run: a level stretch (linear, then cast to bytes), an invert and a threshold. Not a
// check of results, only the yardstick a user might pick instead. Built only where libvips is
// installed (scripts/install-deps.sh --with-peers); libvips runs with its own default threads and
// its operation cache off, so every iteration computes.
#ifdef ZINDLE_HAVE_VIPS
#include <vips/vips.h>

#include <vector>

#include "bench_support.h"
#include "core/image_buffers.h"
#include "pages/color/light_core.h"
#include "pages/color/swap_ways.h"

namespace zc {
namespace {

using namespace bench;

// The photograph as our planes, a picture for our results and a three-band byte image of libvips.
struct PeerScene : PhotoScene {
  std::vector<uint8_t> out = std::vector<uint8_t>(bytes.size());
  VipsImage* image = nullptr;
  PeerScene() {
    if (VIPS_INIT("zindle-bench") != 0) return;
    vips_cache_set_max(0);
    image = vips_image_new_from_memory(bytes.data(), bytes.size(), kWidth, kHeight, 3,
                                       VIPS_FORMAT_UCHAR);
  }
  PixelView result() { return PixelView{out.data(), kWidth, kHeight}; }
};

PeerScene& scene() {
  static PeerScene s;
  return s;
}

// Runs a libvips pipeline that ends in a byte image and writes it to memory, as a caller that
// wants the pixels must.
template <class Build>
void vipsBench(benchmark::State& state, Build build) {
  PeerScene& s = scene();
  if (!s.image) {
    state.SkipWithError("libvips did not start");
    return;
  }
  for (auto _ : state) {
    VipsImage* result = build(s.image);
    if (!result) {
      state.SkipWithError(vips_error_buffer());
      return;
    }
    size_t size = 0;
    void* pixels = vips_image_write_to_memory(result, &size);
    benchmark::DoNotOptimize(pixels);
    g_free(pixels);
    g_object_unref(result);
  }
}

// The stretch of the light core at start 100, end 200: (v - 100) * 2 clamped to a byte.
constexpr int kStretchStart = 100, kStretchEnd = 200, kStretchFactor = 2;
// The threshold: a light core of range one at 128 gives 255 from 129 up, 0 below.
constexpr int kThresholdStart = 128;

void BM_PeerOursStretch(benchmark::State& state) {
  for (auto _ : state) {
    applyLightCore(scene().planes(), scene().result(), kStretchStart, kStretchEnd);
    benchmark::DoNotOptimize(scene().out.data());
  }
}
void BM_PeerVipsStretch(benchmark::State& state) {
  vipsBench(state, [](VipsImage* in) -> VipsImage* {
    VipsImage* linear = nullptr;
    VipsImage* bytes = nullptr;
    if (vips_linear1(in, &linear, kStretchFactor, -kStretchStart * kStretchFactor, nullptr))
      return nullptr;
    const int failed = vips_cast_uchar(linear, &bytes, nullptr);
    g_object_unref(linear);
    return failed ? nullptr : bytes;
  });
}

// Way 12 reverses all three channels.
void BM_PeerOursInvert(benchmark::State& state) {
  for (auto _ : state) {
    applySwapWay(scene().planes(), scene().result(), 12);
    benchmark::DoNotOptimize(scene().out.data());
  }
}
void BM_PeerVipsInvert(benchmark::State& state) {
  vipsBench(state, [](VipsImage* in) -> VipsImage* {
    VipsImage* out = nullptr;
    return vips_invert(in, &out, nullptr) ? nullptr : out;
  });
}

void BM_PeerOursThreshold(benchmark::State& state) {
  for (auto _ : state) {
    applyLightCore(scene().planes(), scene().result(), kThresholdStart, kThresholdStart + 1);
    benchmark::DoNotOptimize(scene().out.data());
  }
}
void BM_PeerVipsThreshold(benchmark::State& state) {
  vipsBench(state, [](VipsImage* in) -> VipsImage* {
    VipsImage* out = nullptr;
    return vips_moreeq_const1(in, &out, kThresholdStart + 1, nullptr) ? nullptr : out;
  });
}

ZINDLE_MEDIAN_BENCHMARK(BM_PeerOursStretch);
ZINDLE_MEDIAN_BENCHMARK(BM_PeerVipsStretch)->UseRealTime();
ZINDLE_MEDIAN_BENCHMARK(BM_PeerOursInvert);
ZINDLE_MEDIAN_BENCHMARK(BM_PeerVipsInvert)->UseRealTime();
ZINDLE_MEDIAN_BENCHMARK(BM_PeerOursThreshold);
ZINDLE_MEDIAN_BENCHMARK(BM_PeerVipsThreshold)->UseRealTime();

}  // namespace
}  // namespace zc
#endif
