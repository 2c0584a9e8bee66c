// Opening a camera's picture: a 6000 x 4000 JPEG (the parrots tiled over it, quality 92) got on
// the Top page through "get image", with "fit" off (its top-left 1440 x 960 kept) and on (reduced
// to 1440 x 960 by area averaging). One iteration is the whole open: the dialog's probe decode,
// the paint that stores slot 0. Two copies of the file are opened in turn, so every open decodes.
// peak_MB is the process's peak resident memory during the benchmark (VmHWM, reset before it).
// The third case is a 6001 x 4000 JPEG with "fit" on: its width divides by no reduction the
// decoder gives exactly, so it is decoded whole and then averaged (the bound on memory).
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/workspace.h"

namespace zc {
namespace {

using namespace bench;

// A camera picture of the given size, written as two identical files.
std::vector<std::string> makeCameraFiles(int width, int height, const char* stem) {
  {
    const std::vector<uint8_t>& photo = photographPixels();
    std::vector<std::string> out;
    if (photo.empty()) return out;
    std::vector<uint8_t> rows(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
      const uint8_t* from =
          photo.data() + static_cast<size_t>(kHeight - 1 - y % kHeight) * kWidth * 3;
      uint8_t* to = rows.data() + static_cast<size_t>(y) * width * 3;
      for (int x = 0; x < width; ++x) {
        const uint8_t* p = from + (x % kWidth) * 3;
        to[3 * x] = p[0];
        to[3 * x + 1] = p[1];
        to[3 * x + 2] = p[2];
      }
    }
    HeadlessPlatform writer([](const std::string&) {}, [](const std::string&) {});
    std::vector<uint8_t> jpeg;
    if (!writer.encodePicture(rows.data(), width, height, "jpg", 92, jpeg)) return out;
    const std::string folder = enterWorkFolder();
    for (const char* copy : {"-a.jpg", "-b.jpg"}) {
      const std::string path =
          (std::filesystem::path(folder) / (stem + std::string(copy))).string();
      std::ofstream(path, std::ios::binary)
          .write(reinterpret_cast<const char*>(jpeg.data()),
                 static_cast<std::streamsize>(jpeg.size()));
      out.push_back(path);
    }
    return out;
  }
}

const std::vector<std::string>& cameraFiles() {
  static const std::vector<std::string> files = makeCameraFiles(6000, 4000, "camera");
  return files;
}
const std::vector<std::string>& oddCameraFiles() {
  static const std::vector<std::string> files = makeCameraFiles(6001, 4000, "camera-odd");
  return files;
}

// The peak resident memory so far in megabytes, and its reset to the present use.
double peakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      double kb = 0;
      status >> kb;
      return kb / 1024;
    }
  }
  return 0;
}
void resetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

void openCamera(benchmark::State& state, bool fit, const std::vector<std::string>& files) {
  if (files.size() != 2) {
    state.SkipWithError("cannot make the camera picture");
    return;
  }
  ProgramRun run;
  ws().top.fitToCanvas = fit ? 1 : 0;
  resetPeak();
  size_t next = 0;
  std::vector<double> times;
  for (auto _ : state) {
    const std::string& file = files[next++ % 2];
    run.platform.queueAnswer(ScriptedAnswer{ScriptedAnswer::Open, file, file});
    timeManually(state, times, [&] { run.click(40, 256); });  // "get image"
  }
  state.counters["peak_MB"] = peakMegabytes();
  state.counters["image_w"] = ws().imageSize.width;
  state.counters["image_h"] = ws().imageSize.height;
}

void BM_OpenCameraJpegFitOff(benchmark::State& s) {
  openCamera(s, false, cameraFiles());
}
void BM_OpenCameraJpegFitOn(benchmark::State& s) {
  openCamera(s, true, cameraFiles());
}
void BM_OpenOddCameraJpegFitOn(benchmark::State& s) {
  openCamera(s, true, oddCameraFiles());
}

BENCHMARK(BM_OpenCameraJpegFitOff)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_OpenCameraJpegFitOn)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_OpenOddCameraJpegFitOn)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zc
