#pragma once
// One cell of any kind of column (strings, values, reference entries) read,
// written, appended or erased alike, so that the row views of the nets can
// treat a row's columns in one loop. Each keeps its column's own index rules.

#include <cstdint>
#include <string>
#include <vector>

#include "KorData.h"
#include "ListClasses.h"

namespace korvado {

inline const std::string& CellAt(const StringList& column, int32_t i) { return column[i]; }
template <class T>
T CellAt(const ValueList<T>& column, int32_t i) {
  return column.GetItem(i);
}
inline std::vector<int32_t> CellAt(const TIndexLists& column, int32_t i) { return column.ListAt(i).Items(); }

inline void SetCell(StringList& column, int32_t i, const std::string& value) { column.Set(i, value); }
template <class T>
void SetCell(ValueList<T>& column, int32_t i, T value) {
  column.SetItem(i, value);
}
// The entry keeps its list: shortened from the front, lengthened with zeros, then overwritten.
inline void SetCell(TIndexLists& column, int32_t i, const std::vector<int32_t>& values) {
  TIntList& entry = column.ListAt(i);
  const auto n = static_cast<int32_t>(values.size());
  while (entry.Count() > n) entry.Delete(0);
  while (entry.Count() < n) entry.Add(0);
  for (int32_t k = 0; k < n; ++k) entry.SetItem(k, values[k]);
}

inline void AppendCell(StringList& column, const std::string& value) { column.Add(value); }
template <class T>
void AppendCell(ValueList<T>& column, T value) {
  column.Add(value);
}
inline void AppendCell(TIndexLists& column, const std::vector<int32_t>& values) {
  SetCell(column, column.AddNew(0), values);
}

inline void EraseCell(StringList& column, int32_t i) { column.Delete(i); }
template <class T>
void EraseCell(ValueList<T>& column, int32_t i) {
  column.Delete(i);
}
inline void EraseCell(TIndexLists& column, int32_t i) { column.DeleteAt(i); }

// A row view over the columns that Columns::Visit lists, in that order: a
// failing index stops at the first column that refuses it.
template <class Columns, class Table>
typename Columns::Row RowAt(const Table& table, int32_t i) {
  typename Columns::Row row;
  Columns::Visit(table, [&](const auto& column, auto member) { row.*member = CellAt(column, i); });
  return row;
}

template <class Columns, class Table>
void SetRow(Table& table, int32_t i, const typename Columns::Row& row) {
  Columns::Visit(table, [&](auto& column, auto member) { SetCell(column, i, row.*member); });
}

template <class Columns, class Table>
void AppendRow(Table& table, const typename Columns::Row& row) {
  Columns::Visit(table, [&](auto& column, auto member) { AppendCell(column, row.*member); });
}

template <class Columns, class Table>
void EraseRow(Table& table, int32_t i) {
  Columns::Visit(table, [&](auto& column, auto) { EraseCell(column, i); });
}

}  // namespace korvado
