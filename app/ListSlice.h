#pragma once
// The part of a list that one step changed: the items between the longest
// common head and the longest common tail, before and after. An edit keeps a
// few items, an insert or a delete only the items it adds or removes, so the
// history of the largest journal stays small.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace korvado {

template <class T>
struct ListSlice {
  int32_t At = 0;
  std::vector<T> Before;
  std::vector<T> After;

  size_t Bytes() const { return (Before.capacity() + After.capacity()) * sizeof(T); }
};

// Heights may hold any bit pattern a file brings in, NaN among them; a step is
// a change of the stored bits, so doubles compare as bits.
inline bool SameItem(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
template <class T>
bool SameItem(const T& a, const T& b) {
  return a == b;
}

template <class T>
std::optional<ListSlice<T>> DiffItems(const std::vector<T>& before, const std::vector<T>& after) {
  const size_t shorter = std::min(before.size(), after.size());
  size_t head = 0;
  while (head < shorter && SameItem(before[head], after[head])) ++head;
  if (head == before.size() && head == after.size()) return std::nullopt;
  size_t tail = 0;
  while (tail < shorter - head && SameItem(before[before.size() - 1 - tail], after[after.size() - 1 - tail])) ++tail;
  ListSlice<T> slice;
  slice.At = static_cast<int32_t>(head);
  slice.Before.assign(before.begin() + head, before.end() - tail);
  slice.After.assign(after.begin() + head, after.end() - tail);
  return slice;
}

// Puts back the items before the step (undo) or after it (redo).
template <class List, class T>
void ApplySlice(List& list, const ListSlice<T>& slice, bool undo) {
  const std::vector<T>& from = undo ? slice.After : slice.Before;
  const std::vector<T>& to = undo ? slice.Before : slice.After;
  list.ReplaceRange(slice.At, static_cast<int32_t>(from.size()), to);
}

}  // namespace korvado
