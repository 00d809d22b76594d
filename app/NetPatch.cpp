#include "NetPatch.h"

#include "HeldBytes.h"
#include "NetColumns.h"

namespace korvado {

namespace {

struct DetailColumns {
  template <class Table, class Visitor>
  static void Visit(Table& table, Visitor&& visit) {
    RunColumns::Visit(table, visit);
    PendentColumns::Visit(table, visit);
  }
};

// A net's own columns; its detail tables are patched one by one.
struct NetOwnColumns {
  template <class Net, class Visitor>
  static void Visit(Net& net, Visitor&& visit) {
    SectionColumns::Visit(net, visit);
    PointColumns::Visit(net, visit);
  }
};

template <class Columns, class Table>
size_t ColumnsBytes(const Table& table) {
  size_t bytes = 0;
  Columns::Visit(table, [&](const auto& column, auto&&...) { bytes += HeldBytes(column); });
  return bytes;
}

}  // namespace

std::optional<TablePatch> TablePatch::Between(const TKorNetDetailTable& before, const TKorNetDetailTable& after) {
  std::optional<ColumnsPatch> columns = ColumnsPatch::Between<DetailColumns>(before, after);
  if (!columns) return std::nullopt;
  TablePatch patch;
  patch.columns_ = std::move(*columns);
  return patch;
}

void TablePatch::Undo(TKorNetDetailTable& table) const { columns_.Undo<DetailColumns>(table); }
void TablePatch::Redo(TKorNetDetailTable& table) const { columns_.Redo<DetailColumns>(table); }

std::optional<NetPatch> NetPatch::Between(const TKorNet& before, const TKorNet& after) {
  NetPatch patch;
  if (before.Name != after.Name) patch.name_.emplace(before.Name, after.Name);
  patch.columns_ = ColumnsPatch::Between<NetOwnColumns>(before, after);
  patch.tables_ = ItemsPatch<TKorNetDetailTable, TablePatch>::Between(before.SectionTables, after.SectionTables);
  if (!patch.name_ && !patch.columns_ && !patch.tables_) return std::nullopt;
  return patch;
}

void NetPatch::Apply(TKorNet& net, bool undo) const {
  if (name_) net.Name = undo ? name_->first : name_->second;
  if (columns_ && undo) columns_->Undo<NetOwnColumns>(net);
  if (columns_ && !undo) columns_->Redo<NetOwnColumns>(net);
  if (tables_ && undo) tables_->Undo(net.SectionTables);
  if (tables_ && !undo) tables_->Redo(net.SectionTables);
}

size_t NetPatch::Bytes() const {
  size_t bytes = sizeof(*this);
  if (name_) bytes += HeldBytes(name_->first) + HeldBytes(name_->second);
  if (columns_) bytes += columns_->Bytes() - sizeof(ColumnsPatch);
  if (tables_) bytes += tables_->Bytes() - sizeof(*tables_);
  return bytes;
}

size_t ItemBytes(const TKorNetDetailTable& table) { return ColumnsBytes<DetailColumns>(table); }

size_t ItemBytes(const TKorNet& net) {
  size_t bytes = HeldBytes(net.Name) + ColumnsBytes<NetOwnColumns>(net);
  for (int32_t s = 0; s < net.SectionTables.Count(); ++s)
    bytes += sizeof(std::unique_ptr<TKorNetDetailTable>) + sizeof(TKorNetDetailTable) +
             ItemBytes(net.SectionTables.TableAt(s));
  return bytes;
}

}  // namespace korvado
