// What the benchmarks share: the 1440 x 960 photograph (the 768 x 512 parrots tiled over the
// canvas), a headless run of the program with it opened, input sent to the window, and the
// manual timing and medians of the kernel-against-plain-loop runs.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/image_buffers.h"
#include "core/image_buffers_reference.h"
#include "platform/headless/headless_platform.h"
#include "shell/window_procedure.h"

namespace zc::bench {

constexpr int kWidth = 1440, kHeight = 960;

// The parrots tiled over 1440 x 960: bottom-up rows of blue, green, red bytes, as a 24-bit BMP
// stores them without padding at this width. Empty when the fixture is missing.
const std::vector<uint8_t>& photographPixels();

// Writes 1440 x 960 pixels laid out as above to a 24-bit BMP of that name in the work folder;
// returns its path.
std::string writePhotograph(const std::vector<uint8_t>& pixels, const std::string& name);

// The tiled photograph as a BMP in the work folder, written once.
const std::string& photographFile();

// Makes the benchmarks' temporary work folder the current one (keep slots and working files
// land there) and returns it.
std::string enterWorkFolder();

void send(MessageKind kind, int x, int y);

// The program on the headless platform in the work folder, the photograph opened on the Top page.
class ProgramRun {
 public:
  explicit ProgramRun(const std::string& photo = photographFile());
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  void paintPending() { platform.runPendingPaints(shellWindowProcedure()); }
  // One whole paint: the window invalidated and painted.
  void paint() {
    platform.invalidate();
    paintPending();
  }
  // The left button pressed only, as a tab takes it.
  void press(int x, int y) { send(MessageKind::LeftDown, x, y); }
  // The left button pressed and released, and what it asked for painted.
  void click(int x, int y) {
    send(MessageKind::LeftDown, x, y);
    send(MessageKind::LeftUp, x, y);
    paintPending();
  }

  HeadlessPlatform platform{[](const std::string&) {}, [](const std::string&) {}};
};

double median(std::vector<double> v);

// The photograph as planes and as a 1440 x 960 picture beside them, for the kernels timed alone.
struct PhotoScene {
  std::vector<int32_t> cells = std::vector<int32_t>(static_cast<size_t>(kWidth) * kHeight * 3);
  std::vector<uint8_t> bytes = photographPixels();
  PhotoScene() { copyPixelsToPlanesReference(canvas(), planes()); }
  PlaneView planes() {
    const size_t n = static_cast<size_t>(kWidth) * kHeight;
    return PlaneView{{cells.data(), cells.data() + n, cells.data() + 2 * n}, kWidth, kHeight};
  }
  PixelView canvas() { return PixelView{bytes.data(), kWidth, kHeight}; }
};

// Times one call of run for a UseManualTime benchmark and keeps the time in record, so that a
// later benchmark can report the ratio of medians.
template <class Run>
void timeManually(benchmark::State& state, std::vector<double>& record, Run run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  state.SetIterationTime(seconds);
  record.push_back(seconds);
}

}  // namespace zc::bench

// Milliseconds, five repetitions, only the mean, median and spread reported.
#define ZINDLE_MEDIAN_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
