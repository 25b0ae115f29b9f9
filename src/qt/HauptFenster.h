#pragma once
// The program's main window on screen. It owns the pixel-free main window
// HauptF, which holds the whole state of a run and decides everything, and
// only draws it: each user gesture is written into the core's control models
// or forwarded to the core's handler of that event, and after every event
// one pass (Abgleichen) brings the widgets up to date with the models.
#include <QMainWindow>
#include <QPointer>
#include <QScopedValueRollback>
#include <QSet>

#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "qt/Nebenfenster.h"
#include "ui/main_window/HauptF.h"
#include "ui/main_window/Steuerelemente.h"

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QComboBox;

namespace quarnel {

class Beschreibungsanzeige;
class ZeilenModell;

class HauptFenster final : public QMainWindow {
  Q_OBJECT
public:
  // Everything the core asks of the user goes to `ui`: real dialogs in the
  // program, a script in tests.
  explicit HauptFenster(Plattform& ui, QWidget* eltern = nullptr);
  ~HauptFenster() override;

  HauptF& Haupt() { return haupt_; }

  // A control of the main window by its name; nullptr when there is none.
  QWidget* Element(std::string_view name) const;
  // The menu entry of that name (a command or a separator), or the menu.
  QAction* Eintrag(std::string_view name) const;
  QMenu* Menue(std::string_view name) const;
  // The windows beside the main window; the help and information windows
  // exist only once they were shown (the information window again after
  // its close box discarded it).
  Nebenfenster* KoordAnsicht() const { return koord_; }
  Nebenfenster* GlAnsicht() const { return gl_; }
  Nebenfenster* HilfeAnsicht() const { return hilfe_; }
  Nebenfenster* InformAnsicht() const { return inform_; }

  // Runs one event of the core, then draws what changed. An event that
  // arrives while another one is still running (from a nested event loop)
  // is dropped: no gesture runs in the middle of another.
  template <class F>
  void Weiterleiten(F&& f) {
    if (beschaeftigt_) return;
    {
      const QScopedValueRollback<bool> laeuft(beschaeftigt_, true);
      f(haupt_);
    }
    Abgleichen();
  }
  // Brings every widget up to date with the core's models, touching only
  // what differs.
  void Abgleichen();

protected:
  bool eventFilter(QObject* ziel, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

private:
  struct Feldbindung {
    Textfeld* feld = nullptr;
    QLineEdit* zeile = nullptr;
    QPlainTextEdit* mehrzeilig = nullptr;
    bool ablage = false;  // a drop field: read-only for the user whatever the model says
    std::string gezeigt;
  };
  struct Beschriftungsbindung {
    const Beschriftung* beschriftung;
    QLabel* label;
    std::string gezeigt;
  };
  struct Listenbindung {
    Auswahlliste* liste;
    QListView* ansicht;
    ZeilenModell* modell;
  };

  void BaueInhalt();
  void BaueMenueleiste();
  void BaueEditierfenster(Nebenfenster*& ansicht, Editierfenster& modell, std::span<const Steuerelement> tabelle,
                          std::string_view titelname, bool koord);
  void BindeFeld(Textfeld& feld, QWidget* w, bool ablage = false);
  void BindeListe(Auswahlliste& liste, QListView* ansicht, std::function<std::string(int)> ziehtext);
  Nebenfenster* BaueTextfenster(const Fensterart& art, std::span<const Steuerelement> tabelle,
                                std::string_view text, bool schliessbar);
  void AbgleichenFeld(Feldbindung& b);
  void AbgleichenEditierfenster(Nebenfenster& ansicht, Editierfenster& modell);
  void AbgleichenTextfenster();
  // The window a widget belongs to is one of this program's.
  bool Eigenes(const QWidget* fenster) const;
  // Runs the key handler of the control that received the key: whether it
  // swallowed the key, nothing when no handler takes keys there.
  std::optional<bool> Taste(QWidget* empfaenger, QKeyEvent& e);
  static bool Editierfeld(Nebenfenster& fenster, const QWidget* w);

  // What the core asks of the user, on its way to the platform: before a
  // message box or a dialog opens, the widgets are brought up to date, so
  // that the window shows what the core holds while the user reads.
  class Vordialog final : public Plattform {
  public:
    Vordialog(Plattform& ui, HauptFenster& fenster) : ui_(ui), fenster_(fenster) {}
    void MsgBox(const std::string& text) override;
    Antwort Frage(const std::string& text, FrageArt art) override;
    void Beep() override { ui_.Beep(); }
    std::optional<std::string> OeffnenDialog() override;
    std::optional<std::string> SpeichernDialog(const std::string& vorschlag) override;
    void Zwischenablage(const std::string& text) override { ui_.Zwischenablage(text); }
    bool ShiftGedrueckt() override { return ui_.ShiftGedrueckt(); }
    void Ereignisse() override { ui_.Ereignisse(); }
    void Beenden(int code) override { ui_.Beenden(code); }

  private:
    Plattform& ui_;
    HauptFenster& fenster_;
  };

  Vordialog ui_;
  HauptF haupt_;
  bool beschaeftigt_ = false;
  unsigned long letzteBewegung_ = ~0UL;  // time of the last mouse move forwarded
  // The widget a handled key press is being delivered to, and to it alone.
  QWidget* zustellung_ = nullptr;

  QWidget* inhalt_ = nullptr;
  QWidget* gnameF_ = nullptr;
  QWidget* loeschF_ = nullptr;
  QWidget* sammelF_ = nullptr;
  QPlainTextEdit* lastInfoF_ = nullptr;
  QComboBox* popup_ = nullptr;
  std::deque<Feldbindung> felder_;
  std::deque<Beschriftungsbindung> beschriftungen_;
  std::vector<Listenbindung> listen_;
  Beschreibungsanzeige* beschreibung_ = nullptr;  // belongs to the description field
  std::uint64_t infoStand_ = ~std::uint64_t{0};
  std::string lastInfoGezeigt_;

  Nebenfenster* koord_ = nullptr;
  Nebenfenster* gl_ = nullptr;
  QPointer<Nebenfenster> hilfe_;
  QPointer<Nebenfenster> inform_;

  // The menu's shortcuts, which win over a text field's own editing keys.
  QSet<int> kuerzel_;
};

}  // namespace quarnel
