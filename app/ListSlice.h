#pragma once
// The part of a column that one step changed: the cells between the longest
// common head and the longest common tail, before and after. An edit keeps a
// few cells, an insert or a delete only the cells it adds or removes, so the
// history of the largest journal or net stays small.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "ColumnCells.h"
#include "HeldBytes.h"

namespace korvado {

template <class T>
struct ListSlice {
  int32_t At = 0;
  std::vector<T> Before;
  std::vector<T> After;

  size_t Bytes() const { return HeldBytes(Before) + HeldBytes(After); }
};

// Heights may hold any bit pattern a file brings in, NaN among them; a step is
// a change of the stored bits, so doubles compare as bits.
inline bool SameItem(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
template <class T>
bool SameItem(const T& a, const T& b) {
  return a == b;
}

template <class T>
bool SameCell(const ValueList<T>& a, int32_t i, const ValueList<T>& b, int32_t j) {
  return SameItem(a.Items()[i], b.Items()[j]);
}
inline bool SameCell(const StringList& a, int32_t i, const StringList& b, int32_t j) {
  return a.Items()[i] == b.Items()[j];
}
inline bool SameCell(const TIndexLists& a, int32_t i, const TIndexLists& b, int32_t j) {
  return a.ListAt(i) == b.ListAt(j);
}

// What one cell of a column holds as a value.
template <class Column>
using CellOf = std::decay_t<decltype(CellAt(std::declval<const Column&>(), 0))>;

// None when the two columns hold the same cells.
template <class Column>
std::optional<ListSlice<CellOf<Column>>> DiffColumn(const Column& before, const Column& after) {
  const int32_t nBefore = before.Count();
  const int32_t nAfter = after.Count();
  const int32_t shorter = std::min(nBefore, nAfter);
  int32_t head = 0;
  while (head < shorter && SameCell(before, head, after, head)) ++head;
  if (head == nBefore && head == nAfter) return std::nullopt;
  int32_t tail = 0;
  while (tail < shorter - head && SameCell(before, nBefore - 1 - tail, after, nAfter - 1 - tail)) ++tail;
  ListSlice<CellOf<Column>> slice;
  slice.At = head;
  for (int32_t i = head; i < nBefore - tail; ++i) slice.Before.push_back(CellAt(before, i));
  for (int32_t i = head; i < nAfter - tail; ++i) slice.After.push_back(CellAt(after, i));
  slice.Before.shrink_to_fit();
  slice.After.shrink_to_fit();
  return slice;
}

// Puts back the cells before the step (undo) or after it (redo).
template <class Column, class T>
void ApplySlice(Column& column, const ListSlice<T>& slice, bool undo) {
  const std::vector<T>& from = undo ? slice.After : slice.Before;
  const std::vector<T>& to = undo ? slice.Before : slice.After;
  column.ReplaceRange(slice.At, static_cast<int32_t>(from.size()), to);
}

}  // namespace korvado
