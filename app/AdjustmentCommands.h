#pragma once
// The commands of the adjustment page and the net update: point table,
// fixed elevations, one adjustment sweep, and the refresh of the nets from
// the journal. A refusal changes nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AppState.h"
#include "CurrentNet.h"
#include "FixedElevations.h"

namespace korvado {

// One line of EquateListView.
struct EquateRow {
  int32_t icon = 0;           // the point's type
  std::string caption;        // the point's name
  std::string elevation;      // two decimals, as elevations are shown everywhere
  std::string fullElevation;  // the value as stored, shortest exact form, for a tooltip
  bool operator==(const EquateRow&) const = default;
};

struct EquateView {
  std::vector<EquateRow> rows;
  std::string iterationCaption;  // "Итерация: 1"
  std::string errorCaption;      // "СКО: 0.05 мм"
  double mu = 0.0;               // the mean square error of unit weight
  std::string muText;            // mu as the caption shows it: "0.05"
};

struct OriginAltitudeDialogContent {
  std::string title;
  std::vector<AltitudeRow> rows;
};

// The points of a net in table order as EquateListView lists them.
std::vector<EquateRow> EquateRows(const TKorNet& net);

// btnUpDateSeriesClick: rebuilds the current net's point table with zero
// elevations; the window then opens the fixed-elevation dialog.
Outcome RebuildCurrentNetPoints(AppState& state);

// btnInputAltitudeClick, before the dialog opens: its title and rows.
Result<OriginAltitudeDialogContent> OpenOriginAltitudes(const AppState& state);
// After OK. All rows or none are stored; on success the iteration count
// restarts. After a refusal the dialog may stay open for the user to correct it.
Outcome ApplyOriginAltitudes(AppState& state, const std::vector<AltitudeRow>& rows);
// After Cancel: no elevation changes, the iteration count restarts.
void CancelOriginAltitudes(AppState& state);

// One sweep over the current net, counted: the mean square error, or the refusal.
Result<double> AdjustCurrentNet(AppState& state);
// btnEquateClick: one sweep over the current net, then what the list shows.
Result<EquateView> EquateCurrentNet(AppState& state);

// acUpDateNetsExecute.
Outcome UpdateNetsFromJournal(AppState& state);

}  // namespace korvado
