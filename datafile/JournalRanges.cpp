#include "JournalRanges.h"

#include <vector>

namespace korvado {

namespace {

std::string RecordText(int32_t record) { return "запись журнала " + std::to_string(record + 1); }

std::string RangeText(int32_t first, int32_t last) {
  return "штативы " + std::to_string(first + 1) + "–" + std::to_string(last + 1);
}

// Checks one record's range alone; empty when sound.
std::string FindRecordFault(const TKorData& journal, int32_t i) {
  const int32_t count = journal.SetupCounts.GetItem(i);
  const int32_t first = journal.FirstSetup.GetItem(i);
  const int32_t last = journal.LastSetup.GetItem(i);
  if (count < 1) return RecordText(i) + ": число штативов " + std::to_string(count);
  if (first < 0 || first > last) return RecordText(i) + ": неверный диапазон " + RangeText(first, last);
  if (last >= journal.SetupTotal())
    return RecordText(i) + ": " + RangeText(first, last) + " вне журнала из " + std::to_string(journal.SetupTotal()) +
           " штативов";
  if (last - first + 1 != count)
    return RecordText(i) + ": число штативов " + std::to_string(count) + " не совпадает с диапазоном " +
           RangeText(first, last);
  return {};
}

}  // namespace

std::string FindJournalRangeFault(const TKorData& journal) {
  std::vector<int32_t> owner(journal.SetupTotal(), -1);
  for (int32_t i = 0; i < journal.RecordCount(); ++i) {
    if (std::string fault = FindRecordFault(journal, i); !fault.empty()) return fault;
    for (int32_t s = journal.FirstSetup.GetItem(i); s <= journal.LastSetup.GetItem(i); ++s) {
      if (owner[s] >= 0)
        return "записи журнала " + std::to_string(owner[s] + 1) + " и " + std::to_string(i + 1) +
               " ссылаются на один и тот же штатив " + std::to_string(s + 1);
      owner[s] = i;
    }
  }
  for (size_t s = 0; s < owner.size(); ++s)
    if (owner[s] < 0) return "штатив " + std::to_string(s + 1) + " не принадлежит ни одной записи журнала";
  return {};
}

}  // namespace korvado
