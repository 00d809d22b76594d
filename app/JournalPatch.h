#pragma once
// What one step changed in the journal: the changed part of each of its lists.

#include <optional>
#include <string>
#include <vector>

#include "KorData.h"
#include "ListSlice.h"

namespace korvado {

class JournalPatch {
 public:
  // None when after holds the same journal as before.
  static std::optional<JournalPatch> Between(const TKorData& before, const TKorData& after);

  void Undo(TKorData& journal) const { Apply(journal, true); }
  void Redo(TKorData& journal) const { Apply(journal, false); }
  size_t Bytes() const;

 private:
  template <class T>
  struct Entry {
    size_t list;
    ListSlice<T> slice;
  };
  void Apply(TKorData& journal, bool undo) const;

  std::vector<Entry<std::string>> strings_;
  std::vector<Entry<double>> doubles_;
  std::vector<Entry<int32_t>> ints_;
  bool techBefore_ = false;
  bool techAfter_ = false;
};

}  // namespace korvado
