#pragma once
// The catalogue of heights of one net: every point once — benchmarks and
// nodal points from the point table, the points along every section and the
// pendent points as the section tables compute them — in natural name order.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "KorNets.h"

namespace korvado {

struct CatalogueEntry {
  std::string name;
  int32_t type = kIntermediatePoint;
  // As the section tables compute it; nothing when it cannot be computed.
  std::optional<double> elevation;
  bool pendent = false;
  bool operator==(const CatalogueEntry&) const = default;
};

// A name met again (a junction, a point on two sections) keeps its first
// entry: the point table first, then the sections in order.
std::vector<CatalogueEntry> HeightCatalogue(const TKorNet& net);

}  // namespace korvado
