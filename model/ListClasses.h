#pragma once
// Value lists that forgive an index at or past the end (the operation is
// skipped and a read returns -1) but not a negative one.

#include <cstdint>
#include <string>
#include <vector>

#include "ModelErrors.h"

namespace korvado {

template <class T>
class ValueList {
 public:
  int32_t Add(T value) {
    items_.push_back(value);
    return Count() - 1;
  }
  void Insert(int32_t index, T value) {
    if (Accepts(index)) items_.insert(items_.begin() + index, value);
  }
  void SetItem(int32_t index, T value) {
    if (Accepts(index)) items_[index] = value;
  }
  T GetItem(int32_t index) const { return Accepts(index) ? items_[index] : T(-1); }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  void Clear() { items_.clear(); }
  void Delete(int32_t index) {
    if (Accepts(index)) items_.erase(items_.begin() + index);
  }

  // Bulk edits for the journal's setup columns; the caller guarantees the range.
  void InsertRange(int32_t at, int32_t n, T value) { items_.insert(items_.begin() + at, n, value); }
  // Room for n items without regrowth, for the reader of a large file.
  void Reserve(int32_t n) { items_.reserve(static_cast<size_t>(n)); }
  void DeleteRange(int32_t at, int32_t n) { items_.erase(items_.begin() + at, items_.begin() + at + n); }
  // Items at .. at + n - 1 become the items of with (of any length).
  void ReplaceRange(int32_t at, int32_t n, const std::vector<T>& with) {
    items_.erase(items_.begin() + at, items_.begin() + at + n);
    items_.insert(items_.begin() + at, with.begin(), with.end());
  }

  const std::vector<T>& Items() const { return items_; }
  bool operator==(const ValueList&) const = default;

 private:
  // Only "index < Count" is tested; a negative index reaches the storage and fails there.
  bool Accepts(int32_t index) const {
    if (index < 0) throw ListIndexError(index);
    return index < Count();
  }
  std::vector<T> items_;
};

using TIntList = ValueList<int32_t>;
using TDoubleList = ValueList<double>;

// A list of strings: every index outside 0 .. Count - 1 is an error.
class StringList {
 public:
  int32_t Add(std::string value) {
    items_.push_back(std::move(value));
    return Count() - 1;
  }
  // index == Count appends.
  void Insert(int32_t index, std::string value) {
    if (index < 0 || index > Count()) throw ListIndexError(index);
    items_.insert(items_.begin() + index, std::move(value));
  }
  const std::string& Get(int32_t index) const { return items_[Checked(index)]; }
  void Set(int32_t index, std::string value) { items_[Checked(index)] = std::move(value); }
  const std::string& operator[](int32_t index) const { return Get(index); }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  void Clear() { items_.clear(); }
  void Delete(int32_t index) { items_.erase(items_.begin() + Checked(index)); }

  void InsertRange(int32_t at, int32_t n, const std::string& value) { items_.insert(items_.begin() + at, n, value); }
  void Reserve(int32_t n) { items_.reserve(static_cast<size_t>(n)); }
  void DeleteRange(int32_t at, int32_t n) { items_.erase(items_.begin() + at, items_.begin() + at + n); }
  void ReplaceRange(int32_t at, int32_t n, const std::vector<std::string>& with) {
    items_.erase(items_.begin() + at, items_.begin() + at + n);
    items_.insert(items_.begin() + at, with.begin(), with.end());
  }

  const std::vector<std::string>& Items() const { return items_; }
  bool operator==(const StringList&) const = default;

 private:
  int32_t Checked(int32_t index) const {
    if (index < 0 || index >= Count()) throw ListIndexError(index);
    return index;
  }
  std::vector<std::string> items_;
};

}  // namespace korvado
