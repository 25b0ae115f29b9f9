#pragma once
// The program's main window on screen. It owns the pixel-free main window
// HauptF, which holds the whole state of a run and decides everything, and
// only draws it. There is one way in: every gesture, in any of the program's
// windows, is handed to the core's handler of that event through
// Weiterleiten, which runs it through HauptF::Ereignis. There is one way
// out: after every event, Abgleichen brings all windows up to date with the
// core's models. Each window is a view built from the core's table
// (Ansicht); this class holds the views, the menu bar, and routes the keys,
// mouse movements and close boxes that no single widget reports.
#include <QMainWindow>
#include <QPointer>
#include <QScopedValueRollback>
#include <QHash>
#include <QSet>

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/Plattform.h"
#include "qt/Nebenfenster.h"
#include "ui/main_window/HauptF.h"
#include "ui/main_window/Steuerelemente.h"

class QAction;
class QKeyEvent;
class QMenu;

namespace quarnel {

class Ansicht;

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
  // The window beside the main window of that kind; nullptr until it is
  // first shown (and again after its close box discarded it).
  Nebenfenster* Fenster(const Fensterart& art) const;

  // The one way in: runs one event of the core, then draws what changed. An
  // event that arrives while another one is still running (from a nested
  // event loop) is dropped: no gesture runs in the middle of another.
  template <class F>
  auto Weiterleiten(F&& f) {
    using Ergebnis = std::invoke_result_t<F, HauptF&>;
    if constexpr (std::is_void_v<Ergebnis>) {
      if (beschaeftigt_) return;
      {
        const QScopedValueRollback<bool> laeuft(beschaeftigt_, true);
        haupt_.Ereignis(std::forward<F>(f));
      }
      Abgleichen();
    } else {
      if (beschaeftigt_) return Ergebnis{};
      Ergebnis e{};
      {
        const QScopedValueRollback<bool> laeuft(beschaeftigt_, true);
        e = haupt_.Ereignis(std::forward<F>(f));
      }
      Abgleichen();
      return e;
    }
  }
  // The one way out: the core brings its list boxes along, then every
  // window is brought up to date with the core's models, showing, hiding and
  // building the windows beside the main window as the core says. Runs after
  // every event and before a message box or dialog opens in the middle of
  // one, so that nothing is ever painted that the core no longer holds.
  void Abgleichen();

protected:
  bool eventFilter(QObject* ziel, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

private:
  // What the core asks of the user, on its way to the platform: before a
  // message box or a dialog opens, and before a long loop lets the window
  // repaint, the window is brought up to date, so that it shows what the
  // core holds while the user reads.
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
    void Ereignisse() override;
    void Beenden(int code) override { ui_.Beenden(code); }

  private:
    Plattform& ui_;
    HauptFenster& fenster_;
  };

  // A window beside the main window, built when the core first shows it.
  struct Seitenfenster {
    const Fensterart* art;
    QPointer<Nebenfenster> fenster;
    Ansicht* ansicht = nullptr;  // belongs to the window
  };

  void BaueMenueleiste();
  void AbgleichenSeitenfenster(Seitenfenster& s);
  // The view a widget belongs to: the main window's or a window beside it.
  Ansicht* AnsichtVon(const QWidget* w) const;
  // Runs the key handler for a key typed into `empfaenger`: the control's
  // own, else its window's; whether it swallowed the key, nothing when no
  // handler takes keys there.
  std::optional<bool> Taste(QWidget* empfaenger, QKeyEvent& e);

  Vordialog ui_;
  HauptF haupt_;
  bool beschaeftigt_ = false;
  unsigned long letzteBewegung_ = ~0UL;  // time of the last mouse move forwarded
  // The widget a handled key press is being delivered to, and to it alone.
  QWidget* zustellung_ = nullptr;

  QWidget* inhalt_ = nullptr;
  Ansicht* ansicht_ = nullptr;  // the main window's controls; belongs to inhalt_
  std::vector<Seitenfenster> seitenfenster_;

  // The menu's shortcuts, which win over a text field's own editing keys.
  QSet<int> kuerzel_;
  // When each key was last let go: a key held down repeats as a release and
  // a press at one and the same instant.
  QHash<int, quint64> losgelassen_;
  // Whether a key press only repeats a key held down. The flag the desktop
  // sets on a repeated press is not to be trusted alone: the X11 layer sets
  // it only when it already holds the next press as it reads the release.
  bool Gehalten(const QKeyEvent& k) const;
};

}  // namespace quarnel
