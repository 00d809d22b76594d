#pragma once
// Texts of the messages by which the data model refuses an operation.

#include <string>

namespace korvado {

inline constexpr const char* kIndexOutOfRangeMessage = "Индекс за пределами имеющегося диапазона значений";
inline constexpr const char* kSetupCountZeroMessage = "Число штативов должно быть больше нуля";

// The data file counts everything in 16 bits.
inline constexpr int kFormatCountLimit = 65535;

// "what" names the counted thing in the genitive plural, e.g. "записей журнала".
std::string FormatLimitMessage(const std::string& what);

}  // namespace korvado
