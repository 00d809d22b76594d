#pragma once
// Texts of the messages by which the data model refuses an operation.

#include <string>

#include "FormatLimits.h"

namespace korvado {

inline constexpr const char* kIndexOutOfRangeMessage = "Индекс за пределами имеющегося диапазона значений";
inline constexpr const char* kSetupCountZeroMessage = "Число штативов должно быть больше нуля";

// "what" names the counted thing in the genitive plural, e.g. "записей журнала".
std::string FormatLimitMessage(const std::string& what);

}  // namespace korvado
