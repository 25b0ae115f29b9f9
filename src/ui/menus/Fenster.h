#pragma once
// Every window of the program: the main window, the point and plane edit
// windows, and the help and information windows with their fixed texts. The
// Qt layer builds one view for each, from its table. A new window is a table
// and a Fensterart, listed here.
#include <span>

#include "ui/main_window/Steuerelemente.h"

namespace quarnel {

// The help window ("Hilfe"): the user's guide and a button that hides it.
// It has no close box; closed by the desktop all the same, it hides.
extern const Fensterart kHilfeFensterArt;
// The information window ("Info"): its close box discards it, and the next
// showing builds it anew.
extern const Fensterart kInformFensterArt;

// The main window first.
extern const std::span<const Fensterart* const> kFenster;

}  // namespace quarnel
