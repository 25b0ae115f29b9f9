// Whole files on a real file system: a save replaces the file as a whole,
// through links and with its permissions; a read takes regular files only
// and keeps to its bound.
#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Datei.h"

namespace quarnel {
namespace {

namespace fs = std::filesystem;

class DateiTest : public ::testing::Test {
protected:
  fs::path dir = fs::temp_directory_path() / ("quarnel_datei_" + std::to_string(std::random_device{}()));
  void SetUp() override { fs::create_directories(dir / "unter"); }
  void TearDown() override { fs::remove_all(dir); }

  std::string P(const std::string& name) const { return (dir / name).string(); }
  std::string Lies(const std::string& name) const {
    std::string inhalt, grund;
    EXPECT_EQ(LiesDatei(P(name), inhalt, grund), Lesestand::Gelesen) << grund;
    return inhalt;
  }
  static mode_t Rechte(const std::string& pfad) {
    struct stat st {};
    ::stat(pfad.c_str(), &st);
    return st.st_mode & 07777;
  }
  // All names in the folder and below, sorted: no left-over files.
  std::vector<std::string> Namen() const {
    std::vector<std::string> n;
    for (const auto& e : fs::recursive_directory_iterator(dir)) n.push_back(e.path().lexically_relative(dir).string());
    std::sort(n.begin(), n.end());
    return n;
  }
};

TEST_F(DateiTest, SaveReplacesTheFileAsAWholeThroughLinksKeepingItsPermissions) {
  std::string grund;
  const mode_t maske = ::umask(0);
  ::umask(maske);
  ASSERT_TRUE(SchreibeDatei(P("unter/ziel.txt"), "alt", grund)) << grund;
  EXPECT_EQ(Rechte(P("unter/ziel.txt")), 0666 & ~maske);  // a new file as the umask gives it
  ::chmod(P("unter/ziel.txt").c_str(), 0640);

  // A relative link to an absolute link to the file: the file is replaced,
  // both links stay and the file keeps its permissions.
  fs::create_symlink(P("unter/ziel.txt"), P("unter/absolut"));
  fs::create_symlink("unter/absolut", P("verweis"));
  ASSERT_TRUE(SchreibeDatei(P("verweis"), std::string("neu\r\0\xFF", 6), grund)) << grund;
  EXPECT_EQ(Lies("unter/ziel.txt"), std::string("neu\r\0\xFF", 6));
  EXPECT_EQ(fs::read_symlink(P("verweis")), "unter/absolut");
  EXPECT_TRUE(fs::is_symlink(P("unter/absolut")));
  EXPECT_EQ(Rechte(P("unter/ziel.txt")), 0640u);
  // A link to nothing yet: the file it names is made.
  fs::create_symlink("unter/spaeter.txt", P("vorab"));
  ASSERT_TRUE(SchreibeDatei(P("vorab"), "", grund)) << grund;
  EXPECT_TRUE(fs::is_regular_file(P("unter/spaeter.txt")));

  // What is no regular file is never replaced.
  ASSERT_EQ(::mkfifo(P("rohr").c_str(), 0600), 0);
  EXPECT_FALSE(SchreibeDatei(P("rohr"), "x", grund));
  EXPECT_EQ(grund, "Das ist eine benannte Pipe, keine gewöhnliche Datei.");
  EXPECT_TRUE(fs::is_fifo(P("rohr")));
  EXPECT_FALSE(SchreibeDatei(P("unter"), "x", grund));
  EXPECT_EQ(grund, "Das ist ein Ordner, keine Datei.");
  if (::geteuid() != 0) {  // the superuser may write anything
    ::chmod(P("unter/ziel.txt").c_str(), 0440);
    EXPECT_FALSE(SchreibeDatei(P("verweis"), "x", grund));
    EXPECT_EQ(grund, "Die Datei ist schreibgeschützt.");
    EXPECT_EQ(Lies("unter/ziel.txt"), std::string("neu\r\0\xFF", 6));
  }
  EXPECT_EQ(Namen(), (std::vector<std::string>{"rohr", "unter", "unter/absolut", "unter/spaeter.txt",
                                               "unter/ziel.txt", "verweis", "vorab"}));
}

TEST_F(DateiTest, ReadKeepsToTheBoundAndNeverOpensADevice) {
  std::string grund, inhalt = "bleibt";
  ASSERT_TRUE(SchreibeDatei(P("zehn.txt"), "0123456789", grund));
  EXPECT_EQ(LiesDatei(P("zehn.txt"), inhalt, grund, 10, 2, [](std::string_view a) { return a == "01"; }),
            Lesestand::Gelesen);
  EXPECT_EQ(inhalt, "0123456789");
  inhalt = "bleibt";
  EXPECT_EQ(LiesDatei(P("zehn.txt"), inhalt, grund, 9), Lesestand::ZuGross);
  EXPECT_EQ(grund, "Die Datei ist größer als die erlaubten 9 Bytes.");
  // Files in /proc say they are empty; the bound holds while reading.
  EXPECT_EQ(LiesDatei("/proc/self/status", inhalt, grund, 20), Lesestand::ZuGross);
  EXPECT_EQ(LiesDatei("/dev/zero", inhalt, grund), Lesestand::NichtLesbar);
  EXPECT_EQ(grund, "Das ist ein Gerät, keine gewöhnliche Datei.");
  EXPECT_EQ(inhalt, "bleibt");
}

// A text goes to the file and comes back byte for byte, whatever bytes it
// holds; what cannot be read leaves the caller's text alone.
TEST_F(DateiTest, WriteAndReadBackBinarySafe) {
  std::string grund;
  const auto lies = [&](const std::string& pfad, std::string& inhalt) {
    return LiesDatei(pfad, inhalt, grund) == Lesestand::Gelesen;
  };
  std::string inhalt = "<1>    P ist der Punkt \r";
  inhalt += std::string("\0\xFF\r\n", 4) + "Größe";
  ASSERT_TRUE(SchreibeDatei(P("daten.txt"), inhalt, grund));
  std::string gelesen = "alt";
  ASSERT_TRUE(lies(P("daten.txt"), gelesen));
  EXPECT_EQ(gelesen, inhalt);
  ASSERT_TRUE(SchreibeDatei(P("daten.txt"), "", grund));
  ASSERT_TRUE(lies(P("daten.txt"), gelesen));
  EXPECT_EQ(gelesen, "");

  gelesen = "bleibt";
  EXPECT_FALSE(lies(P("fehlt.txt"), gelesen));
  EXPECT_FALSE(lies(dir.string(), gelesen));  // a directory
  EXPECT_EQ(gelesen, "bleibt");
  EXPECT_FALSE(SchreibeDatei(P("fehlt/x.txt"), "x", grund));
  EXPECT_EQ(grund, "Den Ordner gibt es nicht.");
  if (fs::is_directory("/proc/self")) {  // a folder that takes no new file
    EXPECT_FALSE(SchreibeDatei("/proc/QuarnelDaten", "x", grund));
    EXPECT_EQ(grund, "In diesem Ordner kann keine Datei angelegt werden.");
  }
  EXPECT_FALSE(SchreibeDatei(dir.string(), "x", grund));
  if (fs::exists("/dev/full")) {
    EXPECT_FALSE(SchreibeDatei("/dev/full", "voll", grund));
  }
}

}  // namespace
}  // namespace quarnel
