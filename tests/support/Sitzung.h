#pragma once
// A main window on a recording platform, started as the program starts, with
// functions that fill in the input form the way a user does, gestures that
// drive the window through its tables as the Qt layer does, and a scratch
// folder for protocol files.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "interpreter/Ausfuehrung.h"
#include "interpreter/Befehlsliste.h"
#include "interpreter/Saetze.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Aufzeichner.h"
#include "platform/Text.h"
#include "ui/main_window/HauptF.h"
#include "ui/main_window/Steuerelemente.h"
#include "ui/menus/Menueleiste.h"

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

struct Sitzung {
  Aufzeichner ui;
  HauptF h{ui};

  // The window opens as the program starts.
  Sitzung() { h.Ereignis(kHauptFenster.oeffnen); }

  // A protocol text: each sentence numbered, closed by a blank and CR, plus
  // the line end of the write-line call.
  static std::string Datei(const std::vector<std::string>& saetze) {
    std::string s;
    for (std::size_t i = 0; i < saetze.size(); ++i) s += "<" + std::to_string(i + 1) + ">    " + saetze[i] + " \r";
    return s + "\n";
  }

  // The operand list holds just this name, selected (none for "").
  static void NurDieseZeile(Auswahlliste& l, const std::string& name) {
    l.Laden(name + CR);
    l.auswahl = name.empty() ? -1 : 0;
  }

  // The form of kind k, filled in and run with Return.
  void Form(std::int32_t k, const std::string& name, const std::string& g1 = "", const std::string& g2 = "",
            const std::string& g3 = "") {
    h.form.AktuelleKennung = k;
    h.form.GnameF.text = name;
    NurDieseZeile(h.form.G1ListB, g1);
    if (k == GErzeugeDrehen) {
      h.form.GradF.text = g2;
      NurDieseZeile(h.form.G2ListB, "");
    } else {
      NurDieseZeile(h.form.G2ListB, g2);
    }
    NurDieseZeile(h.form.G3ListB, g3);
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
  // Command number n (from 1), which must exist.
  const BefehlT& Befehl(std::size_t n) { return *h.befehle.Nr(static_cast<std::int64_t>(n)); }
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

  // --- The window, driven as the Qt layer drives it -------------------------
  // Every gesture goes to the handler that its control's row (or its
  // window's) names, through the one way in; afterwards the object and
  // command lists must show what a fresh render of the objects and commands
  // shows.
  template <class F>
  auto Ereignis(F&& f) {
    struct Danach {
      Sitzung& s;
      ~Danach() { s.ListenStimmen(); }
    } danach{*this};
    return h.Ereignis(std::forward<F>(f));
  }
  static const Verhalten& Von(std::string_view name, std::span<const Steuerelement> tabelle = kHauptFSteuerelemente) {
    const Steuerelement* s = FindeSteuerelement(tabelle, name);
    if (s == nullptr) ADD_FAILURE() << "no control " << name;
    static const Verhalten keins;
    return s ? s->verhalten : keins;
  }
  // A menu entry chosen: whether an action belongs to it.
  bool Menuewahl(std::string_view name) {
    return Ereignis([name](HauptF& h) { return MenueGewaehlt(h, name); });
  }
  void Menue(std::string_view name) { EXPECT_TRUE(Menuewahl(name)) << name; }
  void Klick(std::string_view knopf, std::span<const Steuerelement> tabelle = kHauptFSteuerelemente) {
    Ereignis(Von(knopf, tabelle).aktion);
  }
  // A key typed into a control; a control without a key handler of its own
  // hands it to its window's.
  bool Taste(std::string_view feld, const std::string& taste,
             std::span<const Steuerelement> tabelle = kHauptFSteuerelemente) {
    auto handler = Von(feld, tabelle).taste;
    if (handler == nullptr && tabelle.data() == kHauptFSteuerelemente.data()) handler = kHauptFenster.taste;
    if (handler == nullptr) return false;
    return Ereignis([handler, &taste](HauptF& h) { return handler(h, taste); });
  }
  // Return in a control of the main window that has no key handler.
  void Fenstertaste(const std::string& taste) { Taste("aF", taste); }
  void Maus() { Ereignis(kHauptFenster.mausbewegung); }
  bool Schliessen() { return Ereignis(kHauptFenster.schliessen); }
  void Popup(int eintrag) {
    auto gewaehlt = Von("PopupMenu1").gewaehlt;
    Ereignis([gewaehlt, eintrag](HauptF& h) { gewaehlt(h, eintrag); });
  }
  // Typing a name: every key reaches the name field's handler first.
  void TippeName(const std::string& name) {
    for (char c : name) Taste("GnameF", std::string(1, c));
    h.form.GnameF.text = name;
  }
  // Picks the row of the object, or the row number, as a click does.
  static void WaehleZeile(Auswahlliste& l, const std::string& name) {
    l.auswahl = -1;
    for (std::size_t i = 0; i < l.Anzahl(); ++i)
      if (NameDerZeile(l.Zeile(i)) == name) l.auswahl = static_cast<int>(i);
    EXPECT_GE(l.auswahl, 0) << name;
  }
  void Doppelklick(std::string_view liste, const std::string& name) {
    const Verhalten& v = Von(liste);
    WaehleZeile(*v.liste(h), name);
    Ereignis(v.doppelklick);
  }
  void Doppelklick(std::string_view liste, int zeile) {
    const Verhalten& v = Von(liste);
    v.liste(h)->auswahl = zeile;
    Ereignis(v.doppelklick);
  }
  // Drags a row onto a field, which takes it when its row says so, and
  // moves the mouse out of it.
  void Ablegen(std::string_view feld, const std::string& zeile) {
    const Verhalten& v = Von(feld);
    if (v.nimmt == nullptr || v.nimmt(h, zeile)) Ereignis([&](HauptF& h) { v.ablegen(h, zeile); });
    if (v.verlassen != nullptr) Ereignis(v.verlassen);
  }
  void ZieheObjekt(const std::string& name, std::string_view feld = "LoeschF") {
    std::string zeile;
    for (const std::string& z : h.fenster.QuarnelLB.Zeilen())
      if (NameDerZeile(z) == name) zeile = z;
    EXPECT_FALSE(zeile.empty()) << name;
    Ablegen(feld, zeile);
  }
  void ZieheBefehl(std::size_t n, std::string_view feld = "LoeschF") {
    Ablegen(feld, Von("ProtokollBox").ziehtext(h, static_cast<int>(n - 1)));
  }
  // A point or plane from the number form, a construction from its form,
  // each chosen in the menu and run with Return in the name field.
  void PunktImFenster(const std::string& n, const std::string& x, const std::string& y, const std::string& z) {
    Menue("NumPunkt");
    TippeName(n);
    h.form.aF.text = x;
    h.form.bF.text = y;
    h.form.cF.text = z;
    Taste("GnameF", "\r");
  }
  void EbeneImFenster(const std::string& n, const std::string& a, const std::string& b, const std::string& c,
                      const std::string& d) {
    Menue("NumEbene");
    TippeName(n);
    h.form.aF.text = a;
    h.form.bF.text = b;
    h.form.cF.text = c;
    h.form.dF.text = d;
    Taste("GnameF", "\r");
  }
  void FormImFenster(std::string_view menue, const std::string& n, const std::string& a, const std::string& b,
                     const std::string& c = "") {
    Menue(menue);
    TippeName(n);
    WaehleZeile(h.form.G1ListB, a);
    if (!b.empty()) WaehleZeile(h.form.G2ListB, b);
    if (!c.empty()) WaehleZeile(h.form.G3ListB, c);
    Klick("TuEsButton");
  }

  // A view of a list box as the Qt layer keeps it: the stand it last loaded
  // and the rows it shows, in their order. A row the view is told is new or
  // changed it reads from the list once it has been told everything.
  struct Spiegel {
    std::uint64_t stand = ~std::uint64_t{0};
    std::vector<std::optional<std::string>> zeilen;
  };
  Spiegel objektzeilen, befehlszeilen;
  // Follows the list's changes as a view does: a new stand loads every row,
  // single changes move the rows one by one, each within the rows there are.
  static void Folge(Auswahlliste& l, Spiegel& sp) {
    if (l.Stand() != sp.stand || l.Aenderungen().IstNeu()) {
      sp = {l.Stand(), {}};
      sp.zeilen.resize(l.Anzahl());
    } else {
      for (const Zeilenaenderung& a : l.Aenderungen().Aenderungen()) {
        auto z = sp.zeilen.begin() + static_cast<std::ptrdiff_t>(std::min(a.zeile, sp.zeilen.size()));
        if (a.art == Zeilenaenderung::Eingefuegt) {
          EXPECT_LE(a.zeile, sp.zeilen.size());
          sp.zeilen.insert(z, std::nullopt);
        } else if (a.zeile >= sp.zeilen.size()) {
          ADD_FAILURE() << "row " << a.zeile << " beyond " << sp.zeilen.size();
        } else {
          // A row the view shows goes or changes from what it was.
          EXPECT_TRUE(!*z || **z == a.alt) << "row " << a.zeile;
          if (a.art == Zeilenaenderung::Entfernt) sp.zeilen.erase(z);
          else z->reset();
        }
      }
    }
    l.Gesehen();
    ASSERT_EQ(sp.zeilen.size(), l.Anzahl());
    for (std::size_t i = 0; i < sp.zeilen.size(); ++i) {
      if (!sp.zeilen[i]) sp.zeilen[i] = l.Zeile(i);
      EXPECT_EQ(*sp.zeilen[i], l.Zeile(i)) << "row " << i;
    }
  }

  // After every gesture, the object and command lists show every object and
  // every command, as a fresh render of them shows them, and a view that
  // follows their changes shows the same.
  void ListenStimmen() {
    std::vector<std::string> objekte, befehle;
    h.objekte.FuerAlle([&](const QuarnelT& g) {
      if (g.Typ != Zahl) objekte.push_back(Objektzeile(g));  // a blank head has no row
    });
    std::int64_t n = 0;
    for (const BefehlT& b : h.befehle) befehle.push_back(Befehlszeile(++n, b));
    EXPECT_EQ(h.fenster.QuarnelLB.Zeilen(), objekte);
    EXPECT_EQ(h.fenster.ProtokollBox.Zeilen(), befehle);
    Folge(h.fenster.QuarnelLB, objektzeilen);
    Folge(h.fenster.ProtokollBox, befehlszeilen);
    EXPECT_EQ(h.fenster.ProtoInfoT.text,
              h.ausgabe.ProtokollAn ? "Beschreibungsfenster aktiv" : "Beschreibungsenfenster inaktiv");
  }
};

}  // namespace quarnel::test
