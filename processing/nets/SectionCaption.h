#pragma once
// How a section is named to the user: "2  [Rp1 --> N2]" for the second section.

#include <cstdint>
#include <string>

#include "KorNets.h"

namespace korvado {

// section counts from 0; the caption counts from 1.
std::string SectionCaption(const TKorNet& net, int32_t section);

}  // namespace korvado
