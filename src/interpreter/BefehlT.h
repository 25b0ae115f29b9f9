#pragma once
// The command kinds and the command record. Every definition, deletion,
// measurement or note becomes one BefehlT; the user's work is the ordered
// list of them (Befehlsliste.h).
#include <array>
#include <cstdint>
#include <string>

#include "model/VektorT.h"

namespace quarnel {

// The command kinds. The same numbers select the input forms; the point form
// (1) records kind 9 and the plane form (2) records kind 10. The numbers 3 to
// 8, 26 to 29, 32 to 39 and 46 to 50 are no kinds.
enum BefehlsKennung : std::int32_t {
  KeineKennung = 0,
  VariablerPunkt = 1,
  VariableEbene = 2,
  NumPunkt = 9,
  NumEbene = 10,
  GGeradePP = 11,
  GGeradePR = 12,
  GEbenePPP = 13,
  GEbenePN = 14,
  GEbenePRR = 15,
  GErzeugeSchnitt = 16,
  GErzeugeLotfusspunktG = 17,
  GErzeugeSpiegelbild = 18,
  GErzeugeOrthogonale = 19,
  GErzeugeVerschieben = 20,
  GErzeugeDrehen = 21,
  QuarnelDreieck = 22,
  QuarnelTetraeder = 23,
  GErzeugeMittelsenkrechte = 24,
  QuarnelHuelle = 25,
  GErzeugeKlonen = 30,
  QuarnelSammlung = 31,
  LoescheQuarnel = 40,
  AusgabeZeige = 41,
  BerechneWinkel = 42,
  BerechneAbstand = 43,
  AusgabeBeschreibe = 44,
  FileHInweis = 45,
};

// True for the kinds that define an object named NeuG (1, 2, 9 to 25, 30, 31).
bool DefiniertQuarnel(std::int32_t kennung);

// The kinds whose form is the number row: a point or a plane typed in
// (VariablerPunkt, VariableEbene) or recorded (NumPunkt, NumEbene).
constexpr bool Zahlenform(std::int32_t kennung) { return kennung >= VariablerPunkt && kennung <= NumEbene; }

// The kinds from the deletion on define no object: their commands carry no
// name, their sentences begin without one, and their form shows no name field.
constexpr bool OhneName(std::int32_t kennung) { return kennung >= LoescheQuarnel; }

// One recorded command. Only the fields that its kind uses mean anything:
//   9  point:       NeuG, AltG1 = coordinate text "(x|y|z)", Vektor
//   10 plane:       NeuG, AltG1 = equation text "ax + by + cz = d", Gleichung[1..4]
//   11..25, 30:     NeuG and the operand names AltG1..AltG3
//   21 rotation:    AltG2 = the angle in degrees as text
//   31 collection:  NeuG, AltG1 = member names joined by "," (no blanks)
//   40, 41, 44:     AltG1;  42, 43: AltG1, AltG2;  45 note: AltG2 = the note
struct BefehlT {
  std::string NeuG;
  std::string AltG1;
  std::string AltG2;
  std::int32_t Kennung = KeineKennung;
  std::string AltG3;
  // Coefficients a, b, c, d of a·x + b·y + c·z = d at indices 1 to 4.
  std::array<double, 5> Gleichung{};
  // Point coordinates (kind 9).
  VektorT Vektor;
};

}  // namespace quarnel
