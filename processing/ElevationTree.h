#pragma once
// The tree of nets and their sections on the elevation page, as plain data.

#include <cstdint>
#include <string>
#include <vector>

#include "KorNets.h"

namespace korvado {

inline constexpr int32_t kNetIcon = 3;
inline constexpr int32_t kSectionIcon = 4;

struct TreeSectionNode {
  std::string caption;  // "1  [Rp1 --> N2]"
  int32_t icon = kSectionIcon;
  bool operator==(const TreeSectionNode&) const = default;
};

struct TreeNetNode {
  std::string caption;  // the net's name
  int32_t icon = kNetIcon;
  std::vector<TreeSectionNode> sections;
  bool operator==(const TreeNetNode&) const = default;
};

std::vector<TreeNetNode> ElevationTree(const TNetList& nets);

}  // namespace korvado
