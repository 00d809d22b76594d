#pragma once
// The texts an operation reported, by kind, for comparing in tests.

#include <string>
#include <vector>

#include "Outcome.h"

namespace korvado {

inline std::vector<std::string> NoticeTexts(const Outcome& outcome, Notice::Kind kind) {
  std::vector<std::string> texts;
  for (const Notice& notice : outcome.Notices())
    if (notice.kind == kind) texts.push_back(notice.text);
  return texts;
}
inline std::vector<std::string> Warnings(const Outcome& outcome) { return NoticeTexts(outcome, Notice::Kind::Warning); }
inline std::vector<std::string> Refusals(const Outcome& outcome) { return NoticeTexts(outcome, Notice::Kind::Refusal); }
// Did nothing and said nothing: a command away from what it applies to.
inline bool Silent(const Outcome& outcome) { return outcome.Notices().empty(); }

}  // namespace korvado
