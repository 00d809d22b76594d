#include "NetsBrowserView.h"

#include "NumberText.h"

namespace korvado {

namespace {

std::string RefText(const std::vector<int32_t>& refs) { return refs.empty() ? std::string() : std::to_string(refs[0]); }

// The columns every row of the list shares: number, both ends, setups and height.
BrowserRow LineRow(BrowserRowKind kind, int32_t index, int32_t numberIcon, const std::string& back, int32_t backIcon,
                   const std::string& fore, int32_t foreIcon, double setups, double height) {
  BrowserRow row;
  row.Kind = kind;
  row.Number = std::to_string(index + 1);
  row.NumberIcon = numberIcon;
  row.BackPoint = back;
  row.BackIcon = backIcon;
  row.ForePoint = fore;
  row.ForeIcon = foreIcon;
  row.SetupsText = FormatGeneral(setups);
  row.HeightText = FormatFixed(2, height);
  return row;
}

void AddSectionRows(const TKorNet& net, std::vector<BrowserRow>& rows) {
  for (int32_t k = 0; k < net.SectionCount(); ++k) {
    const Section s = net.SectionAt(k);
    rows.push_back(
        LineRow(BrowserRowKind::Section, k, kSectionIcon, s.start, s.startType, s.end, s.endType, s.setups, s.height));
  }
}

void AddRunRows(const TKorNetDetailTable& table, std::vector<BrowserRow>& rows) {
  for (int32_t j = 0; j < table.RunCount(); ++j) {
    const NetRun run = table.RunAt(j);
    rows.push_back(LineRow(BrowserRowKind::Run, j, kRunIcon, run.back, run.backType, run.fore, run.foreType, run.setups,
                           run.height));
    rows.back().IndexText = RefText(run.refs);
  }
  for (int32_t p = 0; p < table.PendentCount(); ++p) {
    const PendentRun pendent = table.PendentAt(p);
    // A pendent point is never a node of the net.
    rows.push_back(LineRow(BrowserRowKind::Pendent, p, kPendentIcon, pendent.back, pendent.type, pendent.fore,
                           kIntermediatePoint, pendent.setups, pendent.height));
    rows.back().IndexText = RefText(pendent.refs);
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
