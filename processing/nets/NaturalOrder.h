#pragma once
// Point names in the order a surveyor reads them: runs of digits compare as
// numbers, so Rp2 comes before Rp10.

#include <cstddef>
#include <string>
#include <vector>

namespace korvado {

// Letters compare ignoring case first, then exactly, so that the order is total.
bool NaturalLess(const std::string& a, const std::string& b);
// Indices of names in that order, each name folded once rather than at every
// comparison (a large net's catalogue sorts tens of thousands). Equal names
// keep their order.
std::vector<size_t> NaturalSortOrder(const std::vector<std::string>& names);

}  // namespace korvado
