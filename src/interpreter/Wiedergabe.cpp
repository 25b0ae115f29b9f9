#include "interpreter/Wiedergabe.h"

#include "constructions/Grundlagen.h"
#include "constructions/Koerper.h"
#include "description/Bericht.h"
#include "interpreter/Ablauf.h"
#include "interpreter/Ausfuehrung.h"
#include "interpreter/BefehlT.h"

namespace quarnel {

void BefehlAusfuehren(Ablauf& h, const BefehlT& b) {
  const std::int32_t k = b.Kennung;
  const std::int32_t t1 = h.objekte.QuarnelTypNr(b.AltG1);
  const std::int32_t t2 = h.objekte.QuarnelTypNr(b.AltG2);
  const std::int32_t t3 = h.objekte.QuarnelTypNr(b.AltG3);

  if (t1 == Sammlung && k != QuarnelSammlung && k != LoescheQuarnel && k != FileHInweis && k != NumPunkt &&
      k != NumEbene && k != AusgabeBeschreibe) {
    SammlungAktion(h, k, b.NeuG, b.AltG1, b.AltG2, b.AltG3);
  } else {
    bool ok = false;
    switch (k) {
      case NumPunkt:
        ErzeugePunkt(h, b.NeuG, b.Vektor.x(), b.Vektor.y(), b.Vektor.z(), ok);
        break;
      case NumEbene:
        ErzeugeEbeneG(h, b.NeuG, b.Gleichung[1], b.Gleichung[2], b.Gleichung[3], b.Gleichung[4], ok);
        break;
      case QuarnelSammlung:
        if (!b.AltG1.empty()) ErzeugeSammlung(h, b.NeuG, b.AltG1, ok);
        break;
      case LoescheQuarnel:
        // The origin is never deleted.
        if (Waechter(k, t1, t2, t3) && b.AltG1 != "O") h.objekte.LoescheQuarnel(b.AltG1);
        break;
      case FileHInweis:
        h.ausgabe.HinweisAusgabe(b.AltG2);
        h.ausgabe.LastInfoF = b.AltG2;
        break;
      case AusgabeBeschreibe:
        // A report line read from a file may name any object, or none; the
        // user learns that it names no triangle or tetrahedron, once for
        // the line (a collection is told so by the report itself).
        if (Waechter(k, t1, t2, t3)) Ausfuehren(h, k, b.NeuG, b.AltG1, b.AltG2, b.AltG3);
        else h.ui.MsgBox(KeinDreieckOderTetraeder(b.AltG1));
        break;
      default:
        // Kinds 1 and 2 and numbers that are no kind do nothing.
        if (Waechter(k, t1, t2, t3)) Ausfuehren(h, k, b.NeuG, b.AltG1, b.AltG2, b.AltG3);
        break;
    }
  }
  h.destruktiv = false;
}

void BefehlslisteAbarbeiten(Ablauf& h) {
  for (const BefehlT& b : h.befehle) BefehlAusfuehren(h, b);
  h.objekte.ErzeugeNamenListen();
}

void Neustart(Ablauf& h) {
  h.befehle.Leeren();
  h.objekte.NeuerKopf(Objektliste::Ursprung());
  h.ausgabe.InfoLeeren();
  h.ausgabe.ProtokollAn = true;
  h.objekte.ErzeugeNamenListen();
  h.befehle.ZeigeBefehlsliste();
  h.ausgabe.InfoAktualisieren();
  h.form.MenuleisteLeeren(1);
  h.form.MenuleisteLeeren(2);
}

void AlleQuarnelLoeschen(Bauraum& h) { h.objekte.NeuerKopf(QuarnelT{}); }

void AnweisungslisteAusfuehren(Ablauf& h) {
  h.form.KeineForm();
  AlleQuarnelLoeschen(h);
  h.destruktiv = false;
  bool ok = false;
  ErzeugePunkt(h, "O", 0.0, 0.0, 0.0, ok);
  h.ausgabe.InfoLeeren();
  h.destruktiv = true;  // for the first command only, as when loading
  BefehlslisteAbarbeiten(h);
  h.destruktiv = false;
  h.befehle.ZeigeBefehlsliste();
}

}  // namespace quarnel
