#pragma once
// A main window on a recording platform, started as the program starts, with
// functions that fill in the input form the way a user does and a scratch
// folder for protocol files.
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "interpreter/Ausfuehrung.h"
#include "interpreter/BefehlT.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Aufzeichner.h"
#include "platform/Text.h"
#include "ui/main_window/HauptF.h"

namespace quarnel::test {

// A folder of its own under the system's temporary folder, removed at the end.
class Ordner {
public:
  Ordner() {
    static std::atomic<int> zaehler{0};
    pfad_ = std::filesystem::temp_directory_path() /
            ("quarnel_i2_" + std::to_string(::getpid()) + "_" + std::to_string(zaehler++));
    std::filesystem::create_directories(pfad_);
  }
  ~Ordner() {
    std::error_code ec;
    std::filesystem::remove_all(pfad_, ec);
  }
  std::string Datei(const std::string& name) const { return (pfad_ / name).string(); }
  std::string Schreibe(const std::string& name, const std::string& inhalt) const {
    std::ofstream(Datei(name), std::ios::binary) << inhalt;
    return Datei(name);
  }
  static std::string Lies(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }

private:
  std::filesystem::path pfad_;
};

// Counts the turns the core gives the event loop.
class ZaehlenderAufzeichner : public Aufzeichner {
public:
  int ereignisse = 0;
  void Ereignisse() override { ++ereignisse; }
};

struct Sitzung {
  ZaehlenderAufzeichner ui;
  HauptF h{ui};

  Sitzung() { Neustart(h); }

  // A protocol text: each sentence numbered, closed by a blank and CR, plus
  // the line end of the write-line call.
  static std::string Datei(const std::vector<std::string>& saetze) {
    std::string s;
    for (std::size_t i = 0; i < saetze.size(); ++i) s += "<" + std::to_string(i + 1) + ">    " + saetze[i] + " \r";
    return s + "\n";
  }

  static void Waehle(Auswahlliste& l, const std::string& name) {
    l.zeilen = {name};
    l.auswahl = name.empty() ? -1 : 0;
  }

  // The form of kind k, filled in and run with Return.
  void Form(std::int32_t k, const std::string& name, const std::string& g1 = "", const std::string& g2 = "",
            const std::string& g3 = "") {
    h.form.AktuelleKennung = k;
    h.form.GnameF.text = name;
    Waehle(h.form.G1ListB, g1);
    if (k == GErzeugeDrehen) {
      h.form.GradF.text = g2;
      Waehle(h.form.G2ListB, "");
    } else {
      Waehle(h.form.G2ListB, g2);
    }
    Waehle(h.form.G3ListB, g3);
    TuEs(h);
  }
  void Punkt(const std::string& name, const std::string& x, const std::string& y, const std::string& z) {
    h.form.AktuelleKennung = VariablerPunkt;
    h.form.GnameF.text = name;
    h.form.aF.text = x;
    h.form.bF.text = y;
    h.form.cF.text = z;
    TuEs(h);
  }
  void Ebene(const std::string& name, const std::string& a, const std::string& b, const std::string& c,
             const std::string& d) {
    h.form.AktuelleKennung = VariableEbene;
    h.form.GnameF.text = name;
    h.form.aF.text = a;
    h.form.bF.text = b;
    h.form.cF.text = c;
    h.form.dF.text = d;
    TuEs(h);
  }

  const QuarnelT* Q(const std::string& name) const { return h.objekte.HoleQuarnel(name); }
  std::int32_t Typ(const std::string& name) const { return h.objekte.QuarnelTypNr(name); }
  std::size_t Befehle() const { return h.befehle.size(); }
  // The last command, or a blank one when the list is empty.
  const BefehlT& Letzter() {
    static const BefehlT leer;
    const BefehlT* b = h.befehle.Nr(static_cast<std::int64_t>(h.befehle.size()));
    return b ? *b : leer;
  }
  // Names of all objects in list order.
  std::vector<std::string> Namen() const {
    std::vector<std::string> n;
    h.objekte.FuerAlle([&](const QuarnelT& g) { n.push_back(g.name); });
    return n;
  }
  std::vector<std::string> Meldungen() const { return ui.Meldungen(); }
};

}  // namespace quarnel::test
