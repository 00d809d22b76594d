#pragma once
// Least-squares adjustment of a levelling net by parameters: the sections are
// the observations (height difference h over n setups, weight 1/n), the
// fixed points hold their elevations, every other point that ends a section
// is an unknown. Besides the heights it gives what proves the job: residuals,
// the accuracy of every height, the redundancy of every section, the global
// chi-square test and the w-test of the normalised residuals.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "EveryPointHeights.h"
#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

// The critical value of the w-test for α = 0.001 (two-sided, normal).
inline constexpr double kCriticalW = 3.29;
// A section with a smaller redundancy number is not controlled by the others.
inline constexpr double kUncontrolledRedundancy = 0.01;

struct ChiSquareTest {
  double value = 0.0;  // vᵀPv / σ₀²
  double lower = 0.0;  // the two-sided 95 % interval of χ²(r)
  double upper = 0.0;
  bool passed = false;
};

struct LeastSquaresSection {
  double setups = 0.0;      // n, the weight being 1/n
  double residual = 0.0;    // adjusted minus observed height difference
  double redundancy = 0.0;  // rᵢ = 1 − pᵢ·aᵢᵀQaᵢ
  std::optional<double> w;  // none without redundancy or when not controlled
  bool uncontrolled = false;
  bool suspect = false;
};

struct LeastSquaresResult {
  // Per row of the point table: the adjusted elevation (as it was for a row
  // that is no unknown) and its standard deviation (0 for a fixed point,
  // none for a row that no section ends at or that repeats an earlier name).
  std::vector<double> elevations;
  std::vector<std::optional<double>> sigmas;
  std::vector<char> unknown;                  // the row was adjusted
  std::vector<char> fixed;                    // the row is a fixed point
  std::vector<double> cofactors;              // Qᵢᵢ per row, 0 where not adjusted
  std::vector<LeastSquaresSection> sections;  // in section order
  int32_t dof = 0;                            // r = S − u
  double weightedSquares = 0.0;               // vᵀPv
  double sigma0Apriori = 0.0;                 // per setup
  std::optional<double> sigma0;               // a posteriori, per setup; none when r = 0
  std::optional<ChiSquareTest> chi2;          // none when r = 0
  int32_t suspectSection = -1;                // the largest |w| above the critical value
  // With the accuracy figures: every point of the net, each run an observation
  // (the same σ₀ and degrees of freedom, the same heights where both have one).
  std::vector<PointHeight> everyPoint;
};

// A result with the net it belongs to and a fingerprint of the net's
// sections and point table at the time, to tell when it has gone stale.
struct LeastSquaresReport {
  int32_t net = -1;
  uint64_t fingerprint = 0;
  LeastSquaresResult result;
};

// Changes with every section, point, type and elevation. Taken after the
// adjusted heights are written, it tells whether the net is still as the
// adjustment left it: a sweep, an edit or an undo since changes it.
uint64_t AdjustmentFingerprint(const TKorNet& net);

// Heights alone skip the accuracy figures (σ of heights, rᵢ, wᵢ, every point),
// which take a selected inversion of the factor.
enum class LeastSquaresScope { kHeightsOnly, kWithAccuracy };

// Adjusts the net read-only. Refused: no sections, a section end missing from
// the point table, a section with n ≤ 0, a value that is not finite, a point
// that no benchmark reaches, an a-priori σ that is not positive.
Result<LeastSquaresResult> AdjustByLeastSquares(const TKorNet& net, double sigmaPerSetup,
                                                LeastSquaresScope scope = LeastSquaresScope::kWithAccuracy);

// The tests and the heights' standard deviations for another a-priori σ₀;
// the heights, residuals and redundancies do not depend on it.
void EvaluateLeastSquares(LeastSquaresResult& result, double sigmaPerSetup);

// Writes the adjusted elevations of the unknowns into the net's point table.
void WriteAdjustedElevations(TKorNet& net, const LeastSquaresResult& result);

}  // namespace korvado
