#pragma once
// Small nets for the tests of the point table, the adjustment and the elevation tables.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "KorNets.h"

namespace korvado::testnets {

struct PointSpec {
  std::string name;
  int32_t type;
  double elevation;
};

// A section of one run; its end types default to nodal points.
inline int32_t AddOneRunSection(TKorNet& net, const std::string& start, const std::string& end, double height,
                                double setups, int32_t startType = kNodalPoint, int32_t endType = kNodalPoint) {
  return net.AddSection(start, end, static_cast<uint8_t>(startType), static_cast<uint8_t>(endType), height, setups, 0);
}

inline void AddPoints(TKorNet& net, std::initializer_list<PointSpec> points) {
  for (const PointSpec& p : points) net.AddPoint(p.name, p.type, p.elevation);
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
  net.AddSection("A", "X", kFixedPoint, kIntermediatePoint, 1.00, 2, 1);
  net.AppendRun(0, "B", kFixedPoint, 2.00, 4, 2);
  AddPoints(net, {{"A", kFixedPoint, 100.00}, {"B", kFixedPoint, 103.03}});
}

}  // namespace korvado::testnets
