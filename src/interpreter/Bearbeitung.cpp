#include "interpreter/Bearbeitung.h"

#include <new>
#include <string>
#include <vector>

#include "constructions/Grundlagen.h"
#include "interpreter/Ablauf.h"
#include "interpreter/Befehlsliste.h"
#include "interpreter/Protokolldatei.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Datei.h"
#include "platform/Text.h"

namespace quarnel {

std::int32_t Zeilennummer(std::string_view zeile) {
  const std::int64_t p = InStr(zeile, "<");
  if (p == 0) return 0;
  const std::string rest = Mid(zeile, p + 1);
  const std::int64_t q = InStr(rest, ">");
  if (q <= 1) return 0;
  const std::int32_t n = CInt32(Val(Left(rest, q - 1)));
  return n > 0 ? n : 0;
}

bool LoescheBefehl(Ablauf& ablauf, std::string_view zeile) {
  const std::int32_t n = Zeilennummer(zeile);
  return n != 0 && ablauf.befehle.LoescheBefehlNr(n);
}

// After the command list changed, the objects are rebuilt from it, so that
// no object outlives the command that made it and a restored command makes
// its object at once.
bool LoescheLetztenBefehl(Ablauf& ablauf) {
  if (!ablauf.befehle.LoescheLetzten()) return false;
  AnweisungslisteAusfuehren(ablauf);
  ablauf.ausgabe.LastInfoF.clear();
  return true;
}

bool Restore(Ablauf& ablauf) {
  const BefehlT* b = ablauf.befehle.Zuoberst();
  if (b == nullptr) return false;
  // At the end of the list the command meets the objects there are now, and
  // a name another object bears would be refused at every run. Into an empty
  // list it comes as the first command, which may take the origin's name.
  if (DefiniertQuarnel(b->Kennung) && !ablauf.befehle.empty() && ablauf.objekte.ExistiertQuarnel(b->NeuG)) {
    ablauf.ui.MsgBox(NameUnerlaubt(b->NeuG));
    return false;
  }
  ablauf.befehle.Restore();
  AnweisungslisteAusfuehren(ablauf);
  return true;
}

void AllesLoeschen(Ablauf& ablauf) {
  ablauf.befehle.AllesEinlagern();
  AlleQuarnelLoeschen(ablauf);
  Neustart(ablauf);
  ablauf.form.KeineForm();
}

void BefehlszeileDoppelklick(Ablauf& ablauf, std::string_view zeile) {
  const std::int32_t n = Zeilennummer(zeile);
  if (n == 0) return;
  ablauf.befehle.VerschiebeLetztenHinter(n);  // moves only when n is far enough in front
  AnweisungslisteAusfuehren(ablauf);
}

namespace {

constexpr std::string_view kNichtGelesen = "Die Datei konnte nicht gelesen werden";
constexpr std::string_view kKeineQuarnelDatei = "Das ist keine Quarnel-Datei";
constexpr std::string_view kNichtGespeichert = "Die Datei konnte nicht gespeichert werden";
constexpr std::string_view kSpeicherVoll = "Der Arbeitsspeicher reicht nicht aus, um diese Datei zu laden.";

// A message about a file: the sentence, then on their own lines the file's
// name and, when known, why.
std::string Meldung(std::string_view satz, std::string_view pfad, std::string_view grund = {}) {
  std::string m(satz);
  if (!pfad.empty()) {
    m += CR;
    m += "Datei: ";
    m += pfad;
  }
  if (!grund.empty()) {
    m += CR;
    m += grund;
  }
  return m;
}

// Which lines of a file were not read: their count and the numbers of the
// first ten.
std::string NichtGeleseneZeilen(const std::vector<std::size_t>& zeilen) {
  if (zeilen.size() == 1)
    return "Die Zeile " + std::to_string(zeilen[0]) + " der Datei wurde nicht gelesen und fehlt in der Befehlsliste.";
  std::string m = std::to_string(zeilen.size()) + " Zeilen der Datei wurden nicht gelesen und fehlen in der Befehlsliste: ";
  for (std::size_t i = 0; i < zeilen.size() && i < 10; ++i) m += (i > 0 ? ", " : "") + std::to_string(zeilen[i]);
  if (zeilen.size() > 10) m += ", \xE2\x80\xA6";  // "…"
  return m;
}

// The objects start again from the origin alone; the description is emptied.
void Zuruecksetzen(Beschreibung& beschr) {
  beschr.objekte.NeuerKopf(Objektliste::Ursprung());
  beschr.ausgabe.InfoLeeren();
}

// Executes the whole list from its head.
void ListeAbarbeiten(Ablauf& ablauf) {
  // The commands already in the list run first, then the loaded ones; the
  // first of them may redefine the origin.
  ablauf.destruktiv = true;
  BefehlslisteAbarbeiten(ablauf);
  ablauf.destruktiv = false;
}

// Loads a text that passed the "<1>" test; the text is no longer needed
// once its lines are commands, so it is freed before they run. May throw
// std::bad_alloc.
void Uebernehmen(Ablauf& ablauf, std::string_view text, std::string_view pfad, std::string* freigeben = nullptr) {
  ablauf.form.KeineForm();
  Zuruecksetzen(ablauf);
  const Einlesebericht bericht = Befehlslisteeinlesen(ablauf.befehle, text);
  if (freigeben != nullptr) std::string().swap(*freigeben);
  // Lines that were not read: one beep now, and once the lines that were
  // read have been executed, one message that names them.
  if (!bericht.verworfen.empty()) ablauf.ui.Beep();
  ListeAbarbeiten(ablauf);
  if (!bericht.verworfen.empty()) ablauf.ui.MsgBox(Meldung(NichtGeleseneZeilen(bericht.verworfen), pfad));
}

// After memory ran out while a file was loaded: the commands it appended go
// for good (they free their memory and cannot come back with "Restore"), and
// the list from before is executed again, so the user gets the construction
// back that was there.
void Zuruecknehmen(Ablauf& ablauf, std::size_t vorher) {
  ablauf.destruktiv = false;
  ablauf.befehle.KuerzeAuf(vorher);
  try {
    Zuruecksetzen(ablauf);
    ListeAbarbeiten(ablauf);
  } catch (const std::bad_alloc&) {
    // Not even the old construction fits now: its objects stay as far as
    // they were built, its command list is whole.
    ablauf.destruktiv = false;
  }
}

}  // namespace

bool LadeFile(Ablauf& ablauf) {
  const auto pfad = ablauf.ui.OeffnenDialog();
  if (!pfad) return false;
  const std::size_t vorher = ablauf.befehle.size();
  {
    std::string text, grund;
    switch (LiesDatei(*pfad, text, grund, MaxProtokollGroesse, AnfangsLaenge, IstQuarnelDatei)) {
      case Lesestand::Gelesen:
        if (IstQuarnelDatei(text)) break;
        ablauf.ui.MsgBox(Meldung(kKeineQuarnelDatei, *pfad));
        return false;
      case Lesestand::FremderAnfang: ablauf.ui.MsgBox(Meldung(kKeineQuarnelDatei, *pfad)); return false;
      case Lesestand::NichtLesbar:
      case Lesestand::ZuGross: ablauf.ui.MsgBox(Meldung(kNichtGelesen, *pfad, grund)); return false;
    }
    try {
      Uebernehmen(ablauf, text, *pfad, &text);
      return true;
    } catch (const std::bad_alloc&) {
    }
  }  // the file's text is freed before the old construction is built again
  Zuruecknehmen(ablauf, vorher);
  ablauf.ui.MsgBox(Meldung(kNichtGelesen, *pfad, kSpeicherVoll));
  return false;
}

bool LadeText(Ablauf& ablauf, std::string_view text) {
  if (!IstQuarnelDatei(text)) {
    ablauf.ui.MsgBox(std::string(kKeineQuarnelDatei));
    return false;
  }
  const std::size_t vorher = ablauf.befehle.size();
  try {
    Uebernehmen(ablauf, text, {});
    return true;
  } catch (const std::bad_alloc&) {
  }
  Zuruecknehmen(ablauf, vorher);
  ablauf.ui.MsgBox(Meldung(kNichtGelesen, {}, kSpeicherVoll));
  return false;
}

bool SpeichereProtokoll(Ablauf& ablauf) {
  const auto pfad = ablauf.ui.SpeichernDialog("QuarnelDaten");
  if (!pfad) return false;
  std::string grund;
  bool gespeichert = false;
  try {
    gespeichert = SchreibeDatei(*pfad, Dateiinhalt(ablauf.befehle), grund);
  } catch (const std::bad_alloc&) {
    grund = "Der Arbeitsspeicher reicht nicht aus.";
  }
  if (!gespeichert) {
    ablauf.ui.MsgBox(Meldung(kNichtGespeichert, *pfad, grund));
    return false;
  }
  ablauf.form.KeineForm();
  return true;
}

}  // namespace quarnel
