// The models of the controls: where typing leads in a list box.
#include <string>

#include <gtest/gtest.h>

#include "interpreter/Bedienmodelle.h"
#include "platform/Text.h"

namespace quarnel::test {
namespace {

// One letter, or the same letter again, moves on from the chosen row; other
// letters spell a row's start from the chosen row itself; nothing chosen
// starts at the top. The case typed wins; without it, any case does, umlauts
// too.
TEST(Auswahlliste, TypingLeadsWhereAListBoxLeads) {
  const std::string cr(1, CR);
  Auswahlliste l;
  l.Laden("Ab" + cr + "Ma" + cr + "Mab" + cr + "Mb" + cr + "m" + cr + "Öl" + cr + "A" + cr);
  struct Fall {
    int gewaehlt;
    const char* getippt;
    int ziel;
  };
  const Fall faelle[] = {
      {-1, "A", 0},  {0, "A", 6},    {6, "A", 0},     // one letter moves on, round from the top
      {1, "MM", 2},  {3, "MMM", 1},  {-1, "MM", 1},   // so does the same letter again
      {1, "Ma", 1},  {2, "Ma", 2},   {3, "Ma", 1},    // a start is looked for from the chosen row on
      {-1, "Ma", 1}, {1, "Mab", 2},
      {-1, "m", 4},  {-1, "mb", 3},  {-1, "ab", 0},   // the case typed first, then any case
      {-1, "ö", 5},  {-1, "öö", 5},  {4, "öL", 5},    // umlauts in any case
      {-1, "Ä", -1}, {-1, "x", -1},  {-1, "", -1},
  };
  for (const Fall& f : faelle) {
    l.auswahl = f.gewaehlt;
    EXPECT_EQ(l.Tippziel(f.getippt), f.ziel) << f.getippt << " from " << f.gewaehlt;
  }
  EXPECT_EQ(Auswahlliste{}.Tippziel("A"), -1);
}

}  // namespace
}  // namespace quarnel::test
