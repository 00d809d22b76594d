#include "NetsBrowserCommands.h"

#include "RecordStep.h"
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

Outcome BrowserAddNet(AppState& state, NetsBrowserState& browser, const std::string& name) {
  return RecordStep(state, "добавление сети", [&]() -> Outcome {
    if (Outcome refused = CheckStorableText(name); !refused) return refused;
    if (Outcome refused = state.Nets.AddNet(name); !refused) return refused;
    state.MarkChanged();
    Reselect(state, browser, static_cast<int32_t>(NetsTreeNodes(state.Nets).size()) - 1);
    return {};
  });
}

std::optional<std::string> RenameNetPreset(const AppState& state, const NetsBrowserState& browser) {
  if (!AtNetLevel(state, browser)) return std::nullopt;
  return state.Nets.NetAt(browser.Selected.Net).Name;
}

Outcome BrowserRenameNet(AppState& state, NetsBrowserState& browser, const std::string& name) {
  return RecordStep(state, "переименование сети", [&]() -> Outcome {
    if (!AtNetLevel(state, browser)) return {};
    if (Outcome refused = CheckStorableText(name); !refused) return refused;
    const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
    state.Nets.NetAt(browser.Selected.Net).Name = name;
    state.MarkChanged();
    Reselect(state, browser, absolute);
    return {};
  });
}

bool BrowserCopyNet(const AppState& state, NetsBrowserState& browser) {
  if (!AtNetLevel(state, browser)) return false;
  browser.Copy.CopiedNetIndex = static_cast<uint16_t>(browser.Selected.Net);
  return true;
}

Outcome BrowserPasteNet(AppState& state, NetsBrowserState& browser) {
  return RecordStep(state, "вставка сети", [&]() -> Outcome {
    if (!AtNetLevel(state, browser)) return {};
    const int32_t destination = browser.Selected.Net;
    const int32_t source = browser.Copy.CopiedNetIndex;
    if (source >= state.Nets.NetCount()) {
      return Outcome::Refusal("Сеть не вставлена: скопированной сети больше нет. Скопируйте сеть снова.");
    }
    if (source == destination) return {};
    const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
    state.Nets.CopyNet(destination, source);
    ForgetReplacedNet(state, destination);
    state.MarkChanged();
    Reselect(state, browser, absolute);
    return {};
  });
}

Outcome BrowserDeleteNet(AppState& state, NetsBrowserState& browser) {
  return RecordStep(state, "удаление сети", [&]() -> Outcome {
    if (!AtNetLevel(state, browser)) return {};
    const int32_t net = browser.Selected.Net;
    state.Nets.DeleteNet(net);
    ForgetDeletedNet(state, net);
    state.MarkChanged();
    Reselect(state, browser, 0);
    return {};
  });
}

bool BrowserCopySection(const AppState& state, NetsBrowserState& browser) {
  if (!RowOfKind(state, browser, BrowserRowKind::Section)) return false;
  browser.Copy.CopiedSectionIndex = static_cast<uint16_t>(browser.SelectedRow);
  browser.Copy.CopiedNetIndex = static_cast<uint16_t>(browser.Selected.Net);
  return true;
}

Outcome BrowserPasteSection(AppState& state, NetsBrowserState& browser) {
  return RecordStep(state, "вставка звена", [&]() -> Outcome {
    if (!RowOfKind(state, browser, BrowserRowKind::Section)) return {};
    const int32_t net = browser.Selected.Net;
    const int32_t section = browser.SelectedRow;
    const int32_t sourceNet = browser.Copy.CopiedNetIndex;
    const int32_t sourceSection = browser.Copy.CopiedSectionIndex;
    if (!SectionExists(state.Nets, sourceNet, sourceSection)) {
      return Outcome::Refusal("Звено не вставлено: скопированного звена больше нет. Скопируйте звено снова.");
    }
    if (sourceNet == net && sourceSection == section) return {};
    const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
    state.Nets.CopySection(net, section, sourceNet, sourceSection);
    ForgetReplacedSection(state, net, section);
    state.MarkChanged();
    Reselect(state, browser, absolute);
    return {};
  });
}

Outcome BrowserDeleteSection(AppState& state, NetsBrowserState& browser) {
  return RecordStep(state, "удаление звена", [&]() -> Outcome {
    if (!RowOfKind(state, browser, BrowserRowKind::Section)) return {};
    const int32_t net = browser.Selected.Net;
    const int32_t section = browser.SelectedRow;
    const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
    state.Nets.NetAt(net).DeleteSection(static_cast<uint16_t>(section));
    ForgetDeletedSection(state, net, section);
    state.MarkChanged();
    Reselect(state, browser, absolute);
    return {};
  });
}

bool BrowserCopyRun(const AppState& state, NetsBrowserState& browser) {
  if (!RowOfKind(state, browser, BrowserRowKind::Run)) return false;
  browser.Copy.CopiedRunIndex = static_cast<uint16_t>(browser.SelectedRow);
  browser.Copy.CopiedSectionIndex = static_cast<uint16_t>(browser.Selected.Section);
  browser.Copy.CopiedNetIndex = static_cast<uint16_t>(browser.Selected.Net);
  return true;
}

Outcome BrowserPasteRun(AppState& state, NetsBrowserState& browser) {
  return RecordStep(state, "вставка хода", [&]() -> Outcome {
    if (!RowOfKind(state, browser, BrowserRowKind::Run)) return {};
    const BrowserNode node = browser.Selected;
    const int32_t run = browser.SelectedRow;
    const CopyBuffer& copy = browser.Copy;
    if (!RunExists(state.Nets, copy.CopiedNetIndex, copy.CopiedSectionIndex, copy.CopiedRunIndex)) {
      return Outcome::Refusal("Штатив не вставлен: скопированного штатива больше нет. Скопируйте штатив снова.");
    }
    if (copy.CopiedNetIndex == node.Net && copy.CopiedSectionIndex == node.Section && copy.CopiedRunIndex == run)
      return {};
    const int32_t absolute = AbsoluteIndex(state.Nets, node);
    state.Nets.CopyRun(node.Net, node.Section, run, copy.CopiedNetIndex, copy.CopiedSectionIndex, copy.CopiedRunIndex);
    state.MarkChanged();
    Reselect(state, browser, absolute);
    return {};
  });
}

Outcome BrowserDeleteRun(AppState& state, NetsBrowserState& browser) {
  return RecordStep(state, "удаление хода", [&]() -> Outcome {
    const std::optional<BrowserRowKind> kind = SelectedRowKind(state, browser);
    if (!browser.Selected.IsSection() || !kind) return {};
    if (kind == BrowserRowKind::Pendent) {
      return Outcome::Warning("Висячая точка удаляется командой «Удалить висячую точку» меню «Висячка».");
    }
    TKorNetDetailTable& table = SelectedTable(state, browser);
    if (table.RunCount() <= 1) {
      return Outcome::Warning(kOnlyRunMessage);
    }
    const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
    if (Outcome refused = table.DeleteRun(static_cast<uint16_t>(browser.SelectedRow)); !refused) return refused;
    state.Nets.NetAt(browser.Selected.Net).UpdateSectionSummary(static_cast<uint16_t>(browser.Selected.Section));
    state.MarkChanged();
    Reselect(state, browser, absolute);
    return {};
  });
}

Outcome BrowserDeletePendentRun(AppState& state, NetsBrowserState& browser) {
  return RecordStep(state, "удаление висячей точки", [&]() -> Outcome {
    if (!browser.Selected.IsSection() || !RowOfKind(state, browser, BrowserRowKind::Pendent)) return {};
    TKorNetDetailTable& table = SelectedTable(state, browser);
    const int32_t absolute = AbsoluteIndex(state.Nets, browser.Selected);
    if (Outcome refused = table.DeletePendentRun(static_cast<uint16_t>(browser.SelectedRow - table.RunCount()));
        !refused)
      return refused;
    state.MarkChanged();
    Reselect(state, browser, absolute);
    return {};
  });
}

}  // namespace korvado
