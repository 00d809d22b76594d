#pragma once
// Name lookups in a net's point table. Exact lookups serve the point table
// and the sweep; lookups ignoring letter case serve misclosures and section
// tables. Both take the first match, so an index keeps only the first
// occurrence of each name.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "KorNets.h"

namespace korvado {

using PointIndex = std::unordered_map<std::string, int32_t>;

// Name -> index of its first occurrence.
PointIndex BuildPointIndex(const TStringList& names);
// FoldCase(name) -> index of the first name equal to it ignoring letter case.
PointIndex BuildFoldedPointIndex(const TStringList& names);

// -1 when absent.
int32_t FindInIndex(const PointIndex& index, const std::string& key);
int32_t FindPoint(const TKorNet& net, const std::string& name);
int32_t FindPointIgnoringCase(const TKorNet& net, const std::string& name);

}  // namespace korvado
