#include "NetsBrowserCommands.h"

#include "MessageService.h"
#include "StorableText.h"

namespace korvado {

namespace {

bool AtNetLevel(const AppState& state, const NetsBrowserState& browser) {
  return browser.Selected.IsNet() && NodeExists(state.Nets, browser.Selected);
}

bool RowOfKind(const AppState& state, const NetsBrowserState& browser, BrowserRowKind kind) {
  return SelectedRowKind(state, browser) == kind;
}

void Reselect(const AppState& state, NetsBrowserState& browser, int32_t absolute) {
  SelectNode(state, browser, NodeAtAbsoluteIndex(state.Nets, absolute));
}

TKorNetDetailTable& SelectedTable(AppState& state, const NetsBrowserState& browser) {
  return state.Nets.NetAt(browser.Selected.Net).SectionTables.TableAt(browser.Selected.Section);
}

// The main window's positions follow the nets and sections they designate.
void ForgetDeletedNet(AppState& state, int32_t net) {
  if (state.CurrentNetIndex == net) {
    state.CurrentNetIndex = -1;
    state.ActiveSectionIndex = -1;
  } else if (state.CurrentNetIndex > net) {
    --state.CurrentNetIndex;
  }
}

void ForgetReplacedNet(AppState& state, int32_t net) {
  if (state.CurrentNetIndex == net) state.ActiveSectionIndex = -1;
}

void ForgetDeletedSection(AppState& state, int32_t net, int32_t section) {
  if (state.CurrentNetIndex != net) return;
  if (state.ActiveSectionIndex == section)
    state.ActiveSectionIndex = -1;
  else if (state.ActiveSectionIndex > section)
    --state.ActiveSectionIndex;
}

void ForgetReplacedSection(AppState& state, int32_t net, int32_t section) {
  if (state.CurrentNetIndex == net && state.ActiveSectionIndex == section) state.ActiveSectionIndex = -1;
}

bool SectionExists(const TNetList& nets, int32_t net, int32_t section) {
  return net < nets.NetCount() && section < nets.NetAt(net).SectionCount();
}

bool RunExists(const TNetList& nets, int32_t net, int32_t section, int32_t run) {
  return SectionExists(nets, net, section) && run < nets.NetAt(net).SectionTables.TableAt(section).RunCount();
}

}  // namespace

bool BrowserAddNet(AppState& state, NetsBrowserState& browser, const std::string& name) {
  if (!CheckStorableText(name) || state.Nets.AddNet(name) < 0) return false;
  state.MarkChanged();
  Reselect(state, browser, static_cast<int32_t>(NetsTreeNodes(state.Nets).size()) - 1);
  return true;
}

std::optional<std::string> RenameNetPreset(const AppState& state, const NetsBrowserState& browser) {
  if (!AtNetLevel(state, browser)) return std::nullopt;
  return state.Nets.NetAt(browser.Selected.Net).Name;
}

bool BrowserRenameNet(AppState& state, NetsBrowserState& browser, const std::string& name) {
  if (!AtNetLevel(state, browser) || !CheckStorableText(name)) return false;
  const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
  state.Nets.NetAt(browser.Selected.Net).Name = name;
  state.MarkChanged();
  Reselect(state, browser, absolute);
  return true;
}

bool BrowserCopyNet(const AppState& state, NetsBrowserState& browser) {
  if (!AtNetLevel(state, browser)) return false;
  browser.Copy.CopiedNetIndex = static_cast<uint16_t>(browser.Selected.Net);
  return true;
}

bool BrowserPasteNet(AppState& state, NetsBrowserState& browser) {
  if (!AtNetLevel(state, browser)) return false;
  const int32_t destination = browser.Selected.Net;
  const int32_t source = browser.Copy.CopiedNetIndex;
  if (source >= state.Nets.NetCount()) {
    ReportError("Сеть не вставлена: скопированной сети больше нет. Скопируйте сеть снова.");
    return false;
  }
  if (source == destination) return false;
  const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
  state.Nets.CopyNet(destination, source);
  ForgetReplacedNet(state, destination);
  state.MarkChanged();
  Reselect(state, browser, absolute);
  return true;
}

bool BrowserDeleteNet(AppState& state, NetsBrowserState& browser) {
  if (!AtNetLevel(state, browser)) return false;
  const int32_t net = browser.Selected.Net;
  state.Nets.DeleteNet(net);
  ForgetDeletedNet(state, net);
  state.MarkChanged();
  Reselect(state, browser, 0);
  return true;
}

bool BrowserCopySection(const AppState& state, NetsBrowserState& browser) {
  if (!RowOfKind(state, browser, BrowserRowKind::Section)) return false;
  browser.Copy.CopiedSectionIndex = static_cast<uint16_t>(browser.SelectedRow);
  browser.Copy.CopiedNetIndex = static_cast<uint16_t>(browser.Selected.Net);
  return true;
}

bool BrowserPasteSection(AppState& state, NetsBrowserState& browser) {
  if (!RowOfKind(state, browser, BrowserRowKind::Section)) return false;
  const int32_t net = browser.Selected.Net;
  const int32_t section = browser.SelectedRow;
  const int32_t sourceNet = browser.Copy.CopiedNetIndex;
  const int32_t sourceSection = browser.Copy.CopiedSectionIndex;
  if (!SectionExists(state.Nets, sourceNet, sourceSection)) {
    ReportError("Звено не вставлено: скопированного звена больше нет. Скопируйте звено снова.");
    return false;
  }
  if (sourceNet == net && sourceSection == section) return false;
  const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
  state.Nets.CopySection(net, section, sourceNet, sourceSection);
  ForgetReplacedSection(state, net, section);
  state.MarkChanged();
  Reselect(state, browser, absolute);
  return true;
}

bool BrowserDeleteSection(AppState& state, NetsBrowserState& browser) {
  if (!RowOfKind(state, browser, BrowserRowKind::Section)) return false;
  const int32_t net = browser.Selected.Net;
  const int32_t section = browser.SelectedRow;
  const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
  state.Nets.NetAt(net).DeleteSection(static_cast<uint16_t>(section));
  ForgetDeletedSection(state, net, section);
  state.MarkChanged();
  Reselect(state, browser, absolute);
  return true;
}

bool BrowserCopyRun(const AppState& state, NetsBrowserState& browser) {
  if (!RowOfKind(state, browser, BrowserRowKind::Run)) return false;
  browser.Copy.CopiedRunIndex = static_cast<uint16_t>(browser.SelectedRow);
  browser.Copy.CopiedSectionIndex = static_cast<uint16_t>(browser.Selected.Section);
  browser.Copy.CopiedNetIndex = static_cast<uint16_t>(browser.Selected.Net);
  return true;
}

bool BrowserPasteRun(AppState& state, NetsBrowserState& browser) {
  if (!RowOfKind(state, browser, BrowserRowKind::Run)) return false;
  const BrowserNode node = browser.Selected;
  const int32_t run = browser.SelectedRow;
  const CopyBuffer& copy = browser.Copy;
  if (!RunExists(state.Nets, copy.CopiedNetIndex, copy.CopiedSectionIndex, copy.CopiedRunIndex)) {
    ReportError("Штатив не вставлен: скопированного штатива больше нет. Скопируйте штатив снова.");
    return false;
  }
  if (copy.CopiedNetIndex == node.Net && copy.CopiedSectionIndex == node.Section && copy.CopiedRunIndex == run)
    return false;
  const int32_t absolute = AbsoluteIndex(state.Nets, node);
  state.Nets.CopyRun(node.Net, node.Section, run, copy.CopiedNetIndex, copy.CopiedSectionIndex, copy.CopiedRunIndex);
  state.MarkChanged();
  Reselect(state, browser, absolute);
  return true;
}

bool BrowserDeleteRun(AppState& state, NetsBrowserState& browser) {
  const std::optional<BrowserRowKind> kind = SelectedRowKind(state, browser);
  if (!browser.Selected.IsSection() || !kind) return false;
  if (kind == BrowserRowKind::Pendent) {
    ReportWarning("Висячая точка удаляется командой «Удалить висячую точку» меню «Висячка».");
    return false;
  }
  TKorNetDetailTable& table = SelectedTable(state, browser);
  if (table.RunCount() <= 1) {
    ReportWarning(kOnlyRunMessage);
    return false;
  }
  const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
  if (!table.DeleteRun(static_cast<uint16_t>(browser.SelectedRow))) return false;
  state.Nets.NetAt(browser.Selected.Net).UpdateSectionSummary(static_cast<uint16_t>(browser.Selected.Section));
  state.MarkChanged();
  Reselect(state, browser, absolute);
  return true;
}

bool BrowserDeletePendentRun(AppState& state, NetsBrowserState& browser) {
  if (!browser.Selected.IsSection() || !RowOfKind(state, browser, BrowserRowKind::Pendent)) return false;
  TKorNetDetailTable& table = SelectedTable(state, browser);
  const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
  if (!table.DeletePendentRun(static_cast<uint16_t>(browser.SelectedRow - table.RunCount()))) return false;
  state.MarkChanged();
  Reselect(state, browser, absolute);
  return true;
}

}  // namespace korvado
