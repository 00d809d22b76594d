#pragma once
// Dates of monitoring cycles as the project file writes them (YYYY-MM-DD)
// and as day numbers, for the rates of settlement.

#include <cstdint>
#include <optional>
#include <string>

namespace korvado {

// Days since 1970-01-01 of a valid date written YYYY-MM-DD (years 1900–2999);
// nothing for any other text.
std::optional<int32_t> ParseCycleDate(const std::string& text);

std::string CycleDateText(int32_t day);    // YYYY-MM-DD
std::string CycleDateRussian(int32_t day);  // DD.MM.YYYY, as the documents show dates

}  // namespace korvado
