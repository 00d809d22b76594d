#pragma once
// A run whose readings failed the two-scale check carries the marker height
// instead of a height difference; put into a net it would spoil every
// elevation computed through it, so no command lets it in.

#include <cstdint>
#include <string>

#include "Outcome.h"

namespace korvado {

bool IsMarkedInvalid(double height);
// Refused, naming the run and its journal record, for a marked height.
Outcome CheckRunHeight(double height, const std::string& back, const std::string& fore, int32_t ref);

}  // namespace korvado
