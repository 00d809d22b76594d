#include "ElevationTree.h"

#include "SectionCaption.h"

namespace korvado {

std::vector<TreeNetNode> ElevationTree(const TNetList& nets) {
  std::vector<TreeNetNode> tree;
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    const TKorNet& net = nets.NetAt(n);
    TreeNetNode node{net.Name, kNetIcon, {}};
    for (int32_t s = 0; s < net.SectionCount(); ++s) node.sections.push_back({SectionCaption(net, s), kSectionIcon});
    tree.push_back(std::move(node));
  }
  return tree;
}

}  // namespace korvado
