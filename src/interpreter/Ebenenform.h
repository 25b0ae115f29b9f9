#pragma once
// The plane typed into the input form as a coordinate equation.
namespace quarnel {

class Ablauf;

// Reads a, b, c, d from the number fields with the input number rule and the
// name from the name field (commas and blanks removed; "G_<n>" when empty,
// the number given back when the plane is refused),
// makes the plane and, when it was made, appends its command: kind 2 when
// `variabel`, else 10, the coefficients in Gleichung and the equation text in
// AltG1. The caller clears the form and refreshes the lists afterwards.
// ablauf.destruktiv is false afterwards in every case.
void DefiniereEbene(Ablauf& ablauf, bool variabel);

}  // namespace quarnel
