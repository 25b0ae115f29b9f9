#include "interpreter/Bearbeitung.h"

#include <string>

#include "interpreter/BefehlT.h"
#include "interpreter/Protokolldatei.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Text.h"
#include "ui/main_window/HauptF.h"

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

bool LoescheBefehl(HauptF& h, std::string_view zeile) {
  const std::int32_t n = Zeilennummer(zeile);
  if (n == 0 || !h.befehle.LoescheBefehlNr(n)) return false;
  h.befehle.ZeigeBefehlsliste();
  return true;
}

// After the command list changed, the objects are rebuilt from it, so that
// no object outlives the command that made it and a restored command makes
// its object at once.
bool LoescheLetztenBefehl(HauptF& h) {
  if (!h.befehle.LoescheLetzten()) return false;
  AnweisungslisteAusfuehren(h);
  h.ausgabe.LastInfoF.clear();
  return true;
}

bool Restore(HauptF& h) {
  if (!h.befehle.Restore()) return false;
  AnweisungslisteAusfuehren(h);
  return true;
}

void AllesLoeschen(HauptF& h) {
  h.befehle.AllesEinlagern();
  AlleQuarnelLoeschen(h);
  Neustart(h);
}

void BefehlszeileDoppelklick(HauptF& h, std::string_view zeile) {
  const std::int32_t n = Zeilennummer(zeile);
  if (n == 0) return;
  h.befehle.VerschiebeLetztenHinter(n);  // moves only when n is far enough in front
  AnweisungslisteAusfuehren(h);
}

bool LadeFile(HauptF& h) {
  const auto pfad = h.ui.OeffnenDialog();
  if (!pfad) return false;
  std::string text;
  if (!LiesTextdatei(*pfad, text)) {
    h.ui.MsgBox("Die Datei konnte nicht gelesen werden");
    return false;
  }
  return LadeText(h, text);
}

bool LadeText(HauptF& h, std::string_view text) {
  if (!IstQuarnelDatei(text)) {
    h.ui.MsgBox("Das ist keine Quarnel-Datei");
    return false;
  }
  h.form.MenuleisteLeeren(1);
  h.form.MenuleisteLeeren(2);
  h.objekte.NeuerKopf(Objektliste::Ursprung());
  h.ausgabe.InfoLeeren();
  const Einlesebericht bericht = Befehlslisteeinlesen(h.befehle, text);
  for (std::size_t i = 0; i < bericht.verworfen.size(); ++i) h.ui.Beep();
  // The commands already in the list run first, then the loaded ones; the
  // first of them may redefine the origin.
  h.destruktiv = true;
  BefehlslisteAbarbeiten(h);
  h.destruktiv = false;
  h.befehle.ZeigeBefehlsliste();
  return true;
}

bool SpeichereProtokoll(HauptF& h) {
  const auto pfad = h.ui.SpeichernDialog("QuarnelDaten");
  if (!pfad) return false;
  if (!SchreibeTextdatei(*pfad, Dateiinhalt(h.befehle))) {
    h.ui.MsgBox("Die Datei konnte nicht gespeichert werden");
    return false;
  }
  h.form.MenuleisteLeeren(1);
  h.form.MenuleisteLeeren(2);
  return true;
}

}  // namespace quarnel
