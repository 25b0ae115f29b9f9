// Time to load a protocol file and to execute its command list again, for
// 10,000 and 40,000 mixed commands (points, planes, lines, intersections,
// feet, mirror images, rotations, triangles, distances and reports). The time
// per command ("s_pro_Befehl") should stay flat: reading, recording and
// replaying are linear in the number of commands, and nothing rebuilds the
// name lists or the protocol text for every command.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "interpreter/Bearbeitung.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Aufzeichner.h"
#include "ui/main_window/HauptF.h"
#include "Protokolltext.h"

namespace {

using namespace quarnel;

void BM_Laden(benchmark::State& state) {
  const long n = state.range(0);
  const std::string text = bench::Protokoll(n);
  for (auto _ : state) {
    state.PauseTiming();
    auto ui = std::make_unique<Stumm>();
    auto h = std::make_unique<HauptF>(*ui);
    Neustart(*h);
    state.ResumeTiming();
    if (!LadeText(*h, text) || ui->meldungen != 0) state.SkipWithError("protocol did not load cleanly");
    state.PauseTiming();
    h.reset();  // freeing is not loading
    state.ResumeTiming();
  }
  state.counters["s_pro_Befehl"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Wiederholen(benchmark::State& state) {
  const long n = state.range(0);
  Stumm ui;
  HauptF h(ui);
  Neustart(h);
  if (!LadeText(h, bench::Protokoll(n))) state.SkipWithError("protocol did not load");
  for (auto _ : state) AnweisungslisteAusfuehren(h);
  state.counters["s_pro_Befehl"] =
      benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_Laden)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Wiederholen)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Iterations(3);

// With "--datei N PATH" it writes the protocol of N commands to PATH instead,
// for measuring the loader from outside (its peak memory, say).
int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--datei") {
    std::ofstream(argv[3], std::ios::binary) << bench::Protokoll(std::strtol(argv[2], nullptr, 10));
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
