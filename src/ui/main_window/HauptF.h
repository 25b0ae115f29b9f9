#pragma once
// The main window without pixels: the top of the chain that holds the state
// of a run (Bauraum, Beschreibung, Ablauf, HauptF). It adds the edit, help
// and information windows and handles the window's events. The Qt layer
// draws it, writes what the user types or selects into its control models,
// and forwards each event to the method named after the control and the
// event.
#include <cstdint>
#include <string>
#include <string_view>

#include "interpreter/Ablauf.h"
#include "ui/main_window/Nebenfenster.h"

namespace quarnel {

// Inherited: ui, objekte, destruktiv (Bauraum); ausgabe, ZeigeQuarnel,
// AlleQuarnelZeigen (Beschreibung); form, befehle (Ablauf).
class HauptF : public Ablauf {
public:
  explicit HauptF(Plattform& ui);
  HauptF(const HauptF&) = delete;
  HauptF& operator=(const HauptF&) = delete;

  Fensterelemente fenster;  // the object and command lists, drop fields, popup, mode label
  Editierfenster KoordFenster, GlFenster;  // point and plane edit windows
  Textfenster HilfeFenster, InformFenster;

  // --- The window and its controls ------------------------------------------
  // Once, when the window is first shown: six decimals, a restart.
  void Open();
  // Any mouse movement over the window opens the Return gate again.
  void MouseMove();
  // Keys take their text ("\r" for Return). A key handler returns true when
  // it swallowed the key, false when the key goes on to the control.
  // The window's own key: Return runs the form once, then waits for a mouse
  // movement or another key in the name field.
  bool KeyDown(std::string_view taste);
  bool GnameF_KeyDown(std::string_view taste);
  void TuEsButton_Action();
  void G2ListB_Change();
  // Shows the selected object; with Shift held, opens the point or plane
  // window on the command that first defines it.
  void QuarnelLB_DoubleClick();
  // The text a dragged row carries: the whole row.
  std::string QuarnelLB_DragRow(int zeile) const;
  void BevelButton1_Action();
  // Moves the last command behind the selected row's command, then runs the
  // whole list again.
  void ProtokollBox_DoubleClick();
  std::string ProtokollBox_DragRow(int zeile) const;
  void KillLastOrder3_Action();
  void Beschr2ClipbB_Action();
  void BefListe2ClipbB1_Action();
  // The drop fields act on the dropped row when the mouse leaves them; they
  // take no typing.
  void LoeschF_MouseExit();
  bool LoeschF_KeyDown(std::string_view taste);
  void SammelF_MouseExit();
  bool SammelF_KeyDown(std::string_view taste);
  void PopupMenu1_Change(int index);
  void SprachInfoB_Action();

  // --- The input form --------------------------------------------------------
  // Shows the form of command kind k: prompt, operand lists filled with the
  // names that fit, number fields or note field.
  void SetzeKennungAuf(std::int32_t k);
  void PunktEingabeSchablone();
  void EbenenEingabeSchablone();
  // An OK/Cancel question; 1 for OK, 2 otherwise.
  int YesNoAbfrage(const std::string& frage);

  // Loads the object list box from the name list and the command list box
  // from the protocol text where they changed, and lets the mode label
  // follow the description mode. Every event handler ends with it.
  void ListboxenAbgleichen();
  // The model of the main window's control of that name (input form or
  // window), nullptr when it has none of that kind.
  Textfeld* TextfeldNamens(std::string_view name);
  Beschriftung* BeschriftungNamens(std::string_view name);
  Auswahlliste* ListeNamens(std::string_view name);

  // Whether a dropped text is a row of the command list: "<n>" and the rest
  // of command n's row as the list shows it now. Any other text is an object
  // row, also one whose object is named like "<1>".
  bool IstBefehlszeile(std::string_view zeile) const;
  // Whether a Return or "Ausführen" may run the form now.
  bool EditierfensterWarten() const { return KoordFenster.Warten || GlFenster.Warten; }

private:
  std::string quarnelLBText_;
  std::string protokollBoxText_;
};

// The object name a dropped or selected object row stands for: its text up
// to the first blank, the whole text when it holds none.
std::string NameDerZeile(std::string_view zeile);

}  // namespace quarnel
