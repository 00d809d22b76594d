#pragma once
// The marks × cycles table of the view «Осадки» as text: heights, settlements
// since the previous cycle or since the first, or rates; a settlement larger
// than twice its σ is marked significant. A mark a cycle did not observe has
// an empty cell there, never a zero.

#include <cstddef>
#include <string>
#include <vector>

#include "MonitoringComputation.h"

namespace korvado {

enum class SettlementMode { kHeights, kSincePrevious, kSinceFirst, kRate };

struct SettlementCell {
  std::string text;
  bool significant = false;
};

// «Марка», one column per cycle headed by its date, and in the rate mode «мм/год» last.
std::vector<std::string> SettlementHeader(const MonitoringResult& result, SettlementMode mode);
size_t SettlementColumnCount(const MonitoringResult& result, SettlementMode mode);
SettlementCell SettlementCellAt(const MonitoringResult& result, SettlementMode mode, size_t mark, size_t column);

// The whole table with its header, as a spreadsheet takes it from the clipboard.
std::string SettlementCopyText(const MonitoringResult& result, SettlementMode mode);

// One line per cycle: its number, date, σ₀ and the verdict on the reference benchmarks.
std::vector<std::string> StabilityLines(const MonitoringResult& result);

}  // namespace korvado
