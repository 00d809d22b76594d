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

// Acklam's rational approximation of the normal quantile (relative error
// below 1.2e-9), enough for a starting value.
double NormalQuantile(double p) {
  static const double a[] = {-3.969683028665376e+01, 2.209460984245205e+02, -2.759285104469687e+02,
                             1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
  static const double b[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                             6.680131188771972e+01,  -1.328068155288572e+01};
  static const double c[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                             -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
  static const double d[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                             3.754408661907416e+00};
  auto tail = [&](double q) {
    return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
           ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1.0);
  };
  if (p < 0.02425) return tail(std::sqrt(-2.0 * std::log(p)));
  if (p > 1.0 - 0.02425) return -tail(std::sqrt(-2.0 * std::log(1.0 - p)));
  const double q = p - 0.5;
  const double r = q * q;
  return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
         (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1.0);
}

}  // namespace

// The cube-root normal approximation gives a start good to a few per cent; Newton on the
// regularised incomplete gamma function then converges in a handful of steps.
// A bracket kept from the signs of the residual catches the steps that would
// leave it, which happens for one or two degrees of freedom in the far tails.
double ChiSquareQuantile(double probability, int dof) {
  const double k = dof;
  const double h = 2.0 / (9.0 * k);
  double x = k * std::pow(std::max(1.0 - h + NormalQuantile(probability) * std::sqrt(h), 1e-3), 3.0);
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
