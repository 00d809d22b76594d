#include "DocumentOptions.h"

#include "NumberText.h"

namespace korvado {

std::string HeightTitle(const char* what, HeightUnit unit) {
  return std::string(what) + (unit == HeightUnit::kMetres ? ", м" : ", мм");
}

std::string HeightText(double millimetres, HeightUnit unit) {
  return unit == HeightUnit::kMetres ? FormatFixed(4, millimetres / 1000.0) : FormatFixed(2, millimetres);
}

}  // namespace korvado
