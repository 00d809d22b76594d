#pragma once
// A net as the adjustment of every point sees it: each point once by name
// (benchmarks and nodal points, the points between the runs of a section, the
// pendent points) and each run an observation of the height difference from
// one point to the next over its setups (an equivalent run with its own
// fractional count). A section without runs observes its ends directly.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

enum class PointRole : int8_t { kFixed, kNodal, kIntermediate, kPendent };

// The role of a point-table row of that type.
PointRole RoleOfPointType(int32_t type);

struct LevellingObservation {
  int32_t from = 0;  // point numbers
  int32_t to = 0;
  double height = 0.0;  // mm
  double setups = 0.0;  // n, the weight being 1/n
};

struct LevellingNetwork {
  std::vector<std::string> names;
  std::vector<PointRole> roles;
  std::vector<LevellingObservation> observations;

  std::unordered_map<std::string, int32_t> numbers;  // name -> point number

  int32_t PointCount() const { return static_cast<int32_t>(names.size()); }
  // -1 when the network has no point of that name.
  int32_t Find(const std::string& name) const;
};

// The points of the point table first, in its order (a repeated name once),
// then the others in the order the sections meet them. Points are told apart
// by their exact names. Refused: a run or pendent run with n ≤ 0, a value
// that is not finite.
Result<LevellingNetwork> NetObservations(const TKorNet& net);

}  // namespace korvado
