#pragma once
// The tables of «Оценка точности» for the current net's kept least-squares
// result, each row formatted only when it is asked for: a net at the
// format's limit shows at once, and only the rows in sight are ever made.
// The figures are copied when it is made, so an edit of the data meanwhile
// cannot pull them from under a window that still shows them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"

namespace korvado {

class AccuracyCells {
 public:
  explicit AccuracyCells(const AppState& state);

  // The net the sections belong to; -1 when the current net has no kept result.
  int32_t Net() const { return net_; }
  // The line above the tables, or what to do when there is nothing to show.
  const std::string& Summary() const { return summary_; }

  // The rows of the point table, then the points inside the sections and the pendent points.
  int32_t PointRowCount() const;
  std::vector<std::string> PointRow(int32_t row) const;  // name, type, elevation (two decimals), σ
  std::string FullElevation(int32_t row) const;          // the elevation as stored

  int32_t SectionRowCount() const;
  std::vector<std::string> SectionRow(int32_t section) const;  // start, end, n, h, v, rᵢ, wᵢ, mark
  std::vector<double> AbsoluteW() const;  // per section, |wᵢ|; −1 where wᵢ is not defined
  std::vector<bool> Suspect() const;      // per section, suspected of a blunder

 private:
  struct Figures;
  std::shared_ptr<const Figures> figures_;
  int32_t net_ = -1;
  std::string summary_;
};

}  // namespace korvado
