// What the window on screen adds to the core: loading a protocol of N
// commands through "Laden", and one command from the input form in a
// workspace of N objects, each once in the main window (offscreen, drawn to
// the end) and once headless. N is the program's argument (10,000 when none
// is given):
//
//   quarnel_bench_fenster [--benchmark_... options] [N]
//
// A command should cost about the same whatever N is: it appends its rows
// to the lists instead of building them again, and inserts its description
// on top of the old text instead of setting the whole text again.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "Protokolltext.h"
#include "platform/Aufzeichner.h"
#include "qt/HauptFenster.h"
#include "ui/menus/Menueleiste.h"

namespace {

using namespace quarnel;

// The workspace size, from the command line.
long gBefehle = 10000;

// A protocol file in the temporary folder, removed at the end.
class Datei {
public:
  explicit Datei(const std::string& inhalt)
      : pfad_(std::filesystem::temp_directory_path() / ("quarnel_bench_" + std::to_string(::getpid()) + "_" +
                                                         std::to_string(zaehler_++) + ".txt")) {
    std::ofstream(pfad_, std::ios::binary) << inhalt;
  }
  ~Datei() { std::filesystem::remove(pfad_); }
  std::string Pfad() const { return pfad_.string(); }

private:
  static inline int zaehler_ = 0;
  std::filesystem::path pfad_;
};

// Lets the window draw everything the last event changed.
void Zeichnen() { QCoreApplication::processEvents(); }

// Every line of the file became a command, and nothing was reported.
bool SauberGeladen(const HauptF& h, const Aufzeichner& ui, const std::string& text) {
  const auto zeilen = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
  return h.fenster.ProtokollBox.Anzahl() == zeilen && ui.protokoll.empty();
}

void BM_LadenKopflos(benchmark::State& state) {
  const std::string text = bench::Protokoll(gBefehle);
  const Datei datei(text);
  for (auto _ : state) {
    state.PauseTiming();
    auto ui = std::make_unique<Aufzeichner>();
    auto h = std::make_unique<HauptF>(*ui);
    h->Open();
    ui->dateien.push_back(datei.Pfad());
    state.ResumeTiming();
    h->Ereignis([](HauptF& haupt) { MenueGewaehlt(haupt, "FileLaden"); });
    state.PauseTiming();
    if (!SauberGeladen(*h, *ui, text)) {
      state.SkipWithError("protocol did not load cleanly");
      break;
    }
    h.reset();
    state.ResumeTiming();
  }
}

void BM_LadenFenster(benchmark::State& state) {
  const std::string text = bench::Protokoll(gBefehle);
  const Datei datei(text);
  for (auto _ : state) {
    state.PauseTiming();
    auto ui = std::make_unique<Aufzeichner>();
    auto w = std::make_unique<HauptFenster>(*ui);
    w->show();
    Zeichnen();
    ui->dateien.push_back(datei.Pfad());
    state.ResumeTiming();
    w->Eintrag("FileLaden")->trigger();
    Zeichnen();
    state.PauseTiming();
    if (!SauberGeladen(w->Haupt(), *ui, text)) {
      state.SkipWithError("protocol did not load cleanly");
      break;
    }
    w.reset();
    state.ResumeTiming();
  }
}

// The point form with the next point's name and coordinates filled in.
void FuellePunktform(HauptF& h, long& nr) {
  h.form.GnameF.text = "N" + std::to_string(nr++);
  h.form.aF.text = "1/3";
  h.form.bF.text = "2";
  h.form.cF.text = "3";
}

void BM_BefehlKopflos(benchmark::State& state) {
  Aufzeichner ui;
  HauptF h(ui);
  h.Open();
  const Datei datei(bench::Punkteprotokoll(gBefehle));
  ui.dateien.push_back(datei.Pfad());
  h.Ereignis([](HauptF& haupt) { MenueGewaehlt(haupt, "FileLaden"); });
  h.Ereignis([](HauptF& haupt) { MenueGewaehlt(haupt, "NumPunkt"); });
  long nr = 0;
  for (auto _ : state) {
    FuellePunktform(h, nr);
    h.Ereignis([](HauptF& haupt) { haupt.TuEsButton_Action(); });  // through the one way in, as a click
  }
  if (h.objekte.QuarnelTypNr("N0") != Punkt) state.SkipWithError("the form made no point");
}

void BM_BefehlFenster(benchmark::State& state) {
  Aufzeichner ui;
  HauptFenster w(ui);
  w.show();
  const Datei datei(bench::Punkteprotokoll(gBefehle));
  ui.dateien.push_back(datei.Pfad());
  w.Eintrag("FileLaden")->trigger();
  w.Eintrag("NumPunkt")->trigger();
  Zeichnen();
  auto* ausfuehren = static_cast<QAbstractButton*>(w.Element("TuEsButton"));
  long nr = 0;
  for (auto _ : state) {
    // What typing writes into the form, then a click on "Ausführen".
    FuellePunktform(w.Haupt(), nr);
    ausfuehren->click();
    Zeichnen();
  }
  if (w.Haupt().objekte.QuarnelTypNr("N0") != Punkt) state.SkipWithError("the form made no point");
}

}  // namespace

// Shared machines are noisy: each pair is measured several times, and the
// ratio is best read from the medians (or, with
// --benchmark_enable_random_interleaving=true, from runs mixed in time).
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  if (argc > 2) return 2;
  if (argc == 2) gBefehle = std::strtol(argv[1], nullptr, 10);
  if (gBefehle <= 0) return 2;
  const auto Ms = benchmark::kMillisecond;
  benchmark::RegisterBenchmark("BM_LadenKopflos", BM_LadenKopflos)->Arg(gBefehle)->Unit(Ms)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly(true);
  benchmark::RegisterBenchmark("BM_LadenFenster", BM_LadenFenster)->Arg(gBefehle)->Unit(Ms)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly(true);
  benchmark::RegisterBenchmark("BM_BefehlKopflos", BM_BefehlKopflos)->Arg(gBefehle)->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);
  benchmark::RegisterBenchmark("BM_BefehlFenster", BM_BefehlFenster)->Arg(gBefehle)->Unit(benchmark::kMicrosecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
