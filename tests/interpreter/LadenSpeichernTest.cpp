// Saving and loading protocol files through the dialogs: round trips, the
// refusals, damaged files, and the headless loader program.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "interpreter/Bearbeitung.h"
#include "interpreter/Protokolldatei.h"
#include "support/Sitzung.h"
#include "interpreter/Wiedergabe.h"
#include "platform/Datei.h"

namespace quarnel::test {
namespace {

using Abbild = std::tuple<std::string, std::int32_t, std::array<double, 3>, std::array<double, 3>, std::string, std::string>;

// Every object with every stored number, for comparisons bit for bit.
std::vector<Abbild> Objekte(const HauptF& h) {
  std::vector<Abbild> v;
  h.objekte.FuerAlle([&](const QuarnelT& g) {
    v.emplace_back(g.name, g.Typ, std::array<double, 3>{g.v1.x(), g.v1.y(), g.v1.z()},
                   std::array<double, 3>{g.v2.x(), g.v2.y(), g.v2.z()}, g.Ecken[1], g.Ecken[4]);
  });
  return v;
}

bool Lade(Sitzung& s, const std::string& pfad) {
  s.ui.dateien.push_back(pfad);
  return LadeFile(s.h);
}
bool Speichere(Sitzung& s, const std::string& pfad) {
  s.ui.dateien.push_back(pfad);
  return SpeichereProtokoll(s.h);
}

// A construction that uses every kind of command, with numbers that have no
// short decimal form.
void Baue(Sitzung& s) {
  s.Punkt("A", "1/3", "2/7", "-5/9");
  s.Punkt("B", "1", "0,1", "2");
  s.Punkt("C", "-3", "1/11", "0");
  s.Punkt("D", "0", "0", "1/13");
  s.Ebene("E", "1/3", "1", "-2/7", "5/11");
  s.Form(GGeradePP, "g", "A", "B");
  s.Form(GGeradePR, "h", "C", "g");
  s.Form(GEbenePPP, "e", "A", "B", "C");
  s.Form(GEbenePN, "n", "D", "A");
  s.Form(GEbenePRR, "r", "D", "A", "g");
  s.Form(GErzeugeSchnitt, "s", "g", "E");
  s.Form(GErzeugeLotfusspunktG, "f", "D", "e");
  s.Form(GErzeugeSpiegelbild, "m", "h", "E");
  s.Form(GErzeugeOrthogonale, "o", "g", "D");
  s.Form(GErzeugeVerschieben, "v", "e", "D");
  s.Form(GErzeugeDrehen, "d", "E", "1/3", "g");
  s.Form(QuarnelDreieck, "T", "A", "B", "C");
  s.Form(QuarnelTetraeder, "K", "T", "D");
  s.Form(GErzeugeMittelsenkrechte, "M", "A", "D");
  s.Form(QuarnelHuelle, "H", "A", "g", "D");
  s.Form(GErzeugeKlonen, "k", "h");
  s.h.form.AktuelleSammlung = ",A,g,e";
  s.Form(QuarnelSammlung, "S");
  s.Form(GErzeugeDrehen, "R", "S", "-37,5", "h");
  s.Form(AusgabeZeige, "", "S");
  s.Form(BerechneWinkel, "", "g", "e");
  s.Form(BerechneAbstand, "", "C", "e");
  s.Form(AusgabeBeschreibe, "", "K");
  s.h.form.AktuelleKennung = FileHInweis;
  s.h.form.HinweisF.text = "Drehung der Sammlung: ein Beispiel";
  TuEs(s.h);
}

TEST(LadenSpeichern, SaveLoadSaveGivesTheSameFileAndTheSameObjects) {
  Ordner o;
  Sitzung a;
  Baue(a);
  ASSERT_EQ(a.Befehle(), 28u);
  ASSERT_TRUE(a.Meldungen().empty()) << a.Meldungen().front();
  ASSERT_TRUE(Speichere(a, o.Datei("eins.txt")));
  const std::string eins = Ordner::Lies(o.Datei("eins.txt"));
  EXPECT_EQ(eins, a.h.befehle.Protokoll() + "\n");

  Sitzung b;
  ASSERT_TRUE(Lade(b, o.Datei("eins.txt")));
  EXPECT_TRUE(b.Meldungen().empty());
  EXPECT_EQ(b.ui.Beeps(), 0);
  ASSERT_TRUE(Speichere(b, o.Datei("zwei.txt")));
  EXPECT_EQ(Ordner::Lies(o.Datei("zwei.txt")), eins);
  EXPECT_EQ(Objekte(b.h), Objekte(a.h));
  // Executing the list again changes nothing either.
  AnweisungslisteAusfuehren(b.h);
  auto nachher = Objekte(b.h);
  auto vorher = Objekte(a.h);
  std::erase_if(nachher, [](const Abbild& x) { return std::get<0>(x).empty(); });  // the blank head
  std::sort(nachher.begin(), nachher.end());
  std::sort(vorher.begin(), vorher.end());
  EXPECT_EQ(nachher, vorher);
}

TEST(LadenSpeichern, CancelAndRefusedFilesChangeNothing) {
  Ordner o;
  Sitzung s;
  s.Punkt("A", "1", "2", "3");
  s.Form(AusgabeZeige, "", "A");
  const auto objekte = Objekte(s.h);
  const std::string protokoll = s.h.befehle.Protokoll();
  const std::string info = s.h.ausgabe.InfoFenster();
  s.h.form.AktuelleKennung = GGeradePP;
  s.h.form.G1ListB.sichtbar = true;
  auto unveraendert = [&] {
    EXPECT_EQ(Objekte(s.h), objekte);
    EXPECT_EQ(s.h.befehle.Protokoll(), protokoll);
    EXPECT_EQ(s.h.ausgabe.InfoFenster(), info);
    EXPECT_TRUE(s.h.form.G1ListB.sichtbar);
  };

  // Cancel: no message, no change.
  EXPECT_FALSE(LadeFile(s.h));
  EXPECT_TRUE(s.Meldungen().empty());
  unveraendert();
  // Not a protocol file.
  for (const std::string text : {"Hallo\r", " <1>    A ist der Punkt mit dem Koordinatentripel: (1|1|1) \r",
                                 "<2>    A ist der Punkt mit dem Koordinatentripel: (1|1|1) \r", "\n\r\nHallo"}) {
    s.ui.Leeren();
    EXPECT_FALSE(Lade(s, o.Schreibe("fremd.txt", text)));
    EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"Das ist keine Quarnel-Datei\rDatei: " + o.Datei("fremd.txt")}));
    unveraendert();
  }
  // A file that cannot be read.
  s.ui.Leeren();
  EXPECT_FALSE(Lade(s, o.Datei("gibt_es_nicht.txt")));
  EXPECT_FALSE(Lade(s, o.Datei("")));  // the folder itself
  EXPECT_EQ(s.Meldungen(),
            (std::vector<std::string>{
                "Die Datei konnte nicht gelesen werden\rDatei: " + o.Datei("gibt_es_nicht.txt") + "\rDie Datei gibt es nicht.",
                "Die Datei konnte nicht gelesen werden\rDatei: " + o.Datei("") + "\rDas ist ein Ordner, keine Datei."}));
  unveraendert();
}

TEST(LadenSpeichern, SaveReportsFailureAndCancelWritesNothing) {
  Ordner o;
  Sitzung s;
  s.Punkt("A", "1", "2", "3");
  EXPECT_FALSE(SpeichereProtokoll(s.h));  // cancelled
  EXPECT_TRUE(s.Meldungen().empty());
  EXPECT_FALSE(Speichere(s, o.Datei("fehlt/datei.txt")));
  EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"Die Datei konnte nicht gespeichert werden\rDatei: " +
                                                      o.Datei("fehlt/datei.txt") + "\rDen Ordner gibt es nicht."}));
  EXPECT_FALSE(std::filesystem::exists(o.Datei("fehlt")));
  s.h.form.aF.sichtbar = true;
  EXPECT_TRUE(Speichere(s, o.Datei("gut.txt")));
  EXPECT_FALSE(s.h.form.aF.sichtbar);  // saving clears the form's rows
  // An empty list is saved as one line end and loads as no command: no
  // message, no beep, the construction as it was.
  Sitzung leer;
  ASSERT_TRUE(Speichere(leer, o.Datei("leer.txt")));
  EXPECT_EQ(Ordner::Lies(o.Datei("leer.txt")), "\n");
  ASSERT_TRUE(Lade(leer, o.Datei("leer.txt")));
  EXPECT_EQ(leer.Namen(), std::vector<std::string>{"O"});
  s.ui.Leeren();
  ASSERT_TRUE(Lade(s, o.Datei("leer.txt")));
  EXPECT_EQ(s.Befehle(), 1u);
  EXPECT_TRUE(s.ui.protokoll.empty() && leer.ui.protokoll.empty());
}

TEST(LadenSpeichern, LinesThatAreNoCommandBeepAndLoadingGoesOn) {
  Ordner o;
  Sitzung s;
  const std::string text = Sitzung::Datei({
      "A ist der Punkt mit dem Koordinatentripel: (1|2|3)",
      "Das ist kein Satz",
      "B ist der Punkt mit dem Koordinatentripel: (1|2)",
      "",
      "B ist der Punkt mit dem Koordinatentripel: (4|6|3)",
      "g wird definiert als Gerade durch die Punkte: A und: B",
  });
  ASSERT_TRUE(Lade(s, o.Schreibe("teils.txt", text)));
  // One beep, and one message that names the lines not read.
  EXPECT_EQ(s.ui.Beeps(), 1);
  ASSERT_EQ(s.Meldungen().size(), 1u);
  EXPECT_EQ(s.Meldungen()[0].substr(0, s.Meldungen()[0].find('\r')),
            "3 Zeilen der Datei wurden nicht gelesen und fehlen in der Befehlsliste: 2, 3, 4");
  EXPECT_EQ(s.Befehle(), 3u);
  EXPECT_EQ(s.Typ("g"), Gerade);
  // Line ends of another system load as well.
  Sitzung t;
  std::string lf = text;
  for (char& c : lf)
    if (c == '\r') c = '\n';
  ASSERT_TRUE(Lade(t, o.Schreibe("lf.txt", lf)));
  EXPECT_EQ(t.Befehle(), 3u);
  // Twelve lines not read: the message counts them all and names the first ten.
  Sitzung u;
  std::vector<std::string> saetze(13, "kaputt");
  saetze[0] = "A ist der Punkt mit dem Koordinatentripel: (1|2|3)";
  ASSERT_TRUE(Lade(u, o.Schreibe("zwoelf.txt", Sitzung::Datei(saetze))));
  EXPECT_EQ(u.ui.Beeps(), 1);
  EXPECT_EQ(u.Meldungen(), (std::vector<std::string>{"12 Zeilen der Datei wurden nicht gelesen und fehlen in der "
                                                     "Befehlsliste: 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, \u2026\rDatei: " +
                                                     o.Datei("zwoelf.txt")}));
  EXPECT_EQ(u.Befehle(), 1u);
}

// Lines edited or typed by hand load as what they say, and saving writes
// them as the program writes them: other blanks (every kind of them, none
// after a colon, tabs around a point), a note's own leading blanks, lines
// without their number whose names and notes hold ">"; a line that begins
// with "<" but no number is read whole and here is no sentence.
TEST(LadenSpeichern, HandEditedLinesLoadAsTheySay) {
  Ordner o;
  Sitzung s;
  const std::string datei =
      "<1>    A ist der Punkt mit dem Koordinatentripel:(1|2|3)\r"
      "<2>    B ist  der Punkt mit dem  Koordinatentripel: (4|5|6)\t\r"
      "<3>    C ist der\u00A0Punkt mit dem Koordinatentripel: ( 1 |\t2 | 3 )\r"
      "<4>    Hinweis:   drei Blanks vorn\r"
      "<5>    g wird definiert als Gerade durch die Punkte: A und:\u3000B\r"
      "Hinweis: Pfeil -> Loesche das Quarnel: A\r"
      "A>B ist der Punkt mit dem Koordinatentripel: (7|8|9)\t\r"
      "<4    g>h wird definiert als Gerade durch die Punkte: A und: O\r"
      "Loesche das Quarnel:\u2009C\r\n";
  ASSERT_TRUE(Lade(s, o.Schreibe("hand.txt", datei)));
  EXPECT_EQ(s.ui.Beeps(), 1);
  EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"Die Zeile 8 der Datei wurde nicht gelesen und fehlt in der "
                                                     "Befehlsliste.\rDatei: " + o.Datei("hand.txt")}));
  EXPECT_EQ(s.Namen(), (std::vector<std::string>{"O", "A", "A>B", "B", "g"}));
  ASSERT_TRUE(s.Q("B") && s.Q("A>B"));
  EXPECT_EQ(s.Q("B")->v1, VektorT(4, 5, 6));
  EXPECT_EQ(s.Q("A>B")->v1, VektorT(7, 8, 9));
  EXPECT_EQ(s.h.befehle.Nr(4)->AltG2, "  drei Blanks vorn");
  ASSERT_TRUE(Speichere(s, o.Datei("gespeichert.txt")));
  EXPECT_EQ(Ordner::Lies(o.Datei("gespeichert.txt")),
            Sitzung::Datei({"A ist der Punkt mit dem Koordinatentripel: (1|2|3)",
                            "B ist der Punkt mit dem Koordinatentripel: (4|5|6)",
                            "C ist der Punkt mit dem Koordinatentripel: (1|2|3)", "Hinweis:   drei Blanks vorn",
                            "g wird definiert als Gerade durch die Punkte: A und: B",
                            "Hinweis: Pfeil -> Loesche das Quarnel: A",
                            "A>B ist der Punkt mit dem Koordinatentripel: (7|8|9)", "Loesche das Quarnel: C"}));
}

TEST(LadenSpeichern, DamagedFilesNeverCrashAndKeepTheConstructionWhenRefused) {
  Ordner o;
  std::mt19937 zufall(4711);
  std::vector<std::string> dateien;
  for (int i = 0; i < 20; ++i) {
    std::string junk(1 + zufall() % 3000, '\0');
    for (char& c : junk) c = static_cast<char>(zufall());
    dateien.push_back(junk);
    dateien.push_back("<1>" + junk);
    dateien.push_back("<1>    " + junk.substr(0, junk.size() / 2) + " ist der Punkt mit dem Koordinatentripel: (" +
                      junk.substr(junk.size() / 2) + ") \r");
  }
  dateien.push_back("");
  dateien.push_back("<1>");
  dateien.push_back("<1>>>>>");
  dateien.push_back("<1>\r\r\r\n\n");
  dateien.push_back("<1>    " + std::string(1 << 20, 'A') + " ist der Punkt mit dem Koordinatentripel: (1|1|1) \r");
  dateien.push_back("<1>    " + std::string(1 << 20, '>'));
  dateien.push_back("<1>    P ist der Punkt mit dem Koordinatentripel: (1e308|-1e308|1e400) \r");
  dateien.push_back("<1>    E ist die Ebene mit der Gleichung: 0x + 0y + 0z = 1 \r");
  dateien.push_back("<1>    S ist die Sammlung der Quarnel: S \r<2>    T wird definiert als Schnitt der Quarnel: S und: S \r");
  dateien.push_back("<1>    S ist die Sammlung der Quarnel: ,,, \r<2>    T wird definiert als Schnitt der Quarnel: S und: O \r");

  for (const std::string& text : dateien) {
    Sitzung s;
    s.Punkt("Vorher", "1", "1", "1");
    const auto vorher = Objekte(s.h);
    const bool geladen = Lade(s, o.Schreibe("kaputt.txt", text));
    if (!geladen) {
      EXPECT_EQ(s.Meldungen(), (std::vector<std::string>{"Das ist keine Quarnel-Datei\rDatei: " + o.Datei("kaputt.txt")}));
      EXPECT_EQ(Objekte(s.h), vorher);
      EXPECT_EQ(s.Befehle(), 1u);
    } else {
      EXPECT_TRUE(s.h.objekte.ExistiertQuarnel("Vorher"));
      EXPECT_FALSE(s.h.destruktiv);
    }
  }
}

// Runs f in a child process, where resource limits may be set without harm;
// the text it gives back, or nothing when the child did not end normally
// (an uncaught exception, a signal).
std::optional<std::string> ImKindprozess(const std::function<std::string()>& f) {
  int rohr[2];
  if (::pipe(rohr) != 0) return std::nullopt;
  const pid_t kind = ::fork();
  if (kind == 0) {
    ::close(rohr[0]);
    const std::string text = f();
    ::_exit(::write(rohr[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
  }
  ::close(rohr[1]);
  std::string text;
  char puffer[4096];
  for (ssize_t n; (n = ::read(rohr[0], puffer, sizeof puffer)) > 0;) text.append(puffer, static_cast<std::size_t>(n));
  ::close(rohr[0]);
  int status = 0;
  ::waitpid(kind, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return text;
}

std::vector<std::string> Inhalt(const Ordner& o) {
  std::vector<std::string> namen;
  for (const auto& e : std::filesystem::directory_iterator(o.Datei(""))) namen.push_back(e.path().filename().string());
  std::sort(namen.begin(), namen.end());
  return namen;
}

TEST(LadenSpeichern, SaveThatFailsMidwayLeavesTheOldFileAsItWas) {
  Ordner o;
  Sitzung klein;
  klein.Punkt("A", "1", "2", "3");
  ASSERT_TRUE(Speichere(klein, o.Datei("werk.txt")));
  const std::string alt = Ordner::Lies(o.Datei("werk.txt"));
  Sitzung gross;
  Baue(gross);
  ASSERT_GT(gross.h.befehle.Protokoll().size(), 1500u);

  // The file may grow to 1 KB only: the write stops in the middle.
  const auto meldung = ImKindprozess([&] {
    SchreibgrenzeAlsFehler();  // as the program does at start
    const rlimit grenze{1024, 1024};
    ::setrlimit(RLIMIT_FSIZE, &grenze);
    return Speichere(gross, o.Datei("werk.txt")) ? std::string("gespeichert") : gross.Meldungen().at(0);
  });
  EXPECT_EQ(meldung, "Die Datei konnte nicht gespeichert werden\rDatei: " + o.Datei("werk.txt") +
                         "\rDie Datei würde größer, als das System erlaubt.");
  EXPECT_EQ(Ordner::Lies(o.Datei("werk.txt")), alt);
  EXPECT_EQ(Inhalt(o), std::vector<std::string>{"werk.txt"});  // no half-written file left behind

  ASSERT_TRUE(Speichere(gross, o.Datei("werk.txt")));
  EXPECT_EQ(Ordner::Lies(o.Datei("werk.txt")), gross.h.befehle.Protokoll() + "\n");
  EXPECT_EQ(Inhalt(o), std::vector<std::string>{"werk.txt"});
}

TEST(LadenSpeichern, PipesAndHugeFilesAreRefusedAtOnceNamingFileAndReason) {
  Ordner o;
  Sitzung s;
  s.Punkt("A", "1", "2", "3");
  const auto objekte = Objekte(s.h);
  ASSERT_EQ(::mkfifo(o.Datei("rohr").c_str(), 0600), 0);  // nobody writes to it
  EXPECT_FALSE(Lade(s, o.Datei("rohr")));
  // A protocol's start behind a byte order mark, on a file beyond the bound;
  // and a file of 8 GB that is no protocol, judged by its first bytes.
  o.Schreibe("riesig.txt", "\xEF\xBB\xBF<1>    ");
  std::filesystem::resize_file(o.Datei("riesig.txt"), MaxProtokollGroesse + 1);
  EXPECT_FALSE(Lade(s, o.Datei("riesig.txt")));
  o.Schreibe("fremd.bin", "\x7F" "ELF");
  std::filesystem::resize_file(o.Datei("fremd.bin"), std::uintmax_t{8} << 30);
  EXPECT_FALSE(Lade(s, o.Datei("fremd.bin")));
  EXPECT_EQ(s.Meldungen(),
            (std::vector<std::string>{
                "Die Datei konnte nicht gelesen werden\rDatei: " + o.Datei("rohr") +
                    "\rDas ist eine benannte Pipe, keine gewöhnliche Datei.",
                "Die Datei konnte nicht gelesen werden\rDatei: " + o.Datei("riesig.txt") +
                    "\rDie Datei ist größer als die erlaubten 128 MB.",
                "Das ist keine Quarnel-Datei\rDatei: " + o.Datei("fremd.bin")}));
  EXPECT_EQ(Objekte(s.h), objekte);
  EXPECT_EQ(s.Befehle(), 1u);
}

TEST(LadenSpeichern, RunningOutOfMemoryWhileLoadingKeepsTheConstruction) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#endif
  Ordner o;
  std::string text;
  for (int i = 1; i <= 400000; ++i) {
    const std::string n = std::to_string(i);
    text += "<" + n + ">    P" + n + " ist der Punkt mit dem Koordinatentripel: (" + n + "|0|0) \r";
  }
  o.Schreibe("gross.txt", text + "\n");
  text = {};
  Sitzung s;
  s.Punkt("A", "1", "2", "3");
  const std::string protokoll = s.h.befehle.Protokoll();

  // The file fits into memory, its 400,000 commands do not.
  const auto meldung = ImKindprozess([&] {
    long seiten = 0;
    std::ifstream("/proc/self/statm") >> seiten;
    const rlim_t frei = static_cast<rlim_t>(seiten) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64u << 20);
    const rlimit grenze{frei, frei};
    ::setrlimit(RLIMIT_AS, &grenze);
    if (Lade(s, o.Datei("gross.txt"))) return std::string("geladen");
    // The appended commands are gone for good, not waiting for "Restore".
    if (s.h.befehle.Protokoll() != protokoll || !s.Q("A") || s.Q("P1") || s.h.befehle.LagerGroesse() != 0)
      return std::string("verändert");
    return s.Meldungen().at(0);
  });
  EXPECT_EQ(meldung, "Die Datei konnte nicht gelesen werden\rDatei: " + o.Datei("gross.txt") +
                         "\rDer Arbeitsspeicher reicht nicht aus, um diese Datei zu laden.");
}

// ---- the headless loader program ---------------------------------------------

std::string Programm() {
  std::error_code ec;
  const auto ich = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  const auto p = ich.parent_path() / "quarnel_replay";
  return std::filesystem::exists(p) ? p.string() : std::string();
}

// Runs the program; its exit status, stdout and stderr.
struct Lauf {
  int status = -1;
  std::string aus, fehler;
};
Lauf Starte(const Ordner& o, const std::string& argumente) {
  const std::string befehl = Programm() + " " + argumente + " >" + o.Datei("aus") + " 2>" + o.Datei("fehler");
  Lauf l;
  const int r = std::system(befehl.c_str());
  l.status = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  l.aus = Ordner::Lies(o.Datei("aus"));
  l.fehler = Ordner::Lies(o.Datei("fehler"));
  return l;
}

TEST(Ladeprogramm, PrintsTheDescriptionAndSavesLikeTheMenu) {
  if (Programm().empty()) GTEST_SKIP() << "quarnel_replay was not built";
  Ordner o;
  const std::string beispiel = std::string(QUARNEL_TEST_DATA) + "/protokolle/beispiel1_punkte.txt";
  Lauf l = Starte(o, "--save " + o.Datei("neu.txt") + " " + beispiel);
  EXPECT_EQ(l.status, 0);
  EXPECT_EQ(l.fehler, "");
  EXPECT_EQ(l.aus.rfind("\nDer Winkel zwischen g und E beträgt 0º\n\nDer Abstand von A und E beträgt 3\n", 0), 0u);
  EXPECT_NE(l.aus.find("\nA ist der Punkt mit dem Koordinatentripel (1 | 2 | 3)\n"), std::string::npos);
  EXPECT_EQ(l.aus.find('\r'), std::string::npos);
  EXPECT_EQ(Ordner::Lies(o.Datei("neu.txt")), Ordner::Lies(beispiel));
  // A place that cannot be written: loaded, but not saved.
  l = Starte(o, "--save " + o.Datei("fehlt/neu.txt") + " " + beispiel);
  EXPECT_EQ(l.status, 1);
  EXPECT_NE(l.fehler.find("Meldung: "), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(o.Datei("fehlt/neu.txt")));
  // Over the file-size limit (two blocks of 512 bytes) the save fails like
  // any other write: the old file stays, no piece of the new one is left.
  o.Schreibe("alt.txt", "alt");
  const std::string gross = std::string(QUARNEL_TEST_DATA) + "/protokolle/beispiel4_alle_arten.txt";
  ASSERT_GT(Ordner::Lies(gross).size(), 1024u);
  const std::string grenze = "sh -c 'ulimit -f 2; exec " + Programm() + " --save " + o.Datei("alt.txt") + " " + gross +
                             "' >/dev/null 2>" + o.Datei("fehler");
  const int r = std::system(grenze.c_str());
  EXPECT_TRUE(WIFEXITED(r) && WEXITSTATUS(r) == 1) << r;
  EXPECT_NE(Ordner::Lies(o.Datei("fehler")).find("Die Datei würde größer, als das System erlaubt."), std::string::npos);
  EXPECT_EQ(Ordner::Lies(o.Datei("alt.txt")), "alt");
  EXPECT_EQ(Inhalt(o), (std::vector<std::string>{"alt.txt", "aus", "fehler", "neu.txt"}));

  // Decimals, messages and beeps.
  o.Schreibe("drittel.txt", Sitzung::Datei({"A ist der Punkt mit dem Koordinatentripel: (0.333333333|0|0)", "kaputt",
                                            "A ist der Punkt mit dem Koordinatentripel: (1|1|1)"}));
  l = Starte(o, "--decimals 2 " + o.Datei("drittel.txt"));
  EXPECT_EQ(l.status, 0);
  EXPECT_NE(l.aus.find("A ist der Punkt mit dem Koordinatentripel (0.33 | 0 | 0)"), std::string::npos);
  EXPECT_EQ(l.fehler, "Beep\nMeldung: Der verwendete Quarnelname A  ist unerlaubt oder existiert bereits\n"
                      "Meldung: Die Zeile 2 der Datei wurde nicht gelesen und fehlt in der Befehlsliste.\n"
                      "Datei: " + o.Datei("drittel.txt") + "\n");

  l = Starte(o, "--save " + o.Datei("leer2.txt") + " " + o.Schreibe("leer.txt", "\n"));
  EXPECT_EQ(l.status, 0);
  EXPECT_EQ(l.aus + l.fehler, "");
  EXPECT_EQ(Ordner::Lies(o.Datei("leer2.txt")), "\n");
  o.Schreibe("fremd.txt", "Hallo");
  l = Starte(o, o.Datei("fremd.txt"));
  EXPECT_EQ(l.status, 1);
  EXPECT_EQ(l.fehler, "Meldung: Das ist keine Quarnel-Datei\nDatei: " + o.Datei("fremd.txt") + "\n");
  EXPECT_EQ(Starte(o, "").status, 2);
  EXPECT_EQ(Starte(o, "--decimals 9 " + beispiel).status, 2);
  EXPECT_EQ(Starte(o, "--bunt " + beispiel).status, 2);
}

}  // namespace
}  // namespace quarnel::test
