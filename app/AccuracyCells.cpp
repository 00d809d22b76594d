#include "AccuracyCells.h"

#include <cmath>

#include "CurrentNet.h"
#include "LeastSquaresCommands.h"
#include "NumberText.h"
#include "PointTypeQuestion.h"

namespace korvado {

struct AccuracyCells::Figures {
  std::vector<std::string> pointNames;
  std::vector<int32_t> pointTypes;
  std::vector<std::string> sectionStarts;
  std::vector<std::string> sectionEnds;
  std::vector<double> sectionHeights;
  LeastSquaresResult result;
  std::vector<size_t> innerPoints;  // the points of result.everyPoint listed after the point table
};

namespace {

std::string PointTypeName(int32_t type) {
  return type >= kFixedPoint && type <= kIntermediatePoint ? kPointTypeNames[type] : std::to_string(type);
}

}  // namespace

AccuracyCells::AccuracyCells(const AppState& state) {
  const LeastSquaresResult* kept = state.HasCurrentNet() ? KeptLeastSquares(state, state.CurrentNetIndex) : nullptr;
  if (!kept) {
    summary_ = state.HasCurrentNet() ? "Нет результатов уравнивания этой сети по МНК или сеть изменилась после "
                                       "него. Нажмите «Уравнять по МНК»."
                                     : kNoCurrentNetMessage;
    return;
  }
  const TKorNet& net = state.Nets.NetAt(state.CurrentNetIndex);
  auto figures = std::make_shared<Figures>(Figures{net.PointNames.Items(), net.PointTypes.Items(),
                                                   net.SectionStarts.Items(), net.SectionEnds.Items(),
                                                   net.SectionHeights.Items(), *kept, {}});
  for (size_t k = 0; k < kept->everyPoint.size(); ++k)
    if (kept->everyPoint[k].role == PointRole::kIntermediate || kept->everyPoint[k].role == PointRole::kPendent)
      figures->innerPoints.push_back(k);
  net_ = state.CurrentNetIndex;
  summary_ = "Сеть «" + net.Name + "»: " + LeastSquaresMethodCaption(*kept) + ", σ₀ априори = " +
             FormatGeneral(kept->sigma0Apriori) + " мм на штатив, " + LeastSquaresResultCaption(*kept) +
             ", критическое значение w = " + FormatFixed(2, kCriticalW) + ".";
  figures_ = std::move(figures);
}

int32_t AccuracyCells::PointRowCount() const {
  return figures_ ? static_cast<int32_t>(figures_->pointNames.size() + figures_->innerPoints.size()) : 0;
}

std::vector<std::string> AccuracyCells::PointRow(int32_t row) const {
  const auto tableRows = static_cast<int32_t>(figures_->pointNames.size());
  const LeastSquaresResult& result = figures_->result;
  if (row < tableRows)
    return {figures_->pointNames[row], PointTypeName(figures_->pointTypes[row]), FormatFixed(2, result.elevations[row]),
            OptionalFixed(2, result.sigmas[row])};
  const PointHeight& point = result.everyPoint[figures_->innerPoints[row - tableRows]];
  return {point.name, point.role == PointRole::kPendent ? kPendentTypeName : kPointTypeNames[kIntermediatePoint],
          FormatFixed(2, point.height), OptionalFixed(2, point.sigma)};
}

std::string AccuracyCells::FullElevation(int32_t row) const {
  const auto tableRows = static_cast<int32_t>(figures_->pointNames.size());
  if (row < tableRows) return FormatGeneral(figures_->result.elevations[row]);
  return FormatGeneral(figures_->result.everyPoint[figures_->innerPoints[row - tableRows]].height);
}

int32_t AccuracyCells::SectionRowCount() const {
  return figures_ ? static_cast<int32_t>(figures_->sectionStarts.size()) : 0;
}

std::vector<std::string> AccuracyCells::SectionRow(int32_t s) const {
  const LeastSquaresSection& section = figures_->result.sections[s];
  return {figures_->sectionStarts[s],        figures_->sectionEnds[s],
          FormatGeneral(section.setups),     FormatGeneral(figures_->sectionHeights[s]),
          FormatFixed(2, section.residual),  FormatFixed(2, section.redundancy),
          OptionalFixed(2, section.w),       SectionMark(section)};
}

std::vector<double> AccuracyCells::AbsoluteW() const {
  std::vector<double> keys;
  if (!figures_) return keys;
  for (const LeastSquaresSection& section : figures_->result.sections)
    keys.push_back(section.w ? std::fabs(*section.w) : -1.0);
  return keys;
}

std::vector<bool> AccuracyCells::Suspect() const {
  std::vector<bool> marks;
  if (!figures_) return marks;
  for (const LeastSquaresSection& section : figures_->result.sections) marks.push_back(section.suspect);
  return marks;
}

}  // namespace korvado
