#pragma once
// What one step changed in a list of owned items (the nets, a net's detail
// tables): between the longest common head and tail, either a patch of each
// changed item when the step kept their number (an edit), or copies of the
// items taken out and put in (an item added, pasted or deleted).
//
// The list is reached through ItemCount, ItemAt and ReplaceItems; Patch offers
// Between, Undo, Redo and Bytes; ItemBytes(item) counts what a copy holds.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace korvado {

template <class Item, class Patch>
class ItemsPatch {
 public:
  template <class List>
  static std::optional<ItemsPatch> Between(const List& before, const List& after) {
    const int32_t nBefore = ItemCount(before);
    const int32_t nAfter = ItemCount(after);
    const int32_t shorter = std::min(nBefore, nAfter);
    int32_t head = 0;
    while (head < shorter && ItemAt(before, head) == ItemAt(after, head)) ++head;
    if (head == nBefore && head == nAfter) return std::nullopt;
    int32_t tail = 0;
    while (tail < shorter - head && ItemAt(before, nBefore - 1 - tail) == ItemAt(after, nAfter - 1 - tail)) ++tail;
    ItemsPatch patch;
    patch.at_ = head;
    if (nBefore == nAfter) {
      for (int32_t i = head; i < nBefore - tail; ++i)
        if (auto changed = Patch::Between(ItemAt(before, i), ItemAt(after, i)))
          patch.changed_.emplace_back(i, std::move(*changed));
    } else {
      for (int32_t i = head; i < nBefore - tail; ++i) patch.before_.push_back(ItemAt(before, i));
      for (int32_t i = head; i < nAfter - tail; ++i) patch.after_.push_back(ItemAt(after, i));
    }
    return patch;
  }

  template <class List>
  void Undo(List& list) const {
    for (const auto& [i, changed] : changed_) changed.Undo(ItemAt(list, i));
    if (before_.size() != after_.size()) ReplaceItems(list, at_, static_cast<int32_t>(after_.size()), before_);
  }
  template <class List>
  void Redo(List& list) const {
    for (const auto& [i, changed] : changed_) changed.Redo(ItemAt(list, i));
    if (before_.size() != after_.size()) ReplaceItems(list, at_, static_cast<int32_t>(before_.size()), after_);
  }

  size_t Bytes() const {
    size_t bytes = sizeof(*this) + changed_.capacity() * sizeof(changed_[0]) +
                   (before_.capacity() + after_.capacity()) * sizeof(Item);
    for (const auto& entry : changed_) bytes += entry.second.Bytes() - sizeof(Patch);
    for (const auto* side : {&before_, &after_})
      for (const Item& item : *side) bytes += ItemBytes(item);
    return bytes;
  }

 private:
  int32_t at_ = 0;
  std::vector<std::pair<int32_t, Patch>> changed_;
  std::vector<Item> before_;
  std::vector<Item> after_;
};

}  // namespace korvado
