#include "PointIndex.h"

#include "Utf8Text.h"

namespace korvado {

PointIndex BuildPointIndex(const StringList& names) {
  PointIndex index;
  index.reserve(static_cast<size_t>(names.Count()));
  for (int32_t k = 0; k < names.Count(); ++k) index.emplace(names[k], k);
  return index;
}

int32_t FindInIndex(const PointIndex& index, const std::string& key) {
  const auto found = index.find(key);
  return found == index.end() ? -1 : found->second;
}

int32_t FindPoint(const TKorNet& net, const std::string& name) {
  for (int32_t k = 0; k < net.PointCount(); ++k)
    if (net.PointNames[k] == name) return k;
  return -1;
}

CaseTolerantIndex::CaseTolerantIndex(const StringList& names) : exact_(BuildPointIndex(names)) {
  folded_.reserve(static_cast<size_t>(names.Count()));
  for (int32_t k = 0; k < names.Count(); ++k) folded_.emplace(FoldCase(names[k]), k);
}

int32_t CaseTolerantIndex::Find(const std::string& name) const {
  const int32_t exact = FindInIndex(exact_, name);
  return exact >= 0 ? exact : FindInIndex(folded_, FoldCase(name));
}

}  // namespace korvado
