// Time to enter named points into the object list. The cost per object
// should stay flat from 10,000 to 100,000 objects: lookups and insertion in
// name order are logarithmic, and describing an object does not redo the
// description text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/Aufzeichner.h"
#include "ui/main_window/HauptF.h"

namespace {

using namespace quarnel;

// n distinct point names in random order, so the list is not filled at one end.
std::vector<std::string> Namen(std::size_t n) {
  std::vector<std::string> namen;
  namen.reserve(n);
  for (std::size_t i = 0; i < n; ++i) namen.push_back("P" + std::to_string(i));
  std::mt19937 rng(12345);
  std::shuffle(namen.begin(), namen.end(), rng);
  return namen;
}

QuarnelT Punkt(const std::string& name, std::size_t i) {
  QuarnelT p;
  p.name = name;
  p.Typ = quarnel::Punkt;
  const double d = static_cast<double>(i);
  p.v1 = VektorT(d, d / 3.0, -d);
  return p;
}

void EinlistenVonPunkten(benchmark::State& state, bool beschreibungsmodus) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const std::vector<std::string> namen = Namen(n);
  for (auto _ : state) {
    state.PauseTiming();
    Aufzeichner ui;
    auto h = std::make_unique<HauptF>(ui);
    h->ausgabe.ProtokollAn = beschreibungsmodus;
    state.ResumeTiming();

    for (std::size_t i = 0; i < n; ++i) h->objekte.Einlisten(Punkt(namen[i], i));
    benchmark::DoNotOptimize(h->objekte.Anzahl());

    state.PauseTiming();
    if (h->objekte.Anzahl() != n + 1) state.SkipWithError("objects were lost");
    h.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(n));
  // Seconds per object entered (shown in the unit of the benchmark).
  state.counters["Zeit/Objekt"] = benchmark::Counter(
      static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Einlisten(benchmark::State& state) { EinlistenVonPunkten(state, true); }
void BM_EinlistenOhneBeschreibung(benchmark::State& state) { EinlistenVonPunkten(state, false); }

}  // namespace

BENCHMARK(BM_Einlisten)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinlistenOhneBeschreibung)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
