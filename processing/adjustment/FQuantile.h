#pragma once
// Quantiles of Fisher's F distribution for the congruence test of the
// reference benchmarks.

namespace korvado {

// The x with P(F(dof1, dof2) ≤ x) = probability, for dof1, dof2 ≥ 1 and
// 0 < probability < 1.
double FQuantile(double probability, int dof1, int dof2);

}  // namespace korvado
