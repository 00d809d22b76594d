#pragma once
// What one step changed in the journal: the changed part of each of its lists.

#include <optional>

#include "ColumnsPatch.h"
#include "KorData.h"

namespace korvado {

class JournalPatch {
 public:
  // None when after holds the same journal as before.
  static std::optional<JournalPatch> Between(const TKorData& before, const TKorData& after);

  void Undo(TKorData& journal) const;
  void Redo(TKorData& journal) const;
  size_t Bytes() const { return sizeof(*this) + (columns_ ? columns_->Bytes() : 0); }

 private:
  std::optional<ColumnsPatch> columns_;
  bool techBefore_ = false;
  bool techAfter_ = false;
};

}  // namespace korvado
