#pragma once
// What one step changed in the nets: for a net it changed, its name and the
// changed slices of its section and point columns and of each changed detail
// table; a net or a section added or deleted is kept whole.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ColumnsPatch.h"
#include "ItemsPatch.h"
#include "KorNets.h"

namespace korvado {

// The changed columns of one section's detail table.
class TablePatch {
 public:
  static std::optional<TablePatch> Between(const TKorNetDetailTable& before, const TKorNetDetailTable& after);
  void Undo(TKorNetDetailTable& table) const;
  void Redo(TKorNetDetailTable& table) const;
  size_t Bytes() const { return sizeof(*this) + columns_.Bytes() - sizeof(columns_); }

 private:
  ColumnsPatch columns_;
};

class NetPatch {
 public:
  static std::optional<NetPatch> Between(const TKorNet& before, const TKorNet& after);
  void Undo(TKorNet& net) const { Apply(net, true); }
  void Redo(TKorNet& net) const { Apply(net, false); }
  size_t Bytes() const;

 private:
  void Apply(TKorNet& net, bool undo) const;

  std::optional<std::pair<std::string, std::string>> name_;
  std::optional<ColumnsPatch> columns_;
  std::optional<ItemsPatch<TKorNetDetailTable, TablePatch>> tables_;
};

using NetListPatch = ItemsPatch<TKorNet, NetPatch>;

// How the item patches reach the net list and a net's detail tables.
inline int32_t ItemCount(const TNetList& nets) { return nets.NetCount(); }
inline const TKorNet& ItemAt(const TNetList& nets, int32_t i) { return nets.NetAt(i); }
inline TKorNet& ItemAt(TNetList& nets, int32_t i) { return nets.NetAt(i); }
inline void ReplaceItems(TNetList& nets, int32_t at, int32_t n, const std::vector<TKorNet>& with) {
  nets.ReplaceRange(at, n, with);
}
inline int32_t ItemCount(const TKorNetDetailTableList& tables) { return tables.Count(); }
inline const TKorNetDetailTable& ItemAt(const TKorNetDetailTableList& tables, int32_t i) { return tables.TableAt(i); }
inline TKorNetDetailTable& ItemAt(TKorNetDetailTableList& tables, int32_t i) { return tables.TableAt(i); }
inline void ReplaceItems(TKorNetDetailTableList& tables, int32_t at, int32_t n,
                         const std::vector<TKorNetDetailTable>& with) {
  tables.ReplaceRange(at, n, with);
}
size_t ItemBytes(const TKorNet& net);
size_t ItemBytes(const TKorNetDetailTable& table);

}  // namespace korvado
