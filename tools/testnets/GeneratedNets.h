#pragma once
// Levelling nets made up for measuring and for comparing with other
// least-squares programs: chains between two benchmarks, closed loops,
// grids of blocks and random nets, of any size up to the file format's
// limit. The same shape, size and seed always give the same net.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "KorNets.h"

namespace korvado {

enum class NetShape { Chain, Loop, Grid, Random };

std::optional<NetShape> NetShapeFromName(const std::string& name);
std::string NetShapeName(NetShape shape);

struct GeneratedNet {
  TKorNet net;  // points "P0", "P1", ..., the point table built, benchmarks at their true elevations
  // The true elevation of point "Pk" (mm); the observed heights carry
  // random errors of 0.5 mm per setup around the differences of these.
  std::vector<double> truth;
};

// `points` from 2 to 65 535. A chain has a benchmark at both ends, a loop one
// benchmark; a grid and a random net one benchmark in twenty points and half
// again as many sections as points (as many as the format holds).
GeneratedNet GenerateNet(NetShape shape, int32_t points, uint32_t seed = 20240611);

// The index k of a point named "Pk", or -1.
int32_t GeneratedPointNumber(const std::string& name);

}  // namespace korvado
