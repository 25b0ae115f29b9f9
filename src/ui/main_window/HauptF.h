#pragma once
// The main window without pixels: the top of the chain that holds the state
// of a run (Bauraum, Beschreibung, Ablauf, HauptF). It adds the main
// window's own controls, the edit, help and information windows, and the
// handlers of every event. The Qt layer draws it, writes what the user types
// or selects into the control models, and hands every other gesture to the
// control's handler through Ereignis, the one way in.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "interpreter/Ablauf.h"
#include "interpreter/Bedienmodelle.h"
#include "ui/main_window/Editierfenster.h"

namespace quarnel {

// The main window's own controls beside the input form.
struct Fensterelemente {
  Auswahlliste QuarnelLB;    // one row per object: name, blank(s), type word
  Auswahlliste ProtokollBox; // one row per command: "<n>", four blanks, sentence
  // The delete and collect fields: a dropped row's text lands here and is
  // acted on when the mouse leaves the field.
  Textfeld LoeschF, SammelF;
  Beschriftung ProtoInfoT{"Beschreibungsfenster aktiv"};  // the description mode
  int PopupMenu1 = 0;        // index of the decimals popup's entry shown
  // Return-key gate: the window's Return has just run the form; cleared by
  // another key in the name field, a mouse movement or a confirmed edit window.
  bool IgnoreReturn = false;
};

// A window that shows a fixed text.
struct Textfenster {
  bool sichtbar = false;
};

// Inherited: ui, objekte, destruktiv (Bauraum); ausgabe, ZeigeQuarnel,
// AlleQuarnelZeigen (Beschreibung); form, befehle (Ablauf).
class HauptF : public Ablauf {
public:
  explicit HauptF(Plattform& ui);
  HauptF(const HauptF&) = delete;
  HauptF& operator=(const HauptF&) = delete;

  Fensterelemente fenster;  // the object and command lists, drop fields, popup, mode label
  Editierfenster KoordFenster{false}, GlFenster{true};  // point and plane edit windows
  Textfenster HilfeFenster, InformFenster;

  // --- The one way in ----------------------------------------------------------
  // Every event runs its handler through here: the handler does its work on
  // the state, then the object and command lists are brought up to date with
  // the objects and commands, once, whatever the handler did. Returns what
  // the handler returns.
  template <class F>
  auto Ereignis(F&& handler) {
    if constexpr (std::is_void_v<std::invoke_result_t<F, HauptF&>>) {
      std::forward<F>(handler)(*this);
      ListenNachfuehren();
    } else {
      auto ergebnis = std::forward<F>(handler)(*this);
      ListenNachfuehren();
      return ergebnis;
    }
  }

  // --- The window and its controls ------------------------------------------
  // Once, when the window is first shown: six decimals, a restart.
  void Open();
  // Any mouse movement over the window opens the Return gate again.
  void MouseMove();
  // Closing the window is quitting: "Vor dem Beenden Speichern?" with Yes,
  // No and Cancel. The program ends after No, or after Yes when the file was
  // written; Cancel, a cancelled save dialog or a failed write return to the
  // program, so that no work is lost. True when the program ends.
  bool Close();
  // Keys take their text ("\r" for Return). A key handler returns true when
  // it swallowed the key, false when the key goes on to the control.
  // The window's own key: Return runs the form once, then waits for a mouse
  // movement or another key in the name field.
  bool KeyDown(std::string_view taste);
  bool GnameF_KeyDown(std::string_view taste);
  // An object row dropped on the name field names its object there, in
  // place of what the field held; the field takes no command row.
  void GnameF_DropObject(std::string_view zeile);
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
  // The drop fields take a dropped row's text and act on it when the mouse
  // leaves them; they take no typing.
  void LoeschF_DropObject(std::string_view zeile);
  void LoeschF_MouseExit();
  bool LoeschF_KeyDown(std::string_view taste);
  void SammelF_DropObject(std::string_view zeile);
  void SammelF_MouseExit();
  bool SammelF_KeyDown(std::string_view taste);
  void PopupMenu1_Change(int index);
  void SprachInfoB_Action();

  // --- The input form (Formular.cpp) -------------------------------------------
  // Shows the form of command kind k: prompt, operand lists filled with the
  // names that fit, number fields or note field.
  void SetzeKennungAuf(std::int32_t k);
  void PunktEingabeSchablone();
  void EbenenEingabeSchablone();
  // An OK/Cancel question; 1 for OK, 2 otherwise.
  int YesNoAbfrage(const std::string& frage);

  // Whether a dropped text is a row of the command list: "<n>" and the rest
  // of command n's row as the list shows it now. Any other text is an object
  // row, also one whose object is named like "<1>".
  bool IstBefehlszeile(std::string_view zeile) const;
  // Whether a Return or "Ausführen" may run the form now.
  bool EditierfensterWarten() const { return KoordFenster.Warten || GlFenster.Warten; }

  // The one way out, as far as the core goes: brings the object list box
  // and the command list box along with what changed in the objects and
  // commands, and lets the mode label follow the description mode. Run after
  // every event and before every dialog; costs nothing when nothing changed.
  void ListenNachfuehren();

private:
  static void Nachfuehren(Auswahlliste& liste);

  std::size_t befehlszahl_ = 0;  // commands the command list box showed last
};

// The object name a dropped or selected object row stands for: its text up
// to the first blank, the whole text when it holds none.
std::string NameDerZeile(std::string_view zeile);

}  // namespace quarnel
