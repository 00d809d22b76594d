#pragma once
// The tree of nets and their sections on the elevation page, as plain data.

#include <cstdint>
#include <string>
#include <vector>

#include "KorNets.h"
#include "NodeIcons.h"

namespace korvado {

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
