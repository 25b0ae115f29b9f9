#include "interpreter/Wiedergabe.h"

#include "constructions/Grundlagen.h"
#include "constructions/Koerper.h"
#include "description/Bericht.h"
#include "interpreter/Ablauf.h"
#include "interpreter/Ausfuehrung.h"
#include "interpreter/Befehlsliste.h"

namespace quarnel {

void BefehlAusfuehren(Ablauf& ablauf, const BefehlT& b) {
  const std::int32_t k = b.Kennung;
  const std::int32_t t1 = ablauf.objekte.QuarnelTypNr(b.AltG1);
  const std::int32_t t2 = ablauf.objekte.QuarnelTypNr(b.AltG2);
  const std::int32_t t3 = ablauf.objekte.QuarnelTypNr(b.AltG3);

  if (t1 == Sammlung && k != QuarnelSammlung && k != LoescheQuarnel && k != FileHInweis && k != NumPunkt &&
      k != NumEbene && k != AusgabeBeschreibe) {
    SammlungAktion(ablauf, k, b.NeuG, b.AltG1, b.AltG2, b.AltG3);
  } else {
    bool ok = false;
    switch (k) {
      case NumPunkt:
        ErzeugePunkt(ablauf, b.NeuG, b.Vektor.x(), b.Vektor.y(), b.Vektor.z(), ok);
        break;
      case NumEbene:
        ErzeugeEbeneG(ablauf, b.NeuG, b.Gleichung[1], b.Gleichung[2], b.Gleichung[3], b.Gleichung[4], ok);
        break;
      case QuarnelSammlung:
        if (!b.AltG1.empty()) ErzeugeSammlung(ablauf, b.NeuG, b.AltG1, ok);
        break;
      case LoescheQuarnel:
        // The origin is never deleted.
        if (Waechter(k, t1, t2, t3) && b.AltG1 != "O") ablauf.objekte.LoescheQuarnel(b.AltG1);
        break;
      case FileHInweis:
        ablauf.ausgabe.HinweisAusgabe(b.AltG2);
        ablauf.ausgabe.LastInfoF = b.AltG2;
        break;
      case AusgabeBeschreibe:
        // A report line read from a file may name any object, or none; the
        // user learns that it names no triangle or tetrahedron, once for
        // the line (a collection is told so by the report itself).
        if (Waechter(k, t1, t2, t3)) Ausfuehren(ablauf, k, b.NeuG, b.AltG1, b.AltG2, b.AltG3);
        else ablauf.ui.MsgBox(KeinDreieckOderTetraeder(b.AltG1));
        break;
      default:
        // Kinds 1 and 2 and numbers that are no kind do nothing.
        if (Waechter(k, t1, t2, t3)) Ausfuehren(ablauf, k, b.NeuG, b.AltG1, b.AltG2, b.AltG3);
        break;
    }
  }
  ablauf.destruktiv = false;
}

void BefehlslisteAbarbeiten(Ablauf& ablauf) {
  for (const BefehlT& b : ablauf.befehle) BefehlAusfuehren(ablauf, b);
}

void Neustart(Ablauf& ablauf) {
  ablauf.befehle.Leeren();
  ablauf.objekte.NeuerKopf(Objektliste::Ursprung());
  ablauf.ausgabe.InfoLeeren();
  ablauf.ausgabe.ProtokollAn = true;
  ablauf.ausgabe.InfoAktualisieren();
  ablauf.form.MenuleisteLeeren(1);
  ablauf.form.MenuleisteLeeren(2);
}

void AlleQuarnelLoeschen(Bauraum& raum) { raum.objekte.NeuerKopf(QuarnelT{}); }

void AnweisungslisteAusfuehren(Ablauf& ablauf) {
  ablauf.form.KeineForm();
  AlleQuarnelLoeschen(ablauf);
  ablauf.destruktiv = false;
  bool ok = false;
  ErzeugePunkt(ablauf, "O", 0.0, 0.0, 0.0, ok);
  ablauf.ausgabe.InfoLeeren();
  ablauf.destruktiv = true;  // for the first command only, as when loading
  BefehlslisteAbarbeiten(ablauf);
  ablauf.destruktiv = false;
  // Like the object list, the command list is shown anew after a run, as a
  // list box loaded anew: from its first row, with no row chosen.
  ablauf.befehle.ZeigeBefehlsliste();
}

}  // namespace quarnel
