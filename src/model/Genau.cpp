#include "model/Genau.h"

#include <cmath>
#include <initializer_list>
#include <vector>

namespace quarnel {

namespace {

// a + b exactly, whatever the sizes of a and b.
Genau Summe(double a, double b) {
  const double s = a + b;
  const double bs = s - a;
  return {s, (a - (s - bs)) + (b - bs)};
}

// a + b exactly, for |a| ≥ |b| (or a = 0).
Genau SchnelleSumme(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a · b exactly: the fused multiply-add gives the rounding error of the
// product.
Genau Produkt(double a, double b) {
  const double p = a * b;
  return {p, std::fma(a, b, -p)};
}

// An exact sum of doubles: components that do not overlap, the smallest
// first, each added by an exact sum (Summe) that passes its error on.
class Entwicklung {
 public:
  void Plus(double x) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < teile_.size(); ++i) {
      const Genau s = Summe(x, teile_[i]);
      x = s.hoch;
      if (s.tief != 0.0) teile_[k++] = s.tief;
    }
    teile_.resize(k);
    teile_.push_back(x);
  }
  // a · b · c, exactly as four doubles.
  void PlusProdukt(double a, double b, double c) {
    const Genau ab = Produkt(a, b);
    const Genau h = Produkt(ab.hoch, c);
    const Genau t = Produkt(ab.tief, c);
    for (double x : {h.hoch, h.tief, t.hoch, t.tief}) Plus(x);
  }
  // The sum, from the smallest component up: right to about 2^-104 of it.
  Genau Wert() const {
    Genau s{};
    for (double x : teile_) s = s + Genau{x};
    return s;
  }

 private:
  std::vector<double> teile_;
};

}  // namespace

Genau operator+(const Genau& a, const Genau& b) {
  const Genau s = Summe(a.hoch, b.hoch);
  const Genau t = Summe(a.tief, b.tief);
  const Genau u = SchnelleSumme(s.hoch, s.tief + t.hoch);
  return SchnelleSumme(u.hoch, u.tief + t.tief);
}

Genau operator-(const Genau& a) { return {-a.hoch, -a.tief}; }
Genau operator-(const Genau& a, const Genau& b) { return a + -b; }

Genau operator*(const Genau& a, const Genau& b) {
  const Genau p = Produkt(a.hoch, b.hoch);
  return SchnelleSumme(p.hoch, p.tief + (a.hoch * b.tief + a.tief * b.hoch));
}

// The quotient of the high parts, and the rest that it leaves, divided in
// turn: b.tief changes that second quotient only below 2^-104 of a/b.
Genau operator/(const Genau& a, const Genau& b) {
  const double q = a.hoch / b.hoch;
  const Genau rest = a - b * Genau{q};
  return SchnelleSumme(q, (rest.hoch + rest.tief) / b.hoch);
}

Genau Betrag(const Genau& a) { return a.hoch < 0.0 ? -a : a; }

double Wert(const Genau& a) { return a.hoch + a.tief; }

GenauV Differenz(const VektorT& p, const VektorT& q) {
  return {{Summe(p.x(), -q.x()), Summe(p.y(), -q.y()), Summe(p.z(), -q.z())}};
}

GenauV operator+(const GenauV& a, const GenauV& b) { return {{a.k[0] + b.k[0], a.k[1] + b.k[1], a.k[2] + b.k[2]}}; }
GenauV operator*(const GenauV& a, const Genau& f) { return {{a.k[0] * f, a.k[1] * f, a.k[2] * f}}; }
GenauV operator/(const GenauV& a, const Genau& f) { return {{a.k[0] / f, a.k[1] / f, a.k[2] / f}}; }

GenauV Kreuz(const GenauV& a, const GenauV& b) {
  return {{a.k[1] * b.k[2] - a.k[2] * b.k[1], a.k[2] * b.k[0] - a.k[0] * b.k[2], a.k[0] * b.k[1] - a.k[1] * b.k[0]}};
}

Genau Skalar(const GenauV& a, const GenauV& b) { return (a.k[0] * b.k[0] + a.k[1] * b.k[1]) + a.k[2] * b.k[2]; }

Genau Spatprodukt(const GenauV& b, const GenauV& c, const GenauV& d) {
  // The six terms of the determinant, each a product of three numbers of two
  // doubles: 48 products of three doubles, summed exactly.
  static constexpr int kFolgen[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
  Entwicklung summe;
  for (int f = 0; f < 6; ++f) {
    const double vorzeichen = f < 3 ? 1.0 : -1.0;
    const Genau& x = b.k[kFolgen[f][0]];
    const Genau& y = c.k[kFolgen[f][1]];
    const Genau& z = d.k[kFolgen[f][2]];
    for (double xi : {x.hoch, x.tief})
      for (double yi : {y.hoch, y.tief})
        for (double zi : {z.hoch, z.tief}) summe.PlusProdukt(vorzeichen * xi, yi, zi);
  }
  return summe.Wert();
}

double Laenge(const GenauV& a) { return std::sqrt(Wert(Skalar(a, a))); }

VektorT Verschoben(const VektorT& p, const GenauV& d) {
  auto k = [&](int i) { return Wert(Genau{p.kp[i + 1]} + d.k[i]); };
  return VektorT(k(0), k(1), k(2));
}

}  // namespace quarnel
