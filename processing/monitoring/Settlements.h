#pragma once
// The settlements of the marks of a monitoring job: every cycle's heights in
// the datum of its stable reference benchmarks held (in the mean) at their
// heights of the first cycle, and from them each mark's settlement, its σ,
// whether it exceeds twice its σ, and its rates.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CongruenceTest.h"
#include "CycleAdjustment.h"

namespace korvado {

// |s| above this many σ of s is a settlement, not noise.
inline constexpr double kSignificanceFactor = 2.0;
inline constexpr double kDaysPerYear = 365.25;

struct MonitoringCycle {
  CycleAdjustment adjustment;
  int32_t day = 0;  // days since 1970-01-01
};

// One value per cycle in every list; nothing where the mark was not observed.
struct MarkSeries {
  std::string name;
  std::vector<std::optional<double>> heights;  // mm
  std::vector<std::optional<double>> sigmas;
  // Since the mark's previous observation (0 at its first).
  std::vector<std::optional<double>> settlements;
  std::vector<std::optional<double>> settlementSigmas;
  std::vector<std::optional<bool>> settlementSignificant;
  // Since the mark's first observation.
  std::vector<std::optional<double>> totals;
  std::vector<std::optional<double>> totalSigmas;
  std::vector<std::optional<bool>> totalSignificant;
  std::vector<std::optional<double>> ratesPerDay;  // since the previous observation
  std::optional<double> ratePerYear;               // first to last observation
};

struct SettlementAnalysis {
  // Per cycle; none for the first, the one every other is compared with.
  std::vector<std::optional<CongruenceResult>> stability;
  // Per cycle, per reference benchmark: its height in the cycle's datum.
  std::vector<std::vector<double>> referenceHeights;
  // Every point of any cycle but the reference benchmarks, in natural name order.
  std::vector<MarkSeries> marks;
};

// The cycles in date order, each adjusted with the same reference benchmarks.
// The first cycle's level: the mean of the elevations its net holds for the
// reference benchmarks that are fixed points there (0 when none is).
SettlementAnalysis AnalyseSettlements(const std::vector<MonitoringCycle>& cycles);

}  // namespace korvado
