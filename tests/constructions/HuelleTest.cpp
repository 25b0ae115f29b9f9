// The hull of three objects.
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "constructions/Abstaende.h"
#include "support/BauTransformationen.h"

namespace quarnel::test {
namespace {

struct HuelleTest : ::testing::Test {
  BauT b;
  void SetUp() override {
    b.Pkt("P1", {1, 0, 0});
    b.Pkt("P2", {0, 1, 0});
    b.Pkt("P3", {0, 0, 1});
    b.Pkt("P4", {3, 0, 0});  // on gx
    b.Pkt("P5", {2, 3, 0});  // in exy
    b.Ger("gx", {0, 0, 0}, {1, 0, 0});
    b.Ger("gx2", {5, 0, 0}, {2, 0, 0});  // the same line
    b.Ger("gy", {0, 0, 0}, {0, 1, 0});
    b.Ger("gp", {0, 1, 0}, {1, 0, 0});  // parallel to gx
    b.Ger("gs", {0, 0, 1}, {0, 1, 0});  // skew to gx
    b.Ger("gd", {1, 0, 0}, {1, 1, 0});  // in exy
    b.Ger("gz", {1, 1, 0}, {0, 0, 1});  // crosses exy
    b.Ebe("exy", {0, 0, 0}, {0, 0, 1});
    b.Ebe("exy2", {3, 4, 0}, {0, 0, -2});  // the same plane
    b.Ebe("ez", {0, 0, 1}, {0, 0, 1});     // parallel to exy
    b.Ebe("exz", {0, 0, 0}, {0, 1, 0});
    b.Objekt("R", Raum);
    b.Objekt("L", LeeresQuarnel);
  }
};

// Points spanning an object: its point, and its point moved along each of
// its directions.
std::vector<VektorT> Erzeugende(const QuarnelT& g) {
  std::vector<VektorT> p;
  if (g.Typ == Punkt) p = {g.v1};
  if (g.Typ == Gerade) p = {g.v1, g.v1.plus(g.v2)};
  if (g.Typ == Ebene) {
    VektorT a = VektorT(1, 0, 0).kreuz(g.v2), c = VektorT(0, 1, 0).kreuz(g.v2), d = VektorT(0, 0, 1).kreuz(g.v2);
    if (Laenge(c) > Laenge(a)) std::swap(a, c);
    if (Laenge(d) > Laenge(c)) std::swap(c, d);
    if (Parallel(a, c)) c = d;
    p = {g.v1, g.v1.plus(a), g.v1.plus(c)};
  }
  return p;
}

// The dimension of the affine span of points: -1 for none, 0 to 3.
int Dimension(const std::vector<VektorT>& p) {
  if (p.empty()) return -1;
  std::vector<VektorT> basis;
  for (const VektorT& q : p) {
    VektorT v = q.Richtung(p[0]);
    for (const VektorT& e : basis) v = v.Richtung(e.mal(v.SkalProd(e)));
    if (Laenge(v) > 1e-9) basis.push_back(v.mal(1.0 / Laenge(v)));
  }
  return static_cast<int>(basis.size());
}

bool Enthaelt(const QuarnelT& huelle, const QuarnelT& g) {
  if (huelle.Typ == Raum || g.Typ == LeeresQuarnel) return true;
  for (const VektorT& p : Erzeugende(g)) {
    if (huelle.Typ == Punkt && !Nah(p, huelle.v1)) return false;
    if (huelle.Typ == Gerade && !LiegtAufGerade(p, huelle)) return false;
    if (huelle.Typ == Ebene && !LiegtInEbene(p, huelle)) return false;
  }
  return huelle.Typ != LeeresQuarnel;
}

// For every choice of three operands, in every order: the hull contains all
// three and has the dimension of their span.
TEST_F(HuelleTest, SmallestFlatContainingAllThreeInEveryOrder) {
  const std::vector<std::string> namen = {"L", "P1", "P2", "P3", "P4", "P5", "gx", "gx2", "gy",
                                          "gp", "gs", "gd", "gz", "exy", "exy2", "ez", "exz", "R"};
  for (std::size_t i = 0; i < namen.size(); ++i)
    for (std::size_t j = i; j < namen.size(); ++j)
      for (std::size_t k = j; k < namen.size(); ++k) {
        std::vector<const QuarnelT*> g = {&b.Q(namen[i]), &b.Q(namen[j]), &b.Q(namen[k])};
        std::vector<VektorT> punkte;
        bool raum = false;
        for (const QuarnelT* x : g) {
          raum = raum || x->Typ == Raum;
          for (const VektorT& p : Erzeugende(*x)) punkte.push_back(p);
        }
        const int erwartet = raum ? 3 : Dimension(punkte);
        const std::string fall = namen[i] + " " + namen[j] + " " + namen[k];
        std::vector<int> reihe = {0, 1, 2};
        QuarnelT erste;
        do {
          QuarnelT res;
          bool ok = true;
          Huelle(*g[reihe[0]], *g[reihe[1]], *g[reihe[2]], res, ok);
          ASSERT_EQ(res.Typ, erwartet + 1 == 0 ? LeeresQuarnel : erwartet + 1) << fall;
          for (const QuarnelT* x : g) EXPECT_TRUE(Enthaelt(res, *x)) << fall;
          if (reihe[0] == 0 && reihe[1] == 1) erste = res;
          else EXPECT_TRUE(Gleich(res, erste)) << fall;
        } while (std::next_permutation(reihe.begin(), reihe.end()));
      }
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(HuelleTest, StoredVectorsFollowTheArgumentOrder) {
  QuarnelT e = b.Huelle("e", "P1", "P2", "P3");
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(e.Typ, Ebene);
  EXPECT_EQ(e.v1, VektorT(0, 1, 0));
  EXPECT_EQ(e.v2, VektorT(-1, -1, -1));  // (P1 − P2) × (P3 − P2), not simplified
  EXPECT_EQ(b.Satz(),
            "e ist die Ebene durch den Punkt mit den Koordinaten (0 | 1 | 0) und mit dem Normalenvektor (-1 | -1 | -1)\r"
            "e hat die Gleichung -1x + -1y + -1z = -1");

  QuarnelT g = b.Huelle("g", "P1", "P2", "P1");
  EXPECT_EQ(g.v1, VektorT(0, 1, 0));
  EXPECT_EQ(g.v2, VektorT(1, -1, 0));
  g = b.Huelle("g2", "L", "P1", "P2");
  EXPECT_EQ(g.v1, VektorT(1, 0, 0));
  EXPECT_EQ(g.v2, VektorT(-1, 1, 0));
  QuarnelT p = b.Huelle("p", "P1", "P1", "P1");
  EXPECT_EQ(p.Typ, Punkt);
  EXPECT_EQ(p.v1, VektorT(1, 0, 0));
  EXPECT_EQ(b.Huelle("l", "L", "L", "L").Typ, LeeresQuarnel);
  EXPECT_EQ(b.Huelle("r", "L", "R", "L").Typ, Raum);

  QuarnelT z = b.Huelle("z", "gx", "gy", "gx");
  EXPECT_EQ(z.v1, VektorT(0, 0, 0));
  EXPECT_EQ(z.v2, VektorT(0, 0, 1));
  QuarnelT q = b.Huelle("q", "gx", "gp", "gx");
  EXPECT_EQ(q.v1, VektorT(0, 1, 0));
  EXPECT_EQ(q.v2, VektorT(0, 0, -1));
  QuarnelT w = b.Huelle("w", "gx", "gx2", "gx");
  EXPECT_EQ(w.v1, VektorT(5, 0, 0));
  EXPECT_EQ(w.v2, VektorT(2, 0, 0));
  EXPECT_EQ(b.Huelle("s", "gx", "gs", "gx").Typ, Raum);
  EXPECT_EQ(b.Huelle("d", "gd", "exy", "exy").v2, VektorT(0, 0, 1));
  EXPECT_EQ(b.Huelle("u", "gs", "exy", "exy").Typ, Raum);
  b.Pkt("N", {0, 0, 1e-8});  // within the tolerance of the plane
  EXPECT_EQ(b.Huelle("n", "N", "exy", "exy").Typ, Ebene);
}

// Equality of planes and of a line lying in a plane is decided with the
// tolerance, as the distance decides it.
TEST_F(HuelleTest, EqualPlanesWithRoundingGiveThatPlane) {
  b.Ebe("E1", {0.1, 0.2, 0}, {1, 1, 1});
  b.Ebe("E2", {0.3, 0, 0}, {1, 1, 1});
  QuarnelT e = b.Huelle("e", "E1", "E2", "E1");
  EXPECT_TRUE(Gleich(e, b.Q("E1")));
  EXPECT_EQ(AbstandG(b.Q("E1"), b.Q("E2")), 0.0);
  b.Pkt("A", {0.1, 0.2, 0});
  b.Pkt("B", {0.3, 0, 0});
  b.Gerade("g", "A", "B");
  EXPECT_TRUE(Gleich(b.Huelle("f", "g", "E2", "E2"), b.Q("E2")));
  b.Ebe("E3", {0.3, 0, 1e-6}, {1, 1, 1});  // parallel, off by more than the tolerance
  EXPECT_EQ(b.Huelle("r", "E1", "E3", "E1").Typ, Raum);
}

// Meeting and parallel are decided independent of the lengths of the
// directions; a plane spanned by short lines gets a normal that is not null.
TEST_F(HuelleTest, ShortDirectionsSpanAPlane) {
  b.Ger("k", {1, 1, 1}, {0.02, 0, 0});
  b.Ger("m", {1, 1, 1}, {0.02, 0.003, 0});
  b.Ger("n", {1, 1, 1.001}, {0.02, 0.003, 0});
  QuarnelT e = b.Huelle("e", "k", "m", "k");
  EXPECT_TRUE(IstEbene(e, {1, 1, 1}, {0, 0, 1}));
  EXPECT_FALSE(e.v2.IstNullvektor());
  EXPECT_EQ(b.Huelle("r", "k", "n", "k").Typ, Raum);
}

// A line g and points Y and Z 1e-3 to 1 from it, 1e4 to 1e6 lengths of its
// direction along it, or g and the line through Y parallel to it: in all six
// orders the hull is the plane through all of them when there is one (the
// same plane, since it holds g and Y), else the whole space.
TEST_F(HuelleTest, LineAndNearlyIncidentPointsInEveryOrder) {
  std::mt19937 zufall(1616);
  std::uniform_real_distribution<double> z(-1.0, 1.0);
  auto vektor = [&](double m) { return VektorT(m * z(zufall), m * z(zufall), m * z(zufall)); };
  auto weg = [&] { return std::pow(10.0, 4 + 2 * std::fabs(z(zufall))) * (z(zufall) < 0 ? -1 : 1); };
  auto hoehe = [&] { return std::pow(10.0, -3 * std::fabs(z(zufall))); };
  b.beschr.destruktiv = true;  // each case enters its objects anew
  for (int i = 0; i < 300; ++i) {
    SCOPED_TRACE(i);
    const VektorT p = vektor(100), u = vektor(10), w = u.kreuz(vektor(1));
    if (u.Norm() < 1.0 || w.Norm() < 1.0) continue;
    const VektorT y = p.LinKomb(1.0, u, weg()).LinKomb(1.0, w, hoehe() / w.Norm());
    VektorT zz = p.LinKomb(1.0, u, weg());                                     // on g,
    if (i % 3 == 1) zz = zz.LinKomb(1.0, w, -10.0 * hoehe() / w.Norm());      // in the plane of g and Y
    if (i % 3 == 2) zz = zz.LinKomb(1.0, u.kreuz(w), hoehe() / u.kreuz(w).Norm());  // or off it
    b.P("G", p.x(), p.y(), p.z());
    b.P("U", u.x(), u.y(), u.z());
    b.P("Y", y.x(), y.y(), y.z());
    b.P("Z", zz.x(), zz.y(), zz.z());
    const QuarnelT g = b.GeradePR("g", "G", "U"), h = b.GeradePR("h", "Y", "U"), Y = b.Q("Y"), Z = b.Q("Z");
    for (const auto& ops : {std::array{&g, &Y, &Z}, {&g, &Y, &Y}, {&g, &g, &Y}, {&g, &h, &g}}) {
      std::array<int, 3> r{0, 1, 2};
      do {
        QuarnelT res;
        bool ok = true;
        Huelle(*ops[r[0]], *ops[r[1]], *ops[r[2]], res, ok);
        ASSERT_EQ(res.Typ, i % 3 == 2 && ops[2] == &Z ? Raum : Ebene) << r[0] << r[1] << r[2];
        for (const VektorT& q : {p, p.plus(u), y, ops[2]->v1})
          EXPECT_TRUE(res.Typ == Raum || InEbene(q, res.v1, res.v2));
      } while (std::next_permutation(r.begin(), r.end()));
    }
  }
  EXPECT_TRUE(b.Meldungen().empty());
}

TEST_F(HuelleTest, MissingOrUnsuitableOperandsMakeNothing) {
  b.Objekt("D", Dreieck);
  for (auto [x, y, z] : {std::tuple{"P1", "P2", "fehlt"}, {"fehlt", "P1", "P2"}, {"D", "P1", "P2"}}) {
    b.ui.Leeren();
    b.Huelle("h", x, y, z);
    EXPECT_FALSE(b.ok);
    EXPECT_FALSE(b.Gibt("h"));
    EXPECT_EQ(b.Meldungen(), std::vector<std::string>{"Fehler bei den Operanden-Quarneln in ErzeugeSchnitt"});
  }
}

}  // namespace
}  // namespace quarnel::test
