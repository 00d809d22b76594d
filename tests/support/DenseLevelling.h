#pragma once
// Weighted least squares of levelled height differences the textbook way,
// dense: the design matrix A, weights p = 1/setups and l, N = AᵀPA inverted
// whole. The reference the program's sparse and iterative solvers are
// checked against; for small nets only.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "KorNets.h"

namespace korvado {

// H(to) − H(from) = height, levelled over setups.
struct LevelledRun {
  std::string from;
  std::string to;
  double height;
  double setups;
};

struct DenseLevelling {
  std::map<std::string, double> heights;    // every point not held
  std::map<std::string, double> cofactors;  // the diagonal of N⁻¹
  std::vector<double> residuals;            // v = Ax − l, one per run
  std::vector<double> redundancies;         // rᵢ = 1 − pᵢ aᵢᵀ N⁻¹ aᵢ
  double weightedSquares = 0.0;             // [pvv]
};

DenseLevelling AdjustDense(const std::vector<LevelledRun>& runs, const std::map<std::string, double>& held);

// One run per section of the net, start to end, with the section's setups.
std::vector<LevelledRun> SectionRuns(const TKorNet& net);
// Every run and pendent run of the section tables.
std::vector<LevelledRun> TableRuns(const TKorNet& net);
// The elevations of the point table's points whose type isHeld says are known.
std::map<std::string, double> PointTableHeights(const TKorNet& net, const std::function<bool(int32_t type)>& isHeld);

}  // namespace korvado
