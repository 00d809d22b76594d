#pragma once
// The values a levelling survey can hold. Whatever enters the program (typed,
// pasted, imported, read from a file, a setting or a flag) is checked against
// these before it is used, so that no computation meets a value that is not a
// number or so large that its sums and squares stop being finite.
//
// Readings are in the journal's units (0.05 mm of a half-centimetre staff in
// precise levelling, millimetres in technical levelling): ±1 000 000 covers a
// 50 m staff in the finer unit. Elevations and height differences are in
// millimetres: ±100 000 000 (100 km) is far beyond any levelling. Setups are
// counted in runs and sections (a merged run carries a fraction): from 0.01
// (a hundred repeats of a one-setup run) to 65 535 runs of 65 535 setups. The
// a-priori error of one setup is from 0.001 to 1000 mm.

#include <string>

#include "Outcome.h"

namespace korvado {

enum class ValueKind { Reading, Height, Setups, SigmaPerSetup };

struct ValueRange {
  double low;
  double high;
};

ValueRange SaneRange(ValueKind kind);
// Finite and within SaneRange(kind), both ends included.
bool IsSaneValue(ValueKind kind, double value);
// "от −1000000 до 1000000", in the locale's number form.
std::string SaneRangeText(ValueKind kind);
// What is wrong with value as a value of kind, for a message after the
// place: "не число", "-3, вне разумных пределов (от … до …)"; empty when it is sane.
std::string ValueFault(ValueKind kind, double value);

// Parses text as a value of kind; ConversionError says what is wrong (the
// caller names the value: "«1e300» — вне разумных пределов: от … до …").
double ParseSaneValue(ValueKind kind, const std::string& text);
// The same, refused instead of raised: for text typed or pasted.
Result<double> TryParseSaneValue(ValueKind kind, const std::string& text);

}  // namespace korvado
