#include "ui/menus/Hilfetexte.h"

namespace quarnel {

// Short placeholders until the full texts are written.
std::string_view Hilfetext() {
  return "Hilfe zum Programm Quarnel2 ( V0.81)\r"
         "------------------------------------\r"
         "\r"
         "Wählen Sie im Menü einen Befehl, füllen Sie die Eingabezeile aus und drücken Sie "
         "\"Ausführen\" oder die Eingabetaste.\r";
}

std::string_view Infotext() {
  return "Quarnel2 rechnet mit Punkten, Geraden und Ebenen im Raum.\r"
         "Jeder Schritt wird als Anweisung festgehalten; die Anweisungsliste lässt sich "
         "speichern, laden und erneut ausführen.\r";
}

}  // namespace quarnel
