#pragma once
// The edit commands of the nets browser. Each acts only at its own level
// (a net node, a section row of a net, a run or pendent row of a section) and
// otherwise returns false without touching anything. After a change the tree
// is rebuilt and the node that stood at the same place is selected again.
//
// Commands that delete or replace nets and sections keep the main window's
// CurrentNetIndex and ActiveSectionIndex pointing at the same net and section,
// or clear them to -1, so that nothing is ever added through a stale position;
// the window then refills its net selector from NetNames and selects
// CurrentNetIndex.

#include <optional>
#include <string>

#include "AppState.h"
#include "NetsBrowserView.h"

namespace korvado {

inline constexpr const char* kNewNetCaption = "Новая сеть";
inline constexpr const char* kRenameNetCaption = "Переименовать сеть";
inline constexpr const char* kOnlyRunMessage = "Нельзя удалить единственный штатив в звене!";

// acAddNet after the name dialog's OK: the new net is selected.
Outcome BrowserAddNet(AppState& state, NetsBrowserState& browser, const std::string& name);
// acRenameNet: the name to preset in the dialog, none away from a net node.
std::optional<std::string> RenameNetPreset(const AppState& state, const NetsBrowserState& browser);
Outcome BrowserRenameNet(AppState& state, NetsBrowserState& browser, const std::string& name);

bool BrowserCopyNet(const AppState& state, NetsBrowserState& browser);
Outcome BrowserPasteNet(AppState& state, NetsBrowserState& browser);
Outcome BrowserDeleteNet(AppState& state, NetsBrowserState& browser);

bool BrowserCopySection(const AppState& state, NetsBrowserState& browser);
Outcome BrowserPasteSection(AppState& state, NetsBrowserState& browser);
Outcome BrowserDeleteSection(AppState& state, NetsBrowserState& browser);

bool BrowserCopyRun(const AppState& state, NetsBrowserState& browser);
Outcome BrowserPasteRun(AppState& state, NetsBrowserState& browser);
// acDelDetSection: a section keeps at least one run; pendent rows have their own command.
Outcome BrowserDeleteRun(AppState& state, NetsBrowserState& browser);
// "Уд&алить висячую точку": removes the selected pendent row.
Outcome BrowserDeletePendentRun(AppState& state, NetsBrowserState& browser);

}  // namespace korvado
