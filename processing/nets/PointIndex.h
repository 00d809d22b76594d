#pragma once
// Name lookups in a net's point table. Exact lookups serve the point table
// and the sweep; lookups tolerant of letter case serve misclosures and
// section tables. Both take the first match, so an index keeps only the first
// occurrence of each name.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "KorNets.h"

namespace korvado {

using PointIndex = std::unordered_map<std::string, int32_t>;

// Name -> index of its first occurrence.
PointIndex BuildPointIndex(const StringList& names);

// -1 when absent.
int32_t FindInIndex(const PointIndex& index, const std::string& key);
int32_t FindPoint(const TKorNet& net, const std::string& name);

// A name typed as "u1" still finds "U1", but a table holding both finds each
// by its own spelling: the exact match wins, the first match ignoring letter
// case is the fallback.
class CaseTolerantIndex {
 public:
  explicit CaseTolerantIndex(const StringList& names);
  // -1 when absent.
  int32_t Find(const std::string& name) const;

 private:
  PointIndex exact_;
  PointIndex folded_;
};

}  // namespace korvado
