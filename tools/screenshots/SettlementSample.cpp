#include "SettlementSample.h"

#include <QDir>
#include <cstdio>
#include <cmath>
#include <random>

#include "DataFile.h"
#include "MainForm.h"
#include "MonitoringCommands.h"
#include "Must.h"
#include "PointTable.h"
#include "SettlementView.h"

namespace korvado {

namespace {

constexpr int kMarks = 12;
constexpr const char* kCycleDates[] = {"2025-04-15", "2025-06-10", "2025-08-05", "2025-10-14", "2026-01-20", "2026-04-14"};

// The marks go round the house; the corner on soft ground (marks 4 to 7)
// settles fastest, slowing down with time. Rp4 is disturbed by works in the
// last cycle.
double Height(const std::string& name, int cycle) {
  if (name == "Rp1") return 151234.50;
  if (name == "Rp2") return 150987.20;
  if (name == "Rp3") return 151402.80;
  if (name == "Rp4") return 150811.90 + (cycle == 5 ? 2.4 : 0.0);
  const int mark = std::stoi(name.substr(std::string("Мк").size()));
  const double soft = std::exp(-std::pow((mark - 5.5) / 2.2, 2));
  return 151100.0 + 40.0 * mark - (1.0 + 7.0 * soft) * std::log1p(cycle * 1.3);
}

TKorNet CycleNet(int cycle, std::mt19937& random) {
  std::normal_distribution<double> error(0.0, 0.06);
  std::vector<std::string> ring{"Rp1"};
  for (int m = 1; m <= kMarks; ++m) {
    ring.push_back("Мк" + std::to_string(m));
    if (m % 4 == 0) ring.push_back("Rp" + std::to_string(m / 4 + 1));
  }
  ring.push_back("Rp1");
  TKorNet net;
  net.Name = "Цикл " + std::to_string(cycle + 1);
  for (size_t k = 0; k + 1 < ring.size(); ++k)
    Must(net.AddSection(ring[k], ring[k + 1], kNodalPoint, kNodalPoint,
                   Height(ring[k + 1], cycle) - Height(ring[k], cycle) + error(random) * std::sqrt(2.0), 2, 0));
  Must(net.AddSection("Rp1", "Rp3", kNodalPoint, kNodalPoint, Height("Rp3", cycle) - Height("Rp1", cycle) + error(random) * 3, 9, 0));
  Must(net.AddSection("Мк2", "Мк8", kNodalPoint, kNodalPoint, Height("Мк8", cycle) - Height("Мк2", cycle) + error(random) * 2.5, 6, 0));
  Must(RebuildPoints(net));
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointNames[p] == "Rp1") net.PointTypes.SetItem(p, kFixedPoint);
  SetPointElevation(net, "Rp1", Height("Rp1", 0));
  return net;
}

}  // namespace

SettlementView* ShowSampleSettlements(TMainForm& form) try {
  AppState& state = form.State();
  std::mt19937 random(11);
  const QDir folder = QDir::current();
  (void)CreateProject(state, folder.filePath("Садовая 12").toStdString(), "Жилой дом, ул. Садовая, 12");
  for (int c = 0; c < 6; ++c) {
    TNetList nets;
    nets.NetAt(*nets.AddNet("Цикл " + std::to_string(c + 1))) = CycleNet(c, random);
    const std::string file = folder.filePath(QStringLiteral("цикл%1.kor").arg(c + 1)).toStdString();
    WriteDataFile(file, TKorData(), nets);
    (void)AddProjectCycle(state, file, "Цикл " + std::to_string(c + 1), kCycleDates[c]);
  }
  (void)SetProjectReference(state, {"Rp1", "Rp2", "Rp3", "Rp4"});
  Result<MonitoringResult> result = ComputeProject(*state.Monitoring.Project, state.Monitoring.Path);
  if (result.HasValue()) TakeProjectResults(state, std::move(*result));
  auto* view = new SettlementView(state, form.Settings(), &form);
  view->resize(1010, 740);
  view->show();
  view->ShowResults();
  return view;
} catch (const std::exception& error) {
  std::fprintf(stderr, "korvado-screenshots: %s\n", error.what());
  return nullptr;
}

}  // namespace korvado
