#include "DenseLevelling.h"

#include <Eigen/Dense>

namespace korvado {

DenseLevelling AdjustDense(const std::vector<LevelledRun>& runs, const std::map<std::string, double>& held) {
  std::map<std::string, Eigen::Index> column;
  for (const LevelledRun& run : runs)
    for (const std::string& point : {run.from, run.to})
      if (!held.count(point) && !column.count(point)) column.emplace(point, static_cast<Eigen::Index>(column.size()));
  const auto u = static_cast<Eigen::Index>(column.size());
  const auto n = static_cast<Eigen::Index>(runs.size());
  Eigen::MatrixXd a = Eigen::MatrixXd::Zero(n, u);
  Eigen::VectorXd l(n), p(n);
  for (Eigen::Index i = 0; i < n; ++i) {
    const LevelledRun& run = runs[static_cast<size_t>(i)];
    p[i] = 1.0 / run.setups;
    l[i] = run.height;
    if (held.count(run.from))
      l[i] += held.at(run.from);
    else
      a(i, column.at(run.from)) -= 1.0;
    if (held.count(run.to))
      l[i] -= held.at(run.to);
    else
      a(i, column.at(run.to)) += 1.0;
  }
  const Eigen::MatrixXd q = (a.transpose() * p.asDiagonal() * a).inverse();
  const Eigen::VectorXd x = q * (a.transpose() * p.asDiagonal() * l);
  const Eigen::VectorXd v = a * x - l;
  DenseLevelling dense;
  for (const auto& [name, c] : column) {
    dense.heights[name] = x[c];
    dense.cofactors[name] = q(c, c);
  }
  for (Eigen::Index i = 0; i < n; ++i) {
    dense.residuals.push_back(v[i]);
    dense.redundancies.push_back(1.0 - p[i] * a.row(i).dot(q * a.row(i).transpose()));
    dense.weightedSquares += p[i] * v[i] * v[i];
  }
  return dense;
}

std::vector<LevelledRun> SectionRuns(const TKorNet& net) {
  std::vector<LevelledRun> runs;
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    runs.push_back(
        {net.SectionStarts[s], net.SectionEnds[s], net.SectionHeights.GetItem(s), net.SectionSetups.GetItem(s)});
  return runs;
}

std::vector<LevelledRun> TableRuns(const TKorNet& net) {
  std::vector<LevelledRun> runs;
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const TKorNetDetailTable& t = net.SectionTables.TableAt(s);
    for (int32_t j = 0; j < t.RunCount(); ++j)
      runs.push_back({t.RunBackPoints[j], t.RunForePoints[j], t.RunHeights.GetItem(j), t.RunSetups.GetItem(j)});
    for (int32_t j = 0; j < t.PendentCount(); ++j)
      runs.push_back({t.PendentBackPoints[j], t.PendentForePoints[j], t.PendentHeights.GetItem(j),
                      static_cast<double>(t.PendentSetups.GetItem(j))});
  }
  return runs;
}

std::map<std::string, double> PointTableHeights(const TKorNet& net, const std::function<bool(int32_t type)>& isHeld) {
  std::map<std::string, double> heights;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (isHeld(net.PointTypes.GetItem(p))) heights.emplace(net.PointNames[p], net.PointElevations.GetItem(p));
  return heights;
}

}  // namespace korvado
