#pragma once
// What each cell of the journal grids shows. The grids hold no text of their
// own: every cell is computed from the journal when it is painted.

#include <cstdint>
#include <string>

#include "KorData.h"

namespace korvado {

inline constexpr const char* kInvalidHeightText = "Ошибка";

// The three ways a height difference is shown: the main grid after a refill
// ("%11.2n"), the reading grid after a refresh (two decimals), and both while
// a cell is being typed (shortest form).
enum class HeightForm { Grouped, Fixed, General };
std::string HeightText(double height, HeightForm form);

enum MainColumn : int { kMainBack = 0, kMainFore = 1, kMainSetups = 2, kMainHeight = 3, kMainNote = 4 };
inline constexpr int kMainColumnCount = 5;

std::string MainGridText(const TKorData& journal, int32_t record, int column,
                         HeightForm heightForm = HeightForm::Grouped);

// Precise levelling reads two scales per staff; technical levelling one.
enum class ReadingLayout { Precise, Technical };
int ReadingColumnCount(ReadingLayout layout);
// The column that holds the setup's height difference (back rows) and its note (fore rows).
int ReadingHeightColumn(ReadingLayout layout);

// Data rows of the reading grid for a record: a back row and a fore row per setup.
int32_t ReadingRowCount(const TKorData& journal, int32_t record);
// The journal setup index shown in a data row (0-based rows, title row not counted).
int32_t ReadingRowSetup(const TKorData& journal, int32_t record, int32_t dataRow);
inline bool IsBackRow(int32_t dataRow) { return dataRow % 2 == 0; }

std::string ReadingGridText(const TKorData& journal, int32_t record, ReadingLayout layout, int32_t dataRow, int column,
                            HeightForm heightForm = HeightForm::Fixed);

}  // namespace korvado
