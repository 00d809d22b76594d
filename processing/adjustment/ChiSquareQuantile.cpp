#include "ChiSquareQuantile.h"

#include <algorithm>
#include <cmath>
#include <unsupported/Eigen/SpecialFunctions>

namespace korvado {

namespace {

double Cdf(double x, double halfDof) { return Eigen::numext::igamma(halfDof, x / 2.0); }

double Density(double x, double halfDof) {
  return std::exp((halfDof - 1.0) * std::log(x / 2.0) - x / 2.0 - std::lgamma(halfDof)) / 2.0;
}

}  // namespace

// The cube-root normal approximation gives a start good to a few per cent; Newton on the
// regularised incomplete gamma function then converges in a handful of steps.
// A bracket kept from the signs of the residual catches the steps that would
// leave it, which happens for one or two degrees of freedom in the far tails.
double ChiSquareQuantile(double probability, int dof) {
  const double k = dof;
  const double h = 2.0 / (9.0 * k);
  double x = k * std::pow(std::max(1.0 - h + Eigen::numext::ndtri(probability) * std::sqrt(h), 1e-3), 3.0);
  double low = 0.0;
  double high = std::max(2.0 * x, k + 40.0 * std::sqrt(2.0 * k) + 100.0);
  for (int step = 0; step < 200; ++step) {
    const double residual = Cdf(x, k / 2.0) - probability;
    (residual < 0 ? low : high) = x;
    const double density = Density(x, k / 2.0);
    double next = density > 0 ? x - residual / density : 0.5 * (low + high);
    if (!(next > low && next < high)) next = 0.5 * (low + high);
    if (std::abs(next - x) <= 1e-14 * std::max(1.0, x)) return next;
    x = next;
  }
  return x;
}

}  // namespace korvado
