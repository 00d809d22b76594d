#include "NetUpdate.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "EquivalentRun.h"
#include "SectionCaption.h"

namespace korvado {

namespace {

constexpr const char* kUpdateTitle = "Обновление данных сети";
constexpr const char* kZeroRefMessage = "Нулевое значение индекса";

struct JournalRun {
  std::string back;
  std::string fore;
  double setups = 0.0;
  double height = 0.0;
};

// One run or pendent run to be overwritten, found before anything is written.
struct PlannedRun {
  TKorNetDetailTable* table;
  int32_t row;
  bool pendent;
  JournalRun values;
};

enum class RefCheck { Usable, Zero, Missing };

RefCheck CheckRefs(const TIntList& refs, const TKorData& journal) {
  if (refs.Count() == 0) return RefCheck::Zero;
  for (int32_t ref : refs.Items()) {
    if (ref == 0) return RefCheck::Zero;
    if (JournalRefRecord(ref) >= journal.RecordCount()) return RefCheck::Missing;
  }
  return RefCheck::Usable;
}

JournalRun Oriented(const TKorData& journal, int32_t ref) {
  const int32_t e = JournalRefRecord(ref);
  const double height = journal.HeightDiffs.GetItem(e);
  const double setups = journal.SetupCounts.GetItem(e);
  if (JournalRefReversed(ref)) return {journal.ForePoints[e], journal.BackPoints[e], setups, -height};
  return {journal.BackPoints[e], journal.ForePoints[e], setups, height};
}

// The names come from the first reference, the run the net was built from.
std::optional<JournalRun> Merged(const TKorData& journal, const TIntList& refs) {
  JournalRun run = Oriented(journal, refs.GetItem(0));
  std::vector<RunObservation> observations;
  for (int32_t ref : refs.Items()) {
    const JournalRun one = Oriented(journal, ref);
    observations.push_back({one.height, one.setups});
  }
  const std::optional<EquivalentRun> merged = MergeRuns(observations);
  if (!merged) return std::nullopt;
  run.setups = merged->setups;
  run.height = merged->height;
  return run;
}

bool Store(StringList& list, int32_t k, const std::string& value) {
  if (list[k] == value) return false;
  list.Set(k, value);
  return true;
}

template <class List, class Value>
bool StoreItem(List& list, int32_t k, Value value) {
  if (list.GetItem(k) == value) return false;
  list.SetItem(k, value);
  return true;
}

bool Apply(const PlannedRun& plan) {
  TKorNetDetailTable& t = *plan.table;
  const JournalRun& v = plan.values;
  bool changed = false;
  if (plan.pendent) {
    changed |= Store(t.PendentBackPoints, plan.row, v.back);
    changed |= Store(t.PendentForePoints, plan.row, v.fore);
    changed |= StoreItem(t.PendentSetups, plan.row, static_cast<int32_t>(v.setups));
    changed |= StoreItem(t.PendentHeights, plan.row, v.height);
  } else {
    changed |= Store(t.RunBackPoints, plan.row, v.back);
    changed |= Store(t.RunForePoints, plan.row, v.fore);
    changed |= StoreItem(t.RunSetups, plan.row, v.setups);
    changed |= StoreItem(t.RunHeights, plan.row, v.height);
  }
  return changed;
}

struct SectionSummary {
  std::string start, end;
  int32_t startType, endType;
  double height, setups;
  bool operator==(const SectionSummary&) const = default;
};

SectionSummary SummaryOf(const TKorNet& net, int32_t s) {
  return {net.SectionStarts[s],
          net.SectionEnds[s],
          net.SectionStartTypes.GetItem(s),
          net.SectionEndTypes.GetItem(s),
          net.SectionHeights.GetItem(s),
          net.SectionSetups.GetItem(s)};
}

class UpdatePlanner {
 public:
  explicit UpdatePlanner(const TKorData& journal) : journal_(journal) {}

  void PlanSection(TKorNet& net, int32_t s) {
    TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    for (int32_t j = 0; j < table.RunCount(); ++j) {
      const std::optional<JournalRun> run = Resolve(table.RunRefs.ListAt(j), net, s, [] { return kZeroRefMessage; });
      if (run) plans_.push_back({&table, j, false, *run});
    }
    for (int32_t j = 0; j < table.PendentCount(); ++j) PlanPendentRun(table, j, net, s);
  }

  // Warnings in the order found; the skipped sections in one closing warning.
  Outcome Finish() {
    if (!skipped_.empty())
      outcome_.Warn(
          "Записи журнала, на которые ссылаются штативы, не найдены; эти штативы оставлены без изменений:" + skipped_,
          kUpdateTitle);
    return outcome_;
  }

  const std::vector<PlannedRun>& Plans() const { return plans_; }

 private:
  // Pendent runs are never merged: their first reference is the run.
  void PlanPendentRun(TKorNetDetailTable& table, int32_t j, const TKorNet& net, int32_t s) {
    TIntList first;
    if (table.PendentRefs.ListAt(j).Count() > 0) first.Add(table.PendentRefs.ListAt(j).GetItem(0));
    const std::optional<JournalRun> run = Resolve(first, net, s, [&] {
      return "Сеть «" + net.Name + "», звено " + SectionCaption(net, s) + ", висячая точка «" +
             table.PendentForePoints[j] +
             "»: ее запись журнала удалена, висячая точка оставлена без изменений. Удалите ее или добавьте заново.";
    });
    if (run) plans_.push_back({&table, j, true, *run});
  }

  template <class ZeroText>
  std::optional<JournalRun> Resolve(const TIntList& refs, const TKorNet& net, int32_t s, const ZeroText& zeroText) {
    switch (CheckRefs(refs, journal_)) {
      case RefCheck::Zero:
        outcome_.Warn(zeroText(), kUpdateTitle);
        return std::nullopt;
      case RefCheck::Missing:
        NoteSkipped(net, s);
        return std::nullopt;
      case RefCheck::Usable:
        break;
    }
    for (int32_t ref : refs.Items()) RefuseNonFinite(JournalRefRecord(ref));
    if (refs.Count() == 1) return Oriented(journal_, refs.GetItem(0));
    std::optional<JournalRun> run = Merged(journal_, refs);
    if (!run) NoteSkipped(net, s);
    return run;
  }

  void RefuseNonFinite(int32_t record) {
    if (std::isfinite(journal_.HeightDiffs.GetItem(record)) || outcome_.Refused()) return;
    outcome_.Refuse("Превышение записи журнала № " + std::to_string(record + 1) + " (" + journal_.BackPoints[record] +
                    " --> " + journal_.ForePoints[record] +
                    ") не является конечным числом. Исправьте запись; сети не обновлены.");
  }

  void NoteSkipped(const TKorNet& net, int32_t s) {
    // Sections are visited one after another, so a repeat is always the last one noted.
    if (lastNet_ == &net && lastSection_ == s) return;
    lastNet_ = &net;
    lastSection_ = s;
    skipped_ += "\nсеть «" + net.Name + "», звено " + SectionCaption(net, s);
  }

  const TKorData& journal_;
  std::vector<PlannedRun> plans_;
  Outcome outcome_;
  std::string skipped_;
  const TKorNet* lastNet_ = nullptr;
  int32_t lastSection_ = -1;
};

bool RefreshSummaries(TNetList& nets) {
  bool changed = false;
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    TKorNet& net = nets.NetAt(n);
    for (int32_t s = 0; s < net.SectionCount(); ++s) {
      if (net.SectionTables.TableAt(s).RunCount() == 0) continue;
      const SectionSummary before = SummaryOf(net, s);
      net.UpdateSectionSummary(static_cast<uint16_t>(s));
      changed |= !(SummaryOf(net, s) == before);
    }
  }
  return changed;
}

}  // namespace

Result<bool> RefreshNetsFromJournal(TNetList& nets, const TKorData& journal) {
  UpdatePlanner planner(journal);
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    TKorNet& net = nets.NetAt(n);
    for (int32_t s = 0; s < net.SectionCount(); ++s) planner.PlanSection(net, s);
  }
  const Outcome outcome = planner.Finish();
  if (outcome.Refused()) return Outcome::Refusal(outcome.RefusalText());
  bool changed = false;
  for (const PlannedRun& plan : planner.Plans()) changed |= Apply(plan);
  changed |= RefreshSummaries(nets);
  Result<bool> result(changed);
  result.Append(outcome);
  return result;
}

}  // namespace korvado
