#include "SectionCaption.h"

namespace korvado {

std::string SectionCaption(const TKorNet& net, int32_t section) {
  return std::to_string(section + 1) + "  [" + net.SectionStarts[section] + " --> " + net.SectionEnds[section] + "]";
}

}  // namespace korvado
