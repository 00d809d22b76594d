#pragma once
// Small nets for the tests of the point table, the adjustment and the elevation tables.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "KorNets.h"
#include "PointTable.h"

namespace korvado::testnets {

struct PointSpec {
  std::string name;
  int32_t type;
  double elevation;
};

// A section of one run; its end types default to nodal points.
inline int32_t AddOneRunSection(TKorNet& net, const std::string& start, const std::string& end, double height,
                                double setups, int32_t startType = kNodalPoint, int32_t endType = kNodalPoint) {
  return *net.AddSection(start, end, static_cast<uint8_t>(startType), static_cast<uint8_t>(endType), height, setups, 0);
}

inline void AddPoints(TKorNet& net, std::initializer_list<PointSpec> points) {
  for (const PointSpec& p : points) EXPECT_TRUE(net.AddPoint(p.name, p.type, p.elevation));
}

inline double Elevation(const TKorNet& net, const std::string& name) {
  for (int32_t k = 0; k < net.PointCount(); ++k)
    if (net.PointNames[k] == name) return net.PointElevations.GetItem(k);
  return -1e300;
}

// A (fixed, 100.000) -> K (nodal) -> B (fixed, 110.000): sections 4.000 over 2
// setups and 6.100 over 2 setups; K starts at 0.
inline void BuildTwoBenchmarkNet(TKorNet& net) {
  net.Name = "Сеть 1";
  AddOneRunSection(net, "A", "K", 4.000, 2, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K", "B", 6.100, 2, kNodalPoint, kFixedPoint);
  AddPoints(net, {{"A", kFixedPoint, 100.0}, {"K", kNodalPoint, 0.0}, {"B", kFixedPoint, 110.0}});
}

// Section A -> B of two runs A -> X (2 setups, +1.00) and X -> B (4 setups,
// +2.00), A at 100.00 and B at 103.03, both fixed.
inline void BuildTwoRunSectionNet(TKorNet& net) {
  net.Name = "Сеть 1";
  EXPECT_TRUE(net.AddSection("A", "X", kFixedPoint, kIntermediatePoint, 1.00, 2, 1));
  EXPECT_TRUE(net.AppendRun(0, "B", kFixedPoint, 2.00, 4, 2));
  AddPoints(net, {{"A", kFixedPoint, 100.00}, {"B", kFixedPoint, 103.03}});
}

// Four nodal points in loops between three benchmarks, two sections of
// merged runs with fractional setups; the point table built, nodal points at 0.
inline void BuildLoopNet(TKorNet& net) {
  net.Name = "Петли";
  AddOneRunSection(net, "Rp1", "K1", 2.513, 12, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K1", "K2", -1.207, 8.5);
  AddOneRunSection(net, "K2", "Rp2", 3.844, 15, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "K1", "K3", 0.932, 6);
  AddOneRunSection(net, "K3", "K2", -2.126, 9.25);
  AddOneRunSection(net, "Rp2", "K4", -4.410, 11, kFixedPoint, kNodalPoint);
  AddOneRunSection(net, "K4", "K3", 2.981, 7);
  AddOneRunSection(net, "K4", "Rp1", -1.009, 14, kNodalPoint, kFixedPoint);
  AddOneRunSection(net, "Rp3", "K4", 0.755, 5, kFixedPoint, kNodalPoint);
  EXPECT_TRUE(RebuildPoints(net));
  SetPointElevation(net, "Rp1", 150.000);
  SetPointElevation(net, "Rp2", 155.162);
  SetPointElevation(net, "Rp3", 150.244);
}

}  // namespace korvado::testnets
