#include "ActiveSectionView.h"

#include "NetConstructionCommands.h"
#include "NumberText.h"

namespace korvado {

std::vector<SectionRunRow> ActiveSectionRows(const AppState& state) {
  std::vector<SectionRunRow> rows;
  if (!HasActiveSection(state)) return rows;
  const TKorNetDetailTable& table =
      state.Nets.NetAt(state.CurrentNetIndex).SectionTables.TableAt(state.ActiveSectionIndex);
  for (int32_t i = 0; i < table.RunCount(); ++i) {
    SectionRunRow row;
    row.BackIcon = table.RunBackTypes.GetItem(i);
    row.BackPoint = table.RunBackPoints[i];
    row.ForePoint = table.RunForePoints[i];
    row.ForeIcon = table.RunForeTypes.GetItem(i);
    row.SetupsText = FormatGeneral(table.RunSetups.GetItem(i));
    row.HeightText = FormatFixed(2, table.RunHeights.GetItem(i));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace korvado
