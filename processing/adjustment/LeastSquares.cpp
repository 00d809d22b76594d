#include "LeastSquares.h"

#include <algorithm>
#include <cmath>

#include "AdjustmentInput.h"
#include "ChiSquareQuantile.h"
#include "Fnv1a.h"
#include "LeastSquaresWorkspace.h"
#include "NumberText.h"
#include "PointIndex.h"
#include "SparseSelectedInverse.h"
#include "SweepPlan.h"
#include "ValueRanges.h"

namespace korvado {

struct LeastSquaresWorkspace::Analysis {
  SweepPlan shape;
  uint64_t pattern = 0;
  SparseFactor factor;
};

LeastSquaresWorkspace::LeastSquaresWorkspace() : analysis(std::make_unique<Analysis>()) {}
LeastSquaresWorkspace::~LeastSquaresWorkspace() = default;

namespace {

constexpr int32_t kNotUnknown = -1;

// One observation in terms of the unknowns: adjusted end minus adjusted start
// equals the observed height, the fixed ends moved to the right-hand side.
struct Observation {
  int32_t start;  // unknown number or kNotUnknown
  int32_t end;
  double setups;
  double weight;
  double reduced;  // h + H(start, fixed) − H(end, fixed)
};

struct Unknowns {
  std::vector<int32_t> ofRow;  // row -> unknown number or kNotUnknown
  std::vector<int32_t> rows;   // unknown number -> row
};

// Every first row of a name that ends a section and is not a fixed point.
Unknowns NumberUnknowns(const TKorNet& net, const SweepPlan& shape) {
  Unknowns unknowns{std::vector<int32_t>(static_cast<size_t>(net.PointCount()), kNotUnknown), {}};
  std::vector<char> onSection(static_cast<size_t>(net.PointCount()), 0);
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    onSection[shape.sectionStart[s]] = onSection[shape.sectionEnd[s]] = 1;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (onSection[p] && net.PointTypes.GetItem(p) != kFixedPoint) {
      unknowns.ofRow[p] = static_cast<int32_t>(unknowns.rows.size());
      unknowns.rows.push_back(p);
    }
  return unknowns;
}

std::vector<Observation> BuildObservations(const TKorNet& net, const SweepPlan& shape, const Unknowns& unknowns) {
  std::vector<Observation> observations;
  observations.reserve(static_cast<size_t>(net.SectionCount()));
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const int32_t start = shape.sectionStart[s];
    const int32_t end = shape.sectionEnd[s];
    const double setups = net.SectionSetups.GetItem(s);
    Observation o{unknowns.ofRow[start], unknowns.ofRow[end], setups, 1.0 / setups, net.SectionHeights.GetItem(s)};
    // A section closed on its own point observes nothing but its misclosure.
    if (start == end) o.start = o.end = kNotUnknown;
    if (o.start == kNotUnknown && start != end) o.reduced += net.PointElevations.GetItem(start);
    if (o.end == kNotUnknown && start != end) o.reduced -= net.PointElevations.GetItem(end);
    observations.push_back(o);
  }
  return observations;
}

// Heights carried from the benchmarks along the sections, as a start for
// the unknowns: the equations then solve for small corrections, and
// elevations of a hundred metres no longer eat the digits of the solution.
std::vector<double> CarriedHeights(const std::vector<Observation>& observations, int32_t count) {
  std::vector<std::vector<int32_t>> touching(static_cast<size_t>(count));
  std::vector<double> carried(static_cast<size_t>(count), 0.0);
  std::vector<char> reached(static_cast<size_t>(count), 0);
  std::vector<int32_t> queue;
  auto reach = [&](int32_t unknown, double height) {
    if (unknown == kNotUnknown || reached[unknown]) return;
    reached[unknown] = 1;
    carried[unknown] = height;
    queue.push_back(unknown);
  };
  for (size_t k = 0; k < observations.size(); ++k) {
    const Observation& o = observations[k];
    if (o.start != kNotUnknown && o.end != kNotUnknown) {
      touching[o.start].push_back(static_cast<int32_t>(k));
      touching[o.end].push_back(static_cast<int32_t>(k));
    } else if (o.start == kNotUnknown) {
      reach(o.end, o.reduced);
    } else {
      reach(o.start, -o.reduced);
    }
  }
  for (size_t head = 0; head < queue.size(); ++head)
    for (int32_t k : touching[queue[head]]) {
      const Observation& o = observations[k];
      if (reached[o.start])
        reach(o.end, carried[o.start] + o.reduced);
      else
        reach(o.start, carried[o.end] - o.reduced);
    }
  return carried;
}

// The observations as misclosures against the carried heights.
void ReduceByCarriedHeights(std::vector<Observation>& observations, const std::vector<double>& carried) {
  const auto at = [&carried](int32_t unknown) { return unknown == kNotUnknown ? 0.0 : carried[unknown]; };
  for (Observation& o : observations) o.reduced -= at(o.end) - at(o.start);
}

Eigen::SparseMatrix<double> NormalMatrix(const std::vector<Observation>& observations, int32_t count) {
  std::vector<Eigen::Triplet<double>> entries;
  entries.reserve(observations.size() * 3);
  for (const Observation& o : observations) {
    if (o.start != kNotUnknown) entries.emplace_back(o.start, o.start, o.weight);
    if (o.end != kNotUnknown) entries.emplace_back(o.end, o.end, o.weight);
    // Only the lower triangle is read by the factorisation.
    if (o.start != kNotUnknown && o.end != kNotUnknown)
      entries.emplace_back(std::max(o.start, o.end), std::min(o.start, o.end), -o.weight);
  }
  Eigen::SparseMatrix<double> normal(count, count);
  normal.setFromTriplets(entries.begin(), entries.end());
  return normal;
}

Eigen::VectorXd RightHandSide(const std::vector<Observation>& observations, int32_t count) {
  Eigen::VectorXd rhs = Eigen::VectorXd::Zero(count);
  for (const Observation& o : observations) {
    if (o.start != kNotUnknown) rhs[o.start] -= o.weight * o.reduced;
    if (o.end != kNotUnknown) rhs[o.end] += o.weight * o.reduced;
  }
  return rhs;
}

// Changes with the number of unknowns and every pair an observation joins.
uint64_t NormalPattern(const std::vector<Observation>& observations, int32_t count) {
  Fnv1a hash;
  hash.AddNumber(static_cast<uint64_t>(count));
  for (const Observation& o : observations)
    hash.AddNumber(static_cast<uint64_t>(static_cast<uint32_t>(o.start)) << 32 | static_cast<uint32_t>(o.end));
  return hash.Value();
}

// The factor of the normal equations, analysed afresh unless the workspace
// holds the analysis of the same pattern.
SparseFactor& Factor(const Eigen::SparseMatrix<double>& normal, uint64_t pattern, SparseFactor& local,
                     LeastSquaresWorkspace* workspace) {
  SparseFactor& factor = workspace ? workspace->analysis->factor : local;
  if (!workspace || workspace->analysis->pattern != pattern) {
    factor.analyzePattern(normal);
    if (workspace) workspace->analysis->pattern = pattern;
  }
  factor.factorize(normal);
  return factor;
}

double Value(const Eigen::VectorXd& x, int32_t unknown) { return unknown == kNotUnknown ? 0.0 : x[unknown]; }

double Cofactor(const SparseSelectedInverse& q, const Observation& o) {
  double aqa = 0.0;
  if (o.start != kNotUnknown) aqa += q.Diagonal(o.start);
  if (o.end != kNotUnknown) aqa += q.Diagonal(o.end);
  if (o.start != kNotUnknown && o.end != kNotUnknown && o.start != o.end) aqa -= 2.0 * q.At(o.start, o.end);
  return aqa;
}

// None when the normal equations cannot be factored.
std::optional<LeastSquaresResult> Solve(const TKorNet& net, const SweepPlan& shape, LeastSquaresScope scope,
                                        LeastSquaresWorkspace* workspace) {
  const Unknowns unknowns = NumberUnknowns(net, shape);
  std::vector<Observation> observations = BuildObservations(net, shape, unknowns);
  const auto count = static_cast<int32_t>(unknowns.rows.size());
  const std::vector<double> carried = CarriedHeights(observations, count);
  ReduceByCarriedHeights(observations, carried);

  LeastSquaresResult result;
  result.elevations = net.PointElevations.Items();
  result.unknown.assign(result.elevations.size(), 0);
  result.cofactors.assign(result.elevations.size(), 0.0);
  result.fixed.assign(result.elevations.size(), 0);
  for (int32_t p = 0; p < net.PointCount(); ++p) result.fixed[p] = net.PointTypes.GetItem(p) == kFixedPoint;
  Eigen::VectorXd x = Eigen::VectorXd::Zero(count);
  std::optional<SparseSelectedInverse> q;
  if (count > 0) {
    SparseFactor local;
    const SparseFactor& factor =
        Factor(NormalMatrix(observations, count), NormalPattern(observations, count), local, workspace);
    if (factor.info() != Eigen::Success) return std::nullopt;
    x = factor.solve(RightHandSide(observations, count));
    if (scope == LeastSquaresScope::kWithAccuracy) q.emplace(factor);
  }
  for (int32_t u = 0; u < count; ++u) {
    result.elevations[unknowns.rows[u]] = carried[u] + x[u];
    result.unknown[unknowns.rows[u]] = 1;
    result.cofactors[unknowns.rows[u]] = q ? q->Diagonal(u) : std::nan("");
  }
  for (const Observation& o : observations) {
    const double v = Value(x, o.end) - Value(x, o.start) - o.reduced;
    // Without unknowns every section is pure redundancy; heights alone leave it unknown.
    const double redundancy = q ? std::clamp(1.0 - o.weight * Cofactor(*q, o), 0.0, 1.0) : count ? std::nan("") : 1.0;
    result.sections.push_back({o.setups, v, redundancy, std::nullopt, false, false});
    result.weightedSquares += o.weight * v * v;
  }
  result.dof = net.SectionCount() - count;
  return result;
}

// The first figure of the result that is not a finite number, named; empty when all are.
std::string NonFiniteFigure(const LeastSquaresResult& result) {
  if (result.sigma0 && !std::isfinite(*result.sigma0)) return "σ₀";
  if (result.chi2 && !std::isfinite(result.chi2->value)) return "χ²";
  for (const std::optional<double>& sigma : result.sigmas)
    if (sigma && !std::isfinite(*sigma)) return "СКО отметки";
  for (const LeastSquaresSection& section : result.sections)
    if (!std::isfinite(section.residual) || (section.w && !std::isfinite(*section.w))) return "поправка звена";
  return {};
}

// The adjustment, its analysis kept in the workspace when there is one.
Result<LeastSquaresResult> Adjust(const TKorNet& net, double sigmaPerSetup, LeastSquaresScope scope,
                                  LeastSquaresWorkspace* workspace) {
  if (!IsSaneValue(ValueKind::SigmaPerSetup, sigmaPerSetup))
    return Outcome::Refusal("СКО превышения на один штатив " + FormatGeneral(sigmaPerSetup) +
                            " мм вне разумных пределов (" + SaneRangeText(ValueKind::SigmaPerSetup) + " мм).");
  // The shape (which rows each section joins) is kept with the analysis; the
  // refusal's own text is worked out only once something is wrong.
  SweepPlan planned;
  SweepPlan& shape = workspace ? workspace->analysis->shape : planned;
  if (!shape.Fits(net)) shape = PlanSweep(net, false);
  if (!shape.sweepable || !ValuesAdjustable(net)) {
    if (Outcome refusal = AdjustmentInputRefusal(net, BuildPointIndex(net.PointNames)); refusal.Refused())
      return refusal;
  }
  std::optional<LeastSquaresResult> result = Solve(net, shape, scope, workspace);
  bool finite = result.has_value();
  for (size_t p = 0; finite && p < result->elevations.size(); ++p)
    finite = !result->unknown[p] || std::isfinite(result->elevations[p]);
  if (!finite)
    return Outcome::Refusal("Уравнивание сети «" + net.Name +
                            "» не удалось: система нормальных уравнений вырождена. Проверьте звенья и типы "
                            "точек сети.");
  // The points inside the sections add to the figures; what stops them
  // (a pendent point off the net) must not cost the adjustment by sections.
  std::string everyPointRefusal;
  if (scope == LeastSquaresScope::kWithAccuracy) {
    if (std::optional<std::vector<PointHeight>> same = EveryPointHeightsOfSections(net, shape, *result)) {
      result->everyPoint = std::move(*same);
    } else if (Result<std::vector<PointHeight>> everyPoint = EveryPointHeights(net); everyPoint.HasValue()) {
      result->everyPoint = std::move(*everyPoint);
    } else {
      everyPointRefusal = everyPoint.RefusalText();
    }
  }
  EvaluateLeastSquares(*result, sigmaPerSetup);
  if (const std::string figure = NonFiniteFigure(*result); !figure.empty())
    return Outcome::Refusal("Уравнивание сети «" + net.Name + "» по МНК отклонено: " + figure +
                            " не вычисляется конечным числом. Проверьте превышения, число штативов и отметки сети.");
  Result<LeastSquaresResult> adjusted(std::move(*result));
  if (!everyPointRefusal.empty())
    adjusted.Warn("СКО точек внутри звеньев и висячих точек не вычислены: " + everyPointRefusal);
  return adjusted;
}

}  // namespace

Result<LeastSquaresResult> AdjustByLeastSquares(const TKorNet& net, double sigmaPerSetup, LeastSquaresScope scope) {
  return Adjust(net, sigmaPerSetup, scope, nullptr);
}

Result<LeastSquaresResult> AdjustByLeastSquares(const TKorNet& net, double sigmaPerSetup, LeastSquaresScope scope,
                                                LeastSquaresWorkspace& workspace) {
  return Adjust(net, sigmaPerSetup, scope, &workspace);
}

void EvaluateLeastSquares(LeastSquaresResult& result, double sigmaPerSetup) {
  result.sigma0Apriori = sigmaPerSetup;
  const bool tested = result.dof > 0;
  result.sigma0 = tested ? std::optional(std::sqrt(result.weightedSquares / result.dof)) : std::nullopt;
  result.chi2.reset();
  if (tested) {
    ChiSquareTest chi2;
    chi2.value = result.weightedSquares / (sigmaPerSetup * sigmaPerSetup);
    chi2.lower = ChiSquareQuantile(0.025, result.dof);
    chi2.upper = ChiSquareQuantile(0.975, result.dof);
    chi2.passed = chi2.value >= chi2.lower && chi2.value <= chi2.upper;
    result.chi2 = chi2;
  }
  // Without redundancy nothing estimates σ₀; the heights take the a-priori one.
  const double sigma0 = result.sigma0.value_or(sigmaPerSetup);
  result.sigmas.assign(result.elevations.size(), std::nullopt);
  for (size_t p = 0; p < result.elevations.size(); ++p)
    if (result.unknown[p] && !std::isnan(result.cofactors[p]))
      result.sigmas[p] = sigma0 * std::sqrt(result.cofactors[p]);
    else if (result.fixed[p])
      result.sigmas[p] = 0.0;
  for (PointHeight& point : result.everyPoint) point.sigma = sigma0 * std::sqrt(point.cofactor);
  result.suspectSection = -1;
  double largest = kCriticalW;
  for (size_t s = 0; s < result.sections.size(); ++s) {
    LeastSquaresSection& section = result.sections[s];
    section.uncontrolled = section.redundancy < kUncontrolledRedundancy;
    section.suspect = false;
    section.w.reset();
    if (!tested || section.uncontrolled || std::isnan(section.redundancy)) continue;
    section.w = section.residual / (sigmaPerSetup * std::sqrt(section.setups * section.redundancy));
    if (std::abs(*section.w) > largest) {
      largest = std::abs(*section.w);
      result.suspectSection = static_cast<int32_t>(s);
    }
  }
  if (result.suspectSection >= 0) result.sections[result.suspectSection].suspect = true;
}

uint64_t AdjustmentFingerprint(const TKorNet& net) {
  // Over the bytes of every input.
  Fnv1a hash;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    hash.AddText(net.SectionStarts[s]).AddText(net.SectionEnds[s]);
    const double values[] = {net.SectionHeights.GetItem(s), net.SectionSetups.GetItem(s)};
    hash.Add(values, sizeof values);
  }
  for (int32_t p = 0; p < net.PointCount(); ++p) {
    hash.AddText(net.PointNames[p]);
    const int32_t type = net.PointTypes.GetItem(p);
    const double elevation = net.PointElevations.GetItem(p);
    hash.Add(&type, sizeof type).Add(&elevation, sizeof elevation);
  }
  return hash.Value();
}

void WriteAdjustedElevations(TKorNet& net, const LeastSquaresResult& result) {
  for (size_t p = 0; p < result.elevations.size(); ++p)
    if (result.unknown[p]) net.PointElevations.SetItem(static_cast<int32_t>(p), result.elevations[p]);
}

}  // namespace korvado
