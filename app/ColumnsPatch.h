#pragma once
// What one step changed in a table of parallel columns (the journal, a net's
// section and point tables, a section's detail table): the changed slice of
// each changed column. Columns::Visit(table, visit) lists the table's columns,
// always in the same order; a column is known by its place in that order.

#include <cstddef>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "ListSlice.h"

namespace korvado {

class ColumnsPatch {
 public:
  // None when every column of after holds what the same column of before holds.
  template <class Columns, class Table>
  static std::optional<ColumnsPatch> Between(const Table& before, const Table& after) {
    std::vector<const void*> columnsBefore;
    Columns::Visit(before, [&](const auto& column, auto&&...) { columnsBefore.push_back(&column); });
    ColumnsPatch patch;
    size_t place = 0;
    Columns::Visit(after, [&](const auto& column, auto&&...) {
      using Column = std::decay_t<decltype(column)>;
      if (auto slice = DiffColumn(*static_cast<const Column*>(columnsBefore[place]), column))
        patch.Entries<CellOf<Column>>().push_back({place, std::move(*slice)});
      ++place;
    });
    if (patch.Empty()) return std::nullopt;
    return patch;
  }

  template <class Columns, class Table>
  void Undo(Table& table) const {
    Apply<Columns>(table, true);
  }
  template <class Columns, class Table>
  void Redo(Table& table) const {
    Apply<Columns>(table, false);
  }

  size_t Bytes() const {
    size_t bytes = sizeof(*this);
    std::apply([&](const auto&... kinds) { ((bytes += EntriesBytes(kinds)), ...); }, entries_);
    return bytes;
  }

 private:
  template <class T>
  struct Entry {
    size_t place;
    ListSlice<T> slice;
  };

  template <class Columns, class Table>
  void Apply(Table& table, bool undo) const {
    size_t place = 0;
    Columns::Visit(table, [&](auto& column, auto&&...) {
      using Column = std::decay_t<decltype(column)>;
      for (const auto& entry : Entries<CellOf<Column>>())
        if (entry.place == place) ApplySlice(column, entry.slice, undo);
      ++place;
    });
  }

  template <class T>
  std::vector<Entry<T>>& Entries() {
    return std::get<std::vector<Entry<T>>>(entries_);
  }
  template <class T>
  const std::vector<Entry<T>>& Entries() const {
    return std::get<std::vector<Entry<T>>>(entries_);
  }
  bool Empty() const {
    return std::apply([](const auto&... kinds) { return (kinds.empty() && ...); }, entries_);
  }
  template <class T>
  static size_t EntriesBytes(const std::vector<Entry<T>>& entries) {
    size_t bytes = entries.capacity() * sizeof(Entry<T>);
    for (const auto& entry : entries) bytes += entry.slice.Bytes();
    return bytes;
  }

  std::tuple<std::vector<Entry<std::string>>, std::vector<Entry<double>>, std::vector<Entry<int32_t>>,
             std::vector<Entry<std::vector<int32_t>>>>
      entries_;
};

}  // namespace korvado
