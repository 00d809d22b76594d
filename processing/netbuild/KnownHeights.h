#pragma once
// A list of known heights (a catalogue of benchmarks, or cells copied from a
// spreadsheet): one point a line, its name and its elevation.

#include <string>
#include <vector>

#include "Outcome.h"

namespace korvado {

struct KnownHeight {
  std::string name;
  double elevation = 0.0;
  bool operator==(const KnownHeight&) const = default;
};

// Name and elevation are separated by a tab, a semicolon or blanks; the
// elevation takes a decimal point or comma; a first line without an
// elevation is a header; empty lines are skipped. Bytes that are not UTF-8
// are read as Windows-1251. Refused, naming the line: a line that is not a
// name and an elevation, a name given twice with different elevations, and
// text without a single height.
Result<std::vector<KnownHeight>> ReadKnownHeights(const std::string& text);

}  // namespace korvado
