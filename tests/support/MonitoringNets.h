#pragma once
// The cycles of a small settlement job for the monitoring tests: four
// benchmarks around a building and six marks on it, levelled as a ring with
// cross lines, random errors of 0.05 mm per setup.

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "KorNets.h"
#include "PointTable.h"

namespace korvado::monitoringnets {

inline const std::vector<std::string> kReference{"Rp1", "Rp2", "Rp3", "Rp4"};

struct Leg {
  std::string from, to;
  double setups;
};

inline const std::vector<Leg> kLegs{{"Rp1", "M1", 3}, {"M1", "M2", 2}, {"M2", "Rp2", 4}, {"Rp2", "M3", 2},
                                    {"M3", "M4", 3},  {"M4", "Rp3", 2}, {"Rp3", "M5", 3}, {"M5", "M6", 2},
                                    {"M6", "Rp4", 4}, {"Rp4", "Rp1", 5}, {"M2", "M5", 3}, {"Rp1", "Rp3", 6},
                                    {"M1", "M4", 4},  {"Rp2", "Rp4", 6}};

// Rp3 lifted by rp3Shift; mark Mk sunk by k · sink (mm).
inline double TrueHeight(const std::string& name, double rp3Shift, double sink) {
  static const std::map<std::string, double> base{{"Rp1", 100000.0}, {"Rp2", 101250.0}, {"Rp3", 99480.0},
                                                  {"Rp4", 100730.0}, {"M1", 100410.0},  {"M2", 100920.0},
                                                  {"M3", 101020.0},  {"M4", 100200.0},  {"M5", 99800.0},
                                                  {"M6", 100310.0}};
  double h = base.at(name);
  if (name == "Rp3") h += rp3Shift;
  if (name[0] == 'M') h -= sink * (name[1] - '0');
  return h;
}

// Each leg one section of one run; Rp1 a fixed point at its true height.
inline TKorNet CycleNet(unsigned seed, double rp3Shift, double sink, const std::string& name = "Цикл") {
  std::mt19937 random(seed);
  std::normal_distribution<double> error(0.0, 0.05);
  TKorNet net;
  net.Name = name;
  for (const Leg& leg : kLegs)
    EXPECT_TRUE(net.AddSection(leg.from, leg.to, kNodalPoint, kNodalPoint,
                   TrueHeight(leg.to, rp3Shift, sink) - TrueHeight(leg.from, rp3Shift, sink) +
                       error(random) * std::sqrt(leg.setups),
                   leg.setups, 0));
  EXPECT_TRUE(RebuildPoints(net));
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointNames[p] == "Rp1") net.PointTypes.SetItem(p, kFixedPoint);
  SetPointElevation(net, "Rp1", 100000.0);
  return net;
}

}  // namespace korvado::monitoringnets
