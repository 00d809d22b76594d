#include "HeightCatalogue.h"

#include <unordered_set>

#include "NaturalOrder.h"
#include "SectionElevationTable.h"

namespace korvado {

namespace {

class CatalogueBuilder {
 public:
  void Add(CatalogueEntry entry) {
    if (seen_.insert(entry.name).second) entries_.push_back(std::move(entry));
  }
  std::vector<CatalogueEntry> Sorted() && {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const CatalogueEntry& entry : entries_) names.push_back(entry.name);
    std::vector<CatalogueEntry> sorted;
    sorted.reserve(entries_.size());
    for (const size_t k : NaturalSortOrder(names)) sorted.push_back(std::move(entries_[k]));
    return sorted;
  }

 private:
  std::unordered_set<std::string> seen_;
  std::vector<CatalogueEntry> entries_;
};

}  // namespace

std::vector<CatalogueEntry> HeightCatalogue(const TKorNet& net) {
  CatalogueBuilder catalogue;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    catalogue.Add({net.PointNames[p], net.PointTypes.GetItem(p), net.PointElevations.GetItem(p), false});
  const CaseTolerantIndex points(net.PointNames);
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    for (ElevationRow& row : SectionElevationTable(net, s, points))
      catalogue.Add({std::move(row.name), row.icon, row.elevation, row.pendent});
  }
  return std::move(catalogue).Sorted();
}

}  // namespace korvado
