#include "ui/main_window/HauptF.h"

#include "interpreter/Ausfuehrung.h"
#include "interpreter/Bearbeitung.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Text.h"
#include "ui/main_window/Steuerelemente.h"

namespace quarnel {

namespace {

constexpr std::string_view kReturn = "\r";
constexpr const char* kModusAn = "Beschreibungsfenster aktiv";
constexpr const char* kModusAus = "Beschreibungsenfenster inaktiv";

}  // namespace

std::string NameDerZeile(std::string_view zeile) {
  return std::string(zeile.substr(0, zeile.find(' ')));
}

HauptF::HauptF(Plattform& ui_) : Ablauf(ui_) {
  fenster.QuarnelLB.Zeige(objekte);
  fenster.ProtokollBox.Zeige(befehle);
}

void HauptF::Nachfuehren(Auswahlliste& liste) {
  Zeilenbuch& buch = liste.Quelle()->Buch();
  if (buch.IstNeu()) {
    // Built anew (a re-run, a load, a deletion that renumbers): shown anew,
    // as a list box loaded anew, from its first row and with nothing chosen.
    liste.NeuGeladen();
  } else {
    for (const Zeilenaenderung& a : buch.Aenderungen()) liste.Geaendert(a);
  }
  buch.Leeren();
}

void HauptF::ListenNachfuehren() {
  Nachfuehren(fenster.QuarnelLB);
  Nachfuehren(fenster.ProtokollBox);
  // Commands are added at the end of the list: the newest is shown, so that
  // the user sees what was recorded.
  const std::size_t befehlszahl = fenster.ProtokollBox.Anzahl();
  if (befehlszahl > befehlszahl_) fenster.ProtokollBox.InSicht(befehlszahl - 1);
  befehlszahl_ = befehlszahl;
  // A restart switches the description mode on; the label says so too.
  fenster.ProtoInfoT.text = ausgabe.ProtokollAn ? kModusAn : kModusAus;
}

bool HauptF::IstBefehlszeile(std::string_view zeile) const {
  if (zeile.size() < 3 || zeile[0] != '<') return false;
  std::size_t n = 0, i = 1;
  for (; i < zeile.size() && zeile[i] >= '0' && zeile[i] <= '9' && n <= befehle.size(); ++i)
    n = n * 10 + static_cast<std::size_t>(zeile[i] - '0');
  return i > 1 && n >= 1 && n <= befehle.size() && befehle.Zeile(n - 1) == zeile;
}

void HauptF::Open() {
  ausgabe.Dezimalen = 6;
  Neustart(*this);
}

void HauptF::MouseMove() { fenster.IgnoreReturn = false; }

bool HauptF::Close() {
  bool beenden = false;
  switch (ui.Frage("Vor dem Beenden Speichern?", FrageArt::JaNeinAbbrechen)) {
    case Antwort::Nein: beenden = true; break;
    case Antwort::Ja: beenden = SpeichereProtokoll(*this); break;
    default: break;
  }
  if (beenden) ui.Beenden(0);
  return beenden;
}

bool HauptF::KeyDown(std::string_view taste) {
  if (form.AufHinweisWarten || fenster.IgnoreReturn || EditierfensterWarten()) return false;
  if (taste == kReturn) {
    fenster.IgnoreReturn = true;
    TuEs(*this);
  }
  return false;
}

bool HauptF::GnameF_KeyDown(std::string_view taste) {
  if (taste != kReturn) {
    fenster.IgnoreReturn = false;
    return false;
  }
  TuEsButton_Action();
  return false;
}

void HauptF::GnameF_DropObject(std::string_view zeile) { form.GnameF.text = NameDerZeile(zeile); }

void HauptF::TuEsButton_Action() {
  if (fenster.IgnoreReturn || EditierfensterWarten()) return;
  TuEs(*this);
}

void HauptF::G2ListB_Change() { form.GradF.sichtbar = false; }

void HauptF::QuarnelLB_DoubleClick() {
  const std::string name = NameDerZeile(fenster.QuarnelLB.Text());
  if (name.empty()) return;
  ausgabe.doppelklick = true;
  if (!ui.ShiftGedrueckt()) {
    ZeigeQuarnel(name);
  } else {
    // The window edits the earliest command that defines the object; the
    // command itself changes only when the window is confirmed.
    const std::int32_t t = objekte.QuarnelTypNr(name);
    BefehlT* b = befehle.HoleBefehl(name);
    const QuarnelT* g = objekte.HoleQuarnel(name);
    if (b != nullptr && g != nullptr && (t == Punkt || t == Ebene)) (t == Punkt ? KoordFenster : GlFenster).Oeffnen(*b, *g);
  }
  ausgabe.doppelklick = false;
}

std::string HauptF::QuarnelLB_DragRow(int zeile) const {
  if (zeile < 0 || static_cast<std::size_t>(zeile) >= fenster.QuarnelLB.Anzahl()) return {};
  return fenster.QuarnelLB.Zeile(static_cast<std::size_t>(zeile));
}

void HauptF::BevelButton1_Action() {
  ausgabe.InfoLeeren();
  ausgabe.InfoAktualisieren();
}

void HauptF::ProtokollBox_DoubleClick() { BefehlszeileDoppelklick(*this, fenster.ProtokollBox.Text()); }

std::string HauptF::ProtokollBox_DragRow(int zeile) const {
  if (zeile < 0 || static_cast<std::size_t>(zeile) >= fenster.ProtokollBox.Anzahl()) return {};
  return fenster.ProtokollBox.Zeile(static_cast<std::size_t>(zeile));
}

void HauptF::KillLastOrder3_Action() { LoescheLetztenBefehl(*this); }

void HauptF::Beschr2ClipbB_Action() { ui.Zwischenablage(std::string(1, CR) + ausgabe.InfoF()); }

void HauptF::BefListe2ClipbB1_Action() { ui.Zwischenablage(std::string(1, CR) + befehle.Protokoll()); }

void HauptF::LoeschF_DropObject(std::string_view zeile) { fenster.LoeschF.text = zeile; }

void HauptF::LoeschF_MouseExit() {
  const std::string t = std::move(fenster.LoeschF.text);
  fenster.LoeschF.text.clear();
  if (t.empty()) return;
  if (IstBefehlszeile(t)) {
    // A command row: the command goes onto the stack of deleted commands,
    // and every object is computed again without it.
    LoescheBefehl(*this, t);
    AnweisungslisteAusfuehren(*this);
    return;
  }
  const std::string name = NameDerZeile(t);
  if (name == "O") {
    ui.MsgBox("Der Ursprung O - er lebet ewiglich...");
    return;
  }
  if (objekte.QuarnelTypNr(name) == 0) return;
  // The object goes at once; the deletion is recorded so that the command
  // list deletes it again at this point when it runs.
  objekte.LoescheQuarnel(name);
  BefehlT b = befehle.ErschaffeB();
  b.AltG1 = name;
  b.Kennung = LoescheQuarnel;
  befehle.Anhaengen(std::move(b));
}

bool HauptF::LoeschF_KeyDown(std::string_view) {
  // A typed letter must never delete the object of that name.
  fenster.LoeschF.text.clear();
  return true;
}

void HauptF::SammelF_DropObject(std::string_view zeile) { fenster.SammelF.text = zeile; }

void HauptF::SammelF_MouseExit() {
  const std::string t = std::move(fenster.SammelF.text);
  fenster.SammelF.text.clear();
  if (form.AktuelleKennung != QuarnelSammlung || t.empty() || IstBefehlszeile(t)) return;
  const std::string name = NameDerZeile(t);
  // Points, lines, planes and the whole space can be members; each once.
  const std::string mitglieder = form.AktuelleSammlung + ",";
  if (mitglieder.find("," + name + ",") != std::string::npos || objekte.QuarnelTypNr(name) <= 0) return;
  form.AktuelleSammlung += "," + name;
  ausgabe.LastInfoF = "Sammelobjekte:" + std::string(1, CR) + form.AktuelleSammlung.substr(1);
}

bool HauptF::SammelF_KeyDown(std::string_view) {
  fenster.SammelF.text.clear();
  return true;
}

void HauptF::PopupMenu1_Change(int index) {
  fenster.PopupMenu1 = index;
  if (index > 0 && index < static_cast<int>(kDezimalenEintraege.size())) ausgabe.Dezimalen = index;
}

void HauptF::SprachInfoB_Action() {
  const std::string cr(1, CR);
  ui.MsgBox("Quarnel2 - Version 0.8" + cr + cr +
            "Bitte senden Sie Fehlerberichte und Verbesserungsvorschläge." + cr +
            "Kontakt: der Fehlermelder (Issue-Tracker) des Projekts");
}

int HauptF::YesNoAbfrage(const std::string& frage) {
  return ui.Frage(frage, FrageArt::OKAbbrechen) == Antwort::OK ? 1 : 2;
}

}  // namespace quarnel
