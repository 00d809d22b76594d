#include "FQuantile.h"

#include <cmath>
#include <unsupported/Eigen/SpecialFunctions>

namespace korvado {

namespace {

// F(d₁, d₂) ≤ x exactly when a beta(d₁/2, d₂/2) variable is ≤ d₁x / (d₁x + d₂),
// so the quantile is found on the beta side, where the variable is bounded.
double BetaDensity(double y, double a, double b) {
  return std::exp((a - 1.0) * std::log(y) + (b - 1.0) * std::log1p(-y) + std::lgamma(a + b) - std::lgamma(a) -
                  std::lgamma(b));
}

// The y in (0, 1) with I_y(a, b) = probability: Newton on the regularised
// incomplete beta function from the middle of the bracket; a step that would
// leave the bracket kept from the residual's signs halves it instead, which
// the heavy tails of small degrees of freedom need.
double BetaQuantile(double probability, double a, double b) {
  double low = 0.0;
  double high = 1.0;
  double y = 0.5;
  for (int step = 0; step < 300; ++step) {
    const double residual = Eigen::numext::betainc(a, b, y) - probability;
    (residual < 0 ? low : high) = y;
    const double density = BetaDensity(y, a, b);
    double next = density > 0 && std::isfinite(density) ? y - residual / density : 0.5 * (low + high);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (std::abs(next - y) <= 1e-15 * std::max(y, 1e-300) || high - low <= 1e-16 * high) {
      y = next;
      break;
    }
    y = next;
  }
  return y;
}

}  // namespace

// Near 1 the beta variable loses its digits in 1 − y, which the quantile
// divides by; there the complement is solved for instead (1 − y is beta(b, a)).
double FQuantile(double probability, int dof1, int dof2) {
  const double a = dof1 / 2.0;
  const double b = dof2 / 2.0;
  const double y = BetaQuantile(probability, a, b);
  if (y <= 0.5) return dof2 * y / (dof1 * (1.0 - y));
  const double z = BetaQuantile(1.0 - probability, b, a);
  return dof2 * (1.0 - z) / (dof1 * z);
}

}  // namespace korvado
