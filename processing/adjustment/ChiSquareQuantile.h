#pragma once
// Quantiles of the chi-square distribution for the global test of an adjustment.

namespace korvado {

// The x with P(χ²(dof) ≤ x) = probability, for dof ≥ 1 and 0 < probability < 1.
double ChiSquareQuantile(double probability, int dof);

}  // namespace korvado
