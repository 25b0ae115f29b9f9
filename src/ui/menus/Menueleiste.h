#pragma once
// The menu bar: seven menus with their entries, submenus and separators, the
// keyboard shortcuts, and what choosing each entry does. The Qt layer builds
// its menu bar from this table once; both choose entries by their names.
#include <cstdint>
#include <span>
#include <string_view>

#include "interpreter/BefehlT.h"

namespace quarnel {

class HauptF;

enum class Eintragsart { Titel, Untermenue, Trenner, Befehl };

struct MenueEintrag {
  std::string_view eltern = {};   // the menu or submenu it is appended to; "" for a title on the bar
  std::string_view name;          // unique
  std::string_view text;          // "-" for a separator
  std::string_view kuerzel = {};  // "Cmd+" and one key; "" for none
  Eintragsart art;
  // Above 0: choosing the entry only shows the input form of this kind.
  std::int32_t kennung = KeineKennung;
  // What choosing an entry does that does more than show a form; nullptr
  // for none.
  void (*tun)(HauptF&) = nullptr;
};

// In creation order: every parent stands before its entries, and within each
// parent the entries stand in the order they are shown.
extern const std::span<const MenueEintrag> kMenueleiste;

// The entry of that name, nullptr when there is none.
const MenueEintrag* FindeMenueEintrag(std::string_view name);

// Does what choosing the entry does; an event handler, run through
// HauptF::Ereignis. False when no action belongs to the name (titles,
// submenus, separators, unknown names); the title of the help menu shows
// the help window.
bool MenueGewaehlt(HauptF& h, std::string_view name);

}  // namespace quarnel
