#include "ui/main_window/Steuerelemente.h"

namespace quarnel {

namespace {
using A = Steuerart;
constexpr std::uint32_t kWeiss = 0xFFFFFF;
}  // namespace

// clang-format off
const std::array<Steuerelement, 40> kHauptFSteuerelemente{{
  {"GnameF", A::Textfeld, 22, 10, 69, 51, "", 0xDAFF08, 24, true},
  {"aF", A::Textfeld, 415, 9, 80, 22, "", kWeiss, 0, false, false, false, false},
  {"bF", A::Textfeld, 543, 9, 80, 22, "", kWeiss, 0, false, false, false, false},
  {"cF", A::Textfeld, 667, 9, 80, 22, "", kWeiss, 0, false, false, false, false},
  {"dF", A::Textfeld, 794, 9, 80, 22, "", kWeiss, 0, false, false, false, false},
  {"TuEsButton", A::Knopf, 895, 10, 83, 75, "Ausführen"},
  {"aT", A::Beschriftung, 114, 11, 300, 20},
  {"bT", A::Beschriftung, 501, 11, 43, 20},
  {"cT", A::Beschriftung, 629, 11, 36, 20},
  {"dT", A::Beschriftung, 753, 11, 41, 20},
  {"G1ListB", A::Liste, 415, 0, 54, 85},
  {"durch2T", A::Beschriftung, 467, 32, 156, 20},
  {"G2ListB", A::Liste, 626, 0, 59, 85},
  {"undT", A::Beschriftung, 729, 32, 48, 20},
  {"G3ListB", A::Liste, 818, 0, 56, 85},
  {"Separator2", A::Trennlinie, 8, 85, 978, 14},
  {"StaticText3", A::Beschriftung, 780, 119, 186, 20, "Quarnel-Liste"},
  {"Separator3", A::Trennlinie, 8, 376, 772, 14},
  {"ProtokollT", A::Beschriftung, 255, 406, 134, 20, "Anweisungs-Liste"},
  {"QuarnelLB", A::Liste, 789, 144, 186, 371, "", kWeiss, 0, false, false, false, true, true},
  {"BeschreibungT", A::Beschriftung, 3, 117, 126, 20, "Beschreibungen"},
  {"InfoF", A::Textfeld, 13, 144, 754, 233, "", 0xFFF7C0, 0, false, true, true},
  {"BevelButton1", A::Knopf, 526, 106, 221, 33, "Alle Beschreibungen Löschen"},
  {"ProtokollBox", A::Liste, 255, 429, 513, 184, "", kWeiss, 0, false, false, false, true, true},
  {"KillLastOrder3", A::Knopf, 531, 389, 220, 37, "Letzte Anweisung Löschen"},
  {"Beschr2ClipbB", A::Knopf, 134, 106, 113, 33, "--> Clipboard"},
  {"BefListe2ClipbB1", A::Knopf, 406, 389, 113, 37, "--> Clipboard"},
  {"GradF", A::Textfeld, 626, 32, 68, 22, "", kWeiss, 0, false, false, false, false},
  {"LoeschF", A::Textfeld, 789, 519, 89, 62, "", 0xFF081D},
  {"PopupMenu1", A::Aufklappmenue, 789, 97, 186, 22},
  {"EingabeText", A::Beschriftung, 95, 32, 308, 20},
  {"StaticText1", A::Beschriftung, 789, 586, 89, 18, "Löschen"},
  {"ProtoInfoT", A::Beschriftung, 250, 112, 276, 20, "Beschreibungsfenster aktiv", kWeiss, 16},
  {"SprachInfoB", A::Knopf, 13, 578, 218, 35},
  {"HinweisF", A::Textfeld, 13, 431, 223, 61, "", kWeiss, 0, false, true},
  {"ProtokollT1", A::Beschriftung, 22, 406, 221, 20, "Hinweis-Eingabe"},
  {"LastInfoF", A::Textfeld, 13, 494, 223, 72, "\r", kWeiss, 0, false, true, true},
  {"SammelF", A::Textfeld, 886, 519, 89, 62, "", 0xD1FFC9},
  {"StaticText2", A::Beschriftung, 886, 586, 89, 18, "Sammeln"},
  {"StaticText4", A::Beschriftung, 13, 65, 90, 20, "Quarnelname"},
}};

const std::array<std::string_view, 7> kDezimalenEintraege{
    "Nachkommastellen", "1 Dezimale", "2 Dezimalen", "3 Dezimalen", "4 Dezimalen", "5 Dezimalen", "6 Dezimalen"};

const std::array<Steuerelement, 6> kKoordFensterSteuerelemente{{
  {"KoordText", A::Beschriftung, 31, 21, 288, 22, "Koordinaten des Punktes "},
  {"xF", A::Textfeld, 31, 55, 90, 35},
  {"yF", A::Textfeld, 130, 55, 90, 35},
  {"zF", A::Textfeld, 229, 55, 90, 35},
  {"AktualisierenB", A::Knopf, 31, 108, 189, 22, "Alles Aktualisieren / Fertig"},
  {"AbbrechB", A::Knopf, 233, 107, 86, 22, "Abbrechen"},
}};

const std::array<Steuerelement, 10> kGlFensterSteuerelemente{{
  {"GlText", A::Beschriftung, 12, 7, 288, 22, "Koordinatengleichung der Ebene "},
  {"xF", A::Textfeld, 12, 41, 90, 35},
  {"yF", A::Textfeld, 143, 41, 90, 35},
  {"zF", A::Textfeld, 275, 41, 90, 35},
  {"AktualisierenB", A::Knopf, 12, 93, 353, 31, "Alles Aktualisieren / Fertig"},
  {"AbbrechB", A::Knopf, 420, 93, 86, 32, "Abbrechen"},
  {"dF", A::Textfeld, 416, 41, 90, 35},
  {"StaticText1", A::Beschriftung, 102, 46, 37, 20, "x +"},
  {"StaticText2", A::Beschriftung, 239, 48, 37, 20, "y +"},
  {"StaticText3", A::Beschriftung, 367, 46, 46, 20, "z ="},
}};

const std::array<Steuerelement, 2> kHilfeFensterSteuerelemente{{
  {"InfoTxt", A::Textfeld, 4, 4, 498, 617, "", 0xFCFFD4, 0, false, true, true},
  {"HilfeB", A::Knopf, 4, 625, 494, 27, "Hilfe-Fenster schließen"},
}};

const std::array<Steuerelement, 2> kInformFensterSteuerelemente{{
  {"InfoF", A::Textfeld, 3, 0, 533, 397, "", 0xFEFFC5, 0, false, true, true},
  {"InfoB", A::Knopf, 3, 402, 530, 28, "Info-Fenster schließen"},
}};
// clang-format on

}  // namespace quarnel
