#pragma once
// Point names in the order a surveyor reads them: runs of digits compare as
// numbers, so Rp2 comes before Rp10.

#include <string>

namespace korvado {

// Letters compare ignoring case first, then exactly, so that the order is total.
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace korvado
