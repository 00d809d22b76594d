#pragma once
// One cycle of a monitoring job adjusted as a free net: its heights are fixed
// only up to a common shift, which the datum chosen later (a minimum
// constraint on some of the reference benchmarks) settles. The cycle keeps
// what every such datum needs: the heights with the first reference benchmark
// at 0, the cofactor diagonal in that datum and the cofactor columns of the
// reference benchmarks, from which any other datum follows by an S-transform.

#include <Eigen/Dense>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "KorNets.h"
#include "LevellingObservations.h"
#include "Outcome.h"

namespace korvado {

struct CycleAdjustment {
  std::vector<std::string> names;  // every point of the cycle's net
  std::vector<PointRole> roles;
  std::unordered_map<std::string, int32_t> numbers;  // name -> point number
  std::vector<int32_t> reference;  // point numbers of the reference benchmarks, in the project's order
  // The benchmark's elevation when the net holds it as a fixed point, per reference benchmark.
  std::vector<std::optional<double>> referenceElevations;
  std::vector<double> anchored;       // heights with reference[0] at 0; NaN where not estimated
  std::vector<double> cofactors;      // Qᵢᵢ in that datum
  Eigen::MatrixXd referenceColumns;   // points × reference benchmarks: Q in that datum
  double weightedSquares = 0.0;       // vᵀPv, the same in every datum
  int32_t dof = 0;                    // observations − (points − 1)
  double sigma0 = 0.0;                // a posteriori per setup, the a-priori one when dof = 0

  // -1 when the cycle has no point of that name.
  int32_t Find(const std::string& name) const;
};

// Refused: a reference benchmark missing from the net, a part of the net not
// joined to the reference benchmarks, what NetObservations refuses.
Result<CycleAdjustment> AdjustCycle(const TKorNet& net, const std::vector<std::string>& reference,
                                    double sigmaPerSetup);

// Heights and cofactor diagonal with the datum of a minimum constraint: the
// mean over the reference benchmarks `datum` (indices into reference) of the
// heights minus `approximate` (per reference benchmark) is zero.
struct DatumHeights {
  std::vector<double> heights;
  std::vector<double> cofactors;
};
DatumHeights HeightsInDatum(const CycleAdjustment& cycle, const std::vector<int32_t>& datum,
                            const std::vector<double>& approximate);

// The cofactor matrix of the reference benchmarks `subset` in the datum of
// the minimum constraint on that same subset.
Eigen::MatrixXd SubsetCofactors(const CycleAdjustment& cycle, const std::vector<int32_t>& subset);

}  // namespace korvado
