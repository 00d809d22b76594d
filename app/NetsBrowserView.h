#pragma once
// What the nets browser (TNetsBrowser) shows: the tree of nets and sections,
// the list of the selected node's contents, the captions and which commands
// apply. The browser's own state (selection, copy buffer) lives in a
// NetsBrowserState that the caller keeps for the whole run of the program.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "AppState.h"
#include "NodeIcons.h"

namespace korvado {

inline constexpr const char* kBrowserCaption = "Броузер сетей";
inline constexpr const char* kSectionNumberColumn = "№ звена";
inline constexpr const char* kRunNumberColumn = "№ штатива";
inline constexpr const char* kListColumns[] = {"Задняя точка", "Передняя точка", "Число штативов", "Превышение",
                                               "№ записи"};

// A tree node: a net (Section < 0) or a section of a net; no node when Net < 0.
struct BrowserNode {
  int32_t Net = -1;
  int32_t Section = -1;
  bool IsNet() const { return Net >= 0 && Section < 0; }
  bool IsSection() const { return Net >= 0 && Section >= 0; }
  bool operator==(const BrowserNode&) const = default;
};

// Positions, not data: a paste copies whatever stands there at the moment.
struct CopyBuffer {
  uint16_t CopiedNetIndex = 0;
  uint16_t CopiedSectionIndex = 0;
  uint16_t CopiedRunIndex = 0;
};

struct NetsBrowserState {
  CopyBuffer Copy;
  BrowserNode Selected;
  int32_t SelectedRow = -1;  // the selected row of the list, from 0
  // Both captions keep their last text until a node is selected again.
  std::string Caption = kBrowserCaption;
  std::string FirstColumnCaption = kSectionNumberColumn;
};

struct TreeNodeView {
  std::string Text;
  int32_t Icon = kNetIcon;
  BrowserNode Node;
};

enum class BrowserRowKind { Section, Run, Pendent };

struct BrowserRow {
  BrowserRowKind Kind = BrowserRowKind::Section;
  std::string Number;
  int32_t NumberIcon = kSectionIcon;
  std::string BackPoint;
  int32_t BackIcon = 0;
  std::string ForePoint;
  int32_t ForeIcon = 0;
  std::string SetupsText;  // general number format
  std::string HeightText;  // two decimals
  std::string IndexText;   // the JournalRef; empty for a section
};

struct BrowserActions {
  bool AddNet = true;
  bool RenameNet = false;
  bool CopyNet = false;
  bool PasteNet = false;
  bool DelNet = false;
  bool CopySec = false;
  bool PasteSec = false;
  bool DelSection = false;
  bool CopyDetSec = false;
  bool PasteDetSec = false;
  bool DelDetSection = false;
  bool AddPendentPoint = false;
  bool DelPendentPoint = false;
  bool NetsLevel = false;
};

// The items of the net selectors, entry i naming net i.
std::vector<std::string> NetNames(const TNetList& nets);

// Every node in tree order, so that a node's place in the vector is its absolute index.
std::vector<TreeNodeView> NetsTreeNodes(const TNetList& nets);
// -1 for a node that does not exist.
int32_t AbsoluteIndex(const TNetList& nets, BrowserNode node);
// No node past the end of the tree.
BrowserNode NodeAtAbsoluteIndex(const TNetList& nets, int32_t absolute);
bool NodeExists(const TNetList& nets, BrowserNode node);

// FormShow: the tree is filled and no node is selected.
void ShowBrowser(NetsBrowserState& browser);
// NetsTreeChange: a node that does not exist selects nothing.
void SelectNode(const AppState& state, NetsBrowserState& browser, BrowserNode node);
// A row outside the list selects none.
void SelectRow(const AppState& state, NetsBrowserState& browser, int32_t row);

std::vector<BrowserRow> BrowserRows(const AppState& state, const NetsBrowserState& browser);
// The kind of the selected row, none when no row is selected.
std::optional<BrowserRowKind> SelectedRowKind(const AppState& state, const NetsBrowserState& browser);
// Each command applies at its own level only.
BrowserActions EnabledActions(const AppState& state, const NetsBrowserState& browser);

// Double click or Enter on a section row at the net level opens that section.
bool OpenSelectedRow(const AppState& state, NetsBrowserState& browser);
// acNetsLevel: from a section up to its net.
bool GoToNetLevel(const AppState& state, NetsBrowserState& browser);
// ComboBox1Click: the user picked net `net` in the browser's selector.
bool PickNetInSelector(const AppState& state, NetsBrowserState& browser, int32_t net);

}  // namespace korvado
