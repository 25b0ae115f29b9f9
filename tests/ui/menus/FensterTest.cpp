// The tables the windows and the menu bar are built from.
#include <set>
#include <string_view>

#include <gtest/gtest.h>

#include "support/Sitzung.h"
#include "ui/menus/Fenster.h"
#include "ui/menus/Menueleiste.h"

namespace quarnel::test {
namespace {

// Every row has a name of its own, every window has all its controls, and
// every command of the menu bar acts when chosen.
TEST(Fenster, EveryRowOfEveryTableHasANameOfItsOwn) {
  auto Eigen = [](std::set<std::string_view>& namen, std::string_view name) {
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(namen.insert(name).second) << name;
  };
  // The main window, the point and plane windows, help and information.
  const std::size_t anzahl[] = {40, 6, 10, 2, 2};
  ASSERT_EQ(kFenster.size(), std::size(anzahl));
  std::set<std::string_view> titel;
  for (std::size_t i = 0; i < kFenster.size(); ++i) {
    const Fensterart& art = *kFenster[i];
    Eigen(titel, art.titel);
    EXPECT_EQ(art.steuerelemente.size(), anzahl[i]) << art.titel;
    std::set<std::string_view> namen;
    for (const Steuerelement& s : art.steuerelemente) Eigen(namen, s.name);
  }
  std::set<std::string_view> dezimalen;
  for (std::string_view e : kDezimalenEintraege) Eigen(dezimalen, e);

  // Titles, submenus and separators do nothing, but for the help menu's title.
  std::set<std::string_view> eintraege;
  for (const MenueEintrag& e : kMenueleiste) {
    Eigen(eintraege, e.name);
    Sitzung s;
    EXPECT_EQ(s.Menuewahl(e.name), e.art == Eintragsart::Befehl || e.name == "HilfeM") << e.name;
  }
}

}  // namespace
}  // namespace quarnel::test
