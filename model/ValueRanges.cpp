#include "ValueRanges.h"

#include <cmath>

#include "FormatLimits.h"
#include "ModelErrors.h"
#include "NumberText.h"

namespace korvado {

namespace {

// 65 535 runs of 65 535 setups: the most a section of the data file can count.
constexpr double kMostSetups = double{kFormatCountLimit} * kFormatCountLimit;

}  // namespace

ValueRange SaneRange(ValueKind kind) {
  switch (kind) {
    case ValueKind::Reading:
      return {-1e6, 1e6};
    case ValueKind::Height:
      return {-1e8, 1e8};
    case ValueKind::Setups:
      return {0.01, kMostSetups};
    case ValueKind::SigmaPerSetup:
      return {0.001, 1000.0};
  }
  return {0.0, 0.0};
}

bool IsSaneValue(ValueKind kind, double value) {
  const ValueRange range = SaneRange(kind);
  return std::isfinite(value) && value >= range.low && value <= range.high;
}

std::string SaneRangeText(ValueKind kind) {
  const ValueRange range = SaneRange(kind);
  return "от " + FormatGeneral(range.low) + " до " + FormatGeneral(range.high);
}

std::string ValueFault(ValueKind kind, double value) {
  if (std::isnan(value)) return "не число";
  if (std::isinf(value)) return value > 0 ? "плюс бесконечность" : "минус бесконечность";
  if (IsSaneValue(kind, value)) return {};
  if (value <= 0.0 && SaneRange(kind).low > 0.0) return FormatGeneral(value) + ", а должно быть больше нуля";
  return FormatGeneral(value) + ", вне разумных пределов (" + SaneRangeText(kind) + ")";
}

Result<double> TryParseSaneValue(ValueKind kind, const std::string& text) {
  const std::optional<double> value = TryParseDouble(text);
  if (!value) return Outcome::Refusal(NotANumberMessage(text) + SeparatorHint(text));
  if (!IsSaneValue(kind, *value))
    return Outcome::Refusal("«" + text + "» — вне разумных пределов: " + SaneRangeText(kind));
  return *value;
}

double ParseSaneValue(ValueKind kind, const std::string& text) {
  const Result<double> value = TryParseSaneValue(kind, text);
  if (!value) throw ConversionError(value.RefusalText());
  return *value;
}

}  // namespace korvado
