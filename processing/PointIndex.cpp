#include "PointIndex.h"

#include "Utf8Text.h"

namespace korvado {

PointIndex BuildPointIndex(const TStringList& names) {
  PointIndex index;
  index.reserve(static_cast<size_t>(names.Count()));
  for (int32_t k = 0; k < names.Count(); ++k) index.emplace(names[k], k);
  return index;
}

PointIndex BuildFoldedPointIndex(const TStringList& names) {
  PointIndex index;
  index.reserve(static_cast<size_t>(names.Count()));
  for (int32_t k = 0; k < names.Count(); ++k) index.emplace(FoldCase(names[k]), k);
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

int32_t FindPointIgnoringCase(const TKorNet& net, const std::string& name) {
  const std::string folded = FoldCase(name);
  for (int32_t k = 0; k < net.PointCount(); ++k)
    if (FoldCase(net.PointNames[k]) == folded) return k;
  return -1;
}

}  // namespace korvado
