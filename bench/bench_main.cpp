#include <benchmark/benchmark.h>

#include "platform/headless/headless_platform.h"

// Paint benchmarks draw text, which needs an application object; no display is used.
int main(int argc, char** argv) {
  zc::HeadlessApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
