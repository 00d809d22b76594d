#pragma once
// The ordering and symbolic analysis of the normal equations for a net's
// shape (which unknowns its sections join). They cost more than the numeric
// factorisation and change only with the shape, so a program that adjusts
// the same net again keeps them here; another shape is analysed afresh.
// One adjustment at a time may use a workspace.

#include <memory>

#include "LeastSquares.h"

namespace korvado {

class LeastSquaresWorkspace {
 public:
  LeastSquaresWorkspace();
  ~LeastSquaresWorkspace();
  struct Analysis;
  std::unique_ptr<Analysis> analysis;
};

// AdjustByLeastSquares with the analysis kept in `workspace`.
Result<LeastSquaresResult> AdjustByLeastSquares(const TKorNet& net, double sigmaPerSetup, LeastSquaresScope scope,
                                                LeastSquaresWorkspace& workspace);

}  // namespace korvado
