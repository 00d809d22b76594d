#pragma once
// Texts of journal values as the main grid shows them; the copy to a
// spreadsheet repeats them so that the sheet shows what the surveyor saw.

#include <string>

namespace korvado {

// Shown instead of a height difference whose two staff scales disagree.
inline constexpr const char* kInvalidHeightText = "Ошибка";

// A record's height difference in the main grid: "%11.2n", or the error text.
std::string MainGridHeightText(double heightDiff);

}  // namespace korvado
