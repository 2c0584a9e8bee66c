#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace {

// The console report as usual, and at the end one table of every whole paint that ran: its
// median, its ratio to the Top page's paint and to the floor (the least a paint can do); then the
// fast kernels against their plain loops, where both of a pair ran, and our kernels against
// libvips.
class PaintTableReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as the library's own reporter does by default.
  PaintTableReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      if (!median && !single) continue;
      std::string name = run.run_name.function_name;
      if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
      const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      const Times times{run.GetAdjustedRealTime() * toMs, run.GetAdjustedCPUTime() * toMs};
      if (name.find("Paint") != std::string::npos) {
        if (!paints_.count(name)) order_.push_back(name);
        paints_[name] = times;
      }
      all_[name] = times;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fprintf(out, "\nload average now: %s\n", loadAverage().c_str());
    if (!order_.empty()) {
      const double top = paints_.count("BM_PaintTop") ? paints_["BM_PaintTop"].real : 0;
      const double floor = paints_.count("BM_PaintFloor") ? paints_["BM_PaintFloor"].real : 0;
      std::fprintf(out, "%-44s %10s %10s %8s %8s\n", "paint (medians)", "ms", "cpu ms", "x Top",
                   "x floor");
      for (const std::string& name : order_) {
        const Times& t = paints_[name];
        std::fprintf(out, "%-44s %10.2f %10.2f %8s %8s\n", name.c_str(), t.real, t.cpu,
                     ratio(t.real, top).c_str(), ratio(t.real, floor).c_str());
      }
    }
    bool heading = false;
    for (const auto& [fast, plain] : kPairs) {
      if (!all_.count(fast) || !all_.count(plain)) continue;
      if (!heading) {
        std::fprintf(out, "\n%-44s %-44s %9s %9s %8s\n", "ours", "against", "ours ms", "their ms",
                     "speedup");
        heading = true;
      }
      std::fprintf(out, "%-44s %-44s %9.3f %9.3f %8s\n", fast.c_str(), plain.c_str(),
                   all_[fast].real, all_[plain].real,
                   ratio(all_[plain].real, all_[fast].real).c_str());
    }
    heading = false;
    for (const auto& [ours, theirs] : kPeers) {
      if (!all_.count(ours) || !all_.count(theirs)) continue;
      if (!heading) {
        std::fprintf(out, "\n%-44s %-44s %9s %9s %8s\n", "ours", "libvips", "ours ms", "their ms",
                     "ours/their");
        heading = true;
      }
      std::fprintf(out, "%-44s %-44s %9.3f %9.3f %8s\n", ours.c_str(), theirs.c_str(),
                   all_[ours].real, all_[theirs].real,
                   ratio(all_[ours].real, all_[theirs].real).c_str());
    }
  }

 private:
  struct Times {
    double real = 0, cpu = 0;
  };
  static std::string ratio(double a, double b) {
    if (b <= 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", a / b);
    return text;
  }
  static std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string line;
    std::getline(in, line);
    return line;
  }

  // Each fast form and the plain loop it is measured against.
  const std::vector<std::pair<std::string, std::string>> kPairs = {
      {"BM_CopyPlanesToCanvas", "BM_CopyPlanesToCanvasPlainLoop"},
      {"BM_CopyCanvasToPlanes", "BM_CopyCanvasToPlanesPlainLoop"},
      {"BM_LightCoreTable/1", "BM_LightCorePlainLoop/1"},
      {"BM_LightCoreTable/2", "BM_LightCorePlainLoop/2"},
      {"BM_LightCoreTable/255", "BM_LightCorePlainLoop/255"},
      {"BM_EvenOddFillKernel/1", "BM_EvenOddFillPlainLoop/1"},
      {"BM_EvenOddFillKernel/2", "BM_EvenOddFillPlainLoop/2"},
      {"BM_ComposeAppear/0", "BM_ComposeAppearPlainLoop/0"},
      {"BM_ComposeAppear/8", "BM_ComposeAppearPlainLoop/8"},
      {"BM_ZoneAndPattern", "BM_ZoneDrawThenPatternImage"},
      {"BM_FineOutlineFast", "BM_FineOutlinePlainLoop"},
      {"BM_BrightDarkTable", "BM_BrightDarkPlainLoop"},
      {"BM_ChangeConvertFast/1", "BM_ChangeConvertReference/1"},
      {"BM_ChangeConvertFast/2", "BM_ChangeConvertReference/2"},
      {"BM_ChangeConvertFast/3", "BM_ChangeConvertReference/3"},
      {"BM_ChangePseudocolorFast", "BM_ChangePseudocolorReference"},
      {"BM_SwapWayFast/21", "BM_SwapWayPlainLoop/21"},
      {"BM_SwapWayFast/12", "BM_SwapWayPlainLoop/12"},
      {"BM_ChannelStatsFast", "BM_ChannelStatsPlainLoop"},
      {"BM_PatternImageFast", "BM_PatternImagePlainLoop"},
      {"BM_ShotPatternFast", "BM_ShotPatternPlainLoop"},
      {"BM_MarkedCellsFast", "BM_MarkedCellsPlainLoop"},
  };
  // Our kernels and the nearest libvips operation (where the benchmark was built with it).
  const std::vector<std::pair<std::string, std::string>> kPeers = {
      {"BM_PeerOursStretch", "BM_PeerVipsStretch"},
      {"BM_PeerOursInvert", "BM_PeerVipsInvert"},
      {"BM_PeerOursThreshold", "BM_PeerVipsThreshold"},
  };
  std::map<std::string, Times> paints_, all_;
  std::vector<std::string> order_;
};

}  // namespace

// Paint benchmarks draw text, which needs an application object; no display is used.
int main(int argc, char** argv) {
  zc::HeadlessApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  PaintTableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
