#pragma once
// The object list: a head ("O" after a restart, a blank object during and
// after a re-execution) followed by the members in ascending name order.
// Lookups, insertion and deletion are cheap for hundreds of thousands of
// objects; the automatic names "G_<n>" are booked here. It is the source of
// the object list box (one row per object, rendered when asked for, the
// blank head without one), and builds the ten name lists of the input form
// when a form asks for them.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "model/Namensordnung.h"
#include "model/QuarnelT.h"
#include "model/Zeilenbuch.h"

namespace quarnel {

class Plattform;

// The ten name-list texts; every line, the last one too, ends in CR.
struct NamenListen {
  std::string NListe;        // every object
  std::string ErwNListe;     // every object with its type word
  std::string PNListe;       // points
  std::string gPNListe;      // lines and points (directions)
  std::string oPNListe;      // lines and planes
  std::string gNListe;       // lines
  std::string DNListe;       // triangles
  std::string EckNListe;     // triangles and tetrahedra
  std::string oEckNliste;    // points, lines and planes
  std::string mSoEckNListe;  // points, lines, planes and collections
};

// An object's row in the object list box: its name, then its type word from
// column 15 on.
std::string Objektzeile(const QuarnelT& g);

class Objektliste final : public Zeilenquelle {
public:
  // `beschreibe` is called with each object that Einlisten enters, before it
  // is linked (the object's sentence).
  Objektliste(Plattform& ui, std::function<void(const QuarnelT&)> beschreibe);

  // Replaces the whole list by a new head: the origin "O" (restart, loading)
  // or a blank object (re-execution). Automatic numbers stay booked.
  void NeuerKopf(QuarnelT kopf);
  static QuarnelT Ursprung();     // the point "O" at (0|0|0)
  const QuarnelT& Kopf() const { return kopf_; }

  // Enters the object: an existing object of the same name (type code not 0)
  // is deleted first; "G_<n>" books n; the sentence is shown. An object
  // whose numbers are not all finite is refused with kNichtBerechenbar and
  // nothing changes; false then.
  bool Einlisten(QuarnelT obj);

  // Lookups from the head, the head included. nullptr when nobody bears it.
  const QuarnelT* HoleQuarnel(std::string_view name) const;
  QuarnelT* HoleQuarnel(std::string_view name);
  std::int32_t QuarnelTypNr(std::string_view name) const;  // 0 when absent
  bool ExistiertQuarnel(std::string_view name) const;       // type code not 0
  // Copies v1 (selector 1) or v2 (selector 2) of the named object into v;
  // "Fehler beim Suchen nach <name>" when absent.
  void HoleVektor(std::int32_t selector, std::string_view name, VektorT& v) const;
  // Unlinks the named member (never the head); frees its automatic number;
  // "Fehler beim Loeschen" when nobody behind the head bears the name.
  void LoescheQuarnel(std::string_view name);

  // Not empty, and no blank of any kind (HatBlank), colon, comma, bar or
  // control character.
  static bool ErlaubterName(std::string_view text);

  // Automatic names: the lowest free number from 1 on, booked; never runs out.
  std::int64_t FreieNr();
  void BefreieNr(std::int64_t n);
  bool NrVerbraucht(std::int64_t n) const { return verbraucht_.count(n) != 0; }
  static std::string AutoName(std::int64_t n) { return "G_" + std::to_string(n); }

  // The ten name lists of the objects now listed.
  NamenListen ErzeugeNamenListen() const;

  // The objects in list order: the head, then the members by name.
  template <class F> void FuerAlle(F&& f) const {
    f(kopf_);
    glieder_.FuerAlle(f);
  }
  std::size_t Anzahl() const { return 1 + glieder_.size(); }

  // The object list box's rows: the head's (unless it is blank), then the
  // members'.
  std::size_t Zeilenzahl() const override { return KopfZeile() + glieder_.size(); }
  std::string Zeile(std::size_t i) const override;
  Zeilenbuch& Buch() override { return buch_; }

private:
  static std::int64_t AutoNummer(std::string_view name);  // 0 when not "G_<n>"
  // 1 when the head has a row, 0 for a blank head.
  std::size_t KopfZeile() const { return kopf_.Typ != Zahl ? 1 : 0; }
  // The object's row for the book, while it follows single changes.
  std::string Buchzeile(const QuarnelT& g) const { return buch_.Verfolgt() ? Objektzeile(g) : std::string(); }

  Plattform& ui_;
  std::function<void(const QuarnelT&)> beschreibe_;
  QuarnelT kopf_;
  Namensordnung glieder_;
  std::set<std::int64_t> verbraucht_;
  std::int64_t kandidat_ = 1;  // no number below it is free
  Zeilenbuch buch_;
};

}  // namespace quarnel
