#include "NetsBrowserView.h"

#include "NumberText.h"

namespace korvado {

namespace {

std::string RefText(const TIndexLists& refs, int32_t entry) {
  const TIntList& values = refs.ListAt(entry);
  return values.Count() > 0 ? std::to_string(values.GetItem(0)) : std::string();
}

void AddSectionRows(const TKorNet& net, std::vector<BrowserRow>& rows) {
  for (int32_t k = 0; k < net.SectionCount(); ++k) {
    BrowserRow row;
    row.Kind = BrowserRowKind::Section;
    row.Number = std::to_string(k + 1);
    row.NumberIcon = kSectionIcon;
    row.BackPoint = net.SectionStarts[k];
    row.BackIcon = net.SectionStartTypes.GetItem(k);
    row.ForePoint = net.SectionEnds[k];
    row.ForeIcon = net.SectionEndTypes.GetItem(k);
    row.SetupsText = FormatGeneral(net.SectionSetups.GetItem(k));
    row.HeightText = FormatFixed(2, net.SectionHeights.GetItem(k));
    rows.push_back(std::move(row));
  }
}

void AddRunRows(const TKorNetDetailTable& table, std::vector<BrowserRow>& rows) {
  for (int32_t j = 0; j < table.RunCount(); ++j) {
    BrowserRow row;
    row.Kind = BrowserRowKind::Run;
    row.Number = std::to_string(j + 1);
    row.NumberIcon = kRunIcon;
    row.BackPoint = table.RunBackPoints[j];
    row.BackIcon = table.RunBackTypes.GetItem(j);
    row.ForePoint = table.RunForePoints[j];
    row.ForeIcon = table.RunForeTypes.GetItem(j);
    row.SetupsText = FormatGeneral(table.RunSetups.GetItem(j));
    row.HeightText = FormatFixed(2, table.RunHeights.GetItem(j));
    row.IndexText = RefText(table.RunRefs, j);
    rows.push_back(std::move(row));
  }
  for (int32_t p = 0; p < table.PendentCount(); ++p) {
    BrowserRow row;
    row.Kind = BrowserRowKind::Pendent;
    row.Number = std::to_string(p + 1);
    row.NumberIcon = kPendentIcon;
    row.BackPoint = table.PendentBackPoints[p];
    row.BackIcon = table.PendentTypes.GetItem(p);
    row.ForePoint = table.PendentForePoints[p];
    // A pendent point is never a node of the net.
    row.ForeIcon = kIntermediatePoint;
    row.SetupsText = FormatGeneral(table.PendentSetups.GetItem(p));
    row.HeightText = FormatFixed(2, table.PendentHeights.GetItem(p));
    row.IndexText = RefText(table.PendentRefs, p);
    rows.push_back(std::move(row));
  }
}

int32_t NetNodeIndex(const TNetList& nets, int32_t net) {
  int32_t absolute = 0;
  for (int32_t m = 0; m < net; ++m) absolute += nets.NetAt(m).SectionCount() + 1;
  return absolute;
}

}  // namespace

std::vector<std::string> NetNames(const TNetList& nets) {
  std::vector<std::string> names;
  for (int32_t i = 0; i < nets.NetCount(); ++i) names.push_back(nets.NetAt(i).Name);
  return names;
}

std::vector<TreeNodeView> NetsTreeNodes(const TNetList& nets) {
  std::vector<TreeNodeView> nodes;
  for (int32_t i = 0; i < nets.NetCount(); ++i) {
    const TKorNet& net = nets.NetAt(i);
    nodes.push_back({net.Name, kNetIcon, {i, -1}});
    for (int32_t k = 0; k < net.SectionCount(); ++k) {
      const std::string text =
          std::to_string(k + 1) + "  [" + net.SectionStarts[k] + " --> " + net.SectionEnds[k] + "]";
      nodes.push_back({text, kSectionIcon, {i, k}});
    }
  }
  return nodes;
}

bool NodeExists(const TNetList& nets, BrowserNode node) {
  if (node.Net < 0 || node.Net >= nets.NetCount()) return false;
  return node.Section < nets.NetAt(node.Net).SectionCount();
}

int32_t AbsoluteIndex(const TNetList& nets, BrowserNode node) {
  if (!NodeExists(nets, node)) return -1;
  return NetNodeIndex(nets, node.Net) + (node.IsSection() ? node.Section + 1 : 0);
}

BrowserNode NodeAtAbsoluteIndex(const TNetList& nets, int32_t absolute) {
  if (absolute < 0) return {};
  for (int32_t i = 0; i < nets.NetCount(); ++i) {
    const int32_t size = nets.NetAt(i).SectionCount() + 1;
    if (absolute < size) return {i, absolute - 1};
    absolute -= size;
  }
  return {};
}

void ShowBrowser(NetsBrowserState& browser) {
  browser.Selected = {};
  browser.SelectedRow = -1;
}

void SelectNode(const AppState& state, NetsBrowserState& browser, BrowserNode node) {
  browser.SelectedRow = -1;
  if (!NodeExists(state.Nets, node)) {
    browser.Selected = {};
    return;
  }
  browser.Selected = node;
  const std::string caption = std::string(kBrowserCaption) + ": " + state.Nets.NetAt(node.Net).Name;
  if (node.IsNet()) {
    browser.Caption = caption;
    browser.FirstColumnCaption = kSectionNumberColumn;
  } else {
    browser.Caption = caption + "; звено №" + std::to_string(node.Section + 1);
    browser.FirstColumnCaption = kRunNumberColumn;
  }
}

std::vector<BrowserRow> BrowserRows(const AppState& state, const NetsBrowserState& browser) {
  std::vector<BrowserRow> rows;
  const BrowserNode node = browser.Selected;
  if (!NodeExists(state.Nets, node)) return rows;
  const TKorNet& net = state.Nets.NetAt(node.Net);
  if (node.IsNet())
    AddSectionRows(net, rows);
  else
    AddRunRows(net.SectionTables.TableAt(node.Section), rows);
  return rows;
}

void SelectRow(const AppState& state, NetsBrowserState& browser, int32_t row) {
  const auto count = static_cast<int32_t>(BrowserRows(state, browser).size());
  browser.SelectedRow = row >= 0 && row < count ? row : -1;
}

std::optional<BrowserRowKind> SelectedRowKind(const AppState& state, const NetsBrowserState& browser) {
  const std::vector<BrowserRow> rows = BrowserRows(state, browser);
  const int32_t r = browser.SelectedRow;
  if (r < 0 || r >= static_cast<int32_t>(rows.size())) return std::nullopt;
  return rows[r].Kind;
}

BrowserActions EnabledActions(const AppState& state, const NetsBrowserState& browser) {
  BrowserActions actions;
  const BrowserNode node = browser.Selected;
  if (!NodeExists(state.Nets, node)) return actions;
  const std::optional<BrowserRowKind> row = SelectedRowKind(state, browser);
  if (node.IsNet()) {
    actions.RenameNet = actions.CopyNet = actions.PasteNet = actions.DelNet = true;
    actions.CopySec = actions.PasteSec = actions.DelSection = row.has_value();
    return actions;
  }
  actions.NetsLevel = true;
  actions.AddPendentPoint = true;
  actions.CopyDetSec = actions.PasteDetSec = row == BrowserRowKind::Run;
  actions.DelDetSection = row.has_value();
  actions.DelPendentPoint = row == BrowserRowKind::Pendent;
  return actions;
}

bool OpenSelectedRow(const AppState& state, NetsBrowserState& browser) {
  if (!browser.Selected.IsNet() || SelectedRowKind(state, browser) != BrowserRowKind::Section) return false;
  const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected) + browser.SelectedRow + 1;
  SelectNode(state, browser, NodeAtAbsoluteIndex(state.Nets, absolute));
  return true;
}

bool GoToNetLevel(const AppState& state, NetsBrowserState& browser) {
  if (!browser.Selected.IsSection() || !NodeExists(state.Nets, browser.Selected)) return false;
  SelectNode(state, browser, {browser.Selected.Net, -1});
  return true;
}

bool PickNetInSelector(const AppState& state, NetsBrowserState& browser, int32_t net) {
  if (net < 0 || net >= state.Nets.NetCount()) return false;
  SelectNode(state, browser, NodeAtAbsoluteIndex(state.Nets, NetNodeIndex(state.Nets, net)));
  return true;
}

}  // namespace korvado
