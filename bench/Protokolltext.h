#pragma once
// Protocol texts for the timing programs.
#include <string>

namespace quarnel::bench {

// A protocol file of about n commands, built in blocks of 14 around three
// points that span a triangle.
inline std::string Protokoll(long n) {
  std::string text;
  long nr = 0;
  auto Zeile = [&](const std::string& satz) {
    text += "<" + std::to_string(++nr) + ">    " + satz + " \r";
  };
  for (long i = 0; nr < n; ++i) {
    const std::string s = std::to_string(i);
    const std::string a = "A" + s, b = "B" + s, c = "C" + s, g = "g" + s, E = "E" + s, F = "F" + s, T = "T" + s;
    Zeile(a + " ist der Punkt mit dem Koordinatentripel: (" + s + "|1|0)");
    Zeile(b + " ist der Punkt mit dem Koordinatentripel: (" + std::to_string(i + 1) + "|2|1)");
    Zeile(c + " ist der Punkt mit dem Koordinatentripel: (" + s + "|3|5)");
    Zeile(g + " wird definiert als Gerade durch die Punkte: " + a + " und: " + b);
    Zeile(E + " wird definiert als Ebene durch die Punkte: " + a + " ,: " + b + " und: " + c);
    Zeile(F + " ist die Ebene mit der Gleichung: 1x + 2y + 3z = " + s);
    Zeile("S" + s + " wird definiert als Schnitt der Quarnel: " + g + " und: " + F);
    Zeile("L" + s + " wird definiert als Fusspunktquarnel der Lote von: " + c + " auf: " + g);
    Zeile("M" + s + " wird definiert als Ergebnis der Spiegelung von:  " + c + " an: " + F);
    Zeile("R" + s + " wird definiert als Ergebnis der Drehung von: " + c + " um den Winkel: 30 Grad mit der Drehachse: " + g);
    Zeile(T + " ist das Dreieck mit den Ecken: " + a + " und: " + b + " und: " + c);
    Zeile("Bestimme den Abstand, den: " + c + " von: " + g + " hat");
    Zeile("Berechne den Winkel zwischen den Quarneln: " + g + " und: " + F);
    Zeile("Gib eine ausfuehrliche Beschreibung von: " + T);
  }
  return text + "\n";
}

// n points from numbers, P0 to P(n-1): a workspace of n objects.
inline std::string Punkteprotokoll(long n) {
  std::string text;
  for (long i = 0; i < n; ++i) {
    const std::string s = std::to_string(i);
    text += "<" + std::to_string(i + 1) + ">    P" + s + " ist der Punkt mit dem Koordinatentripel: (" + s +
            "|1|0) \r";
  }
  return text + "\n";
}

}  // namespace quarnel::bench
