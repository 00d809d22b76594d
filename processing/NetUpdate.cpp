#include "NetUpdate.h"

#include <optional>
#include <string>
#include <vector>

#include "EquivalentRun.h"
#include "MessageService.h"
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

class NetRefresher {
 public:
  explicit NetRefresher(const TKorData& journal) : journal_(journal) {}

  void RefreshSection(TKorNet& net, int32_t s) {
    TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    for (int32_t j = 0; j < table.RunCount(); ++j) {
      const std::optional<JournalRun> run = Resolve(table.RunRefs.ListAt(j), net, s);
      if (!run) continue;
      table.RunBackPoints.Set(j, run->back);
      table.RunForePoints.Set(j, run->fore);
      table.RunSetups.SetItem(j, run->setups);
      table.RunHeights.SetItem(j, run->height);
    }
    if (table.RunCount() > 0) net.UpdateSectionSummary(static_cast<uint16_t>(s));
    for (int32_t j = 0; j < table.PendentCount(); ++j) RefreshPendentRun(table, j, net, s);
  }

  void ReportSkipped() const {
    if (skipped_.empty()) return;
    ReportWarning("Записи журнала, на которые ссылаются штативы, не найдены; эти штативы оставлены без изменений:" +
                      skipped_,
                  kUpdateTitle);
  }

 private:
  // Pendent runs are never merged: their first reference is the run.
  void RefreshPendentRun(TKorNetDetailTable& table, int32_t j, const TKorNet& net, int32_t s) {
    TIntList first;
    if (table.PendentRefs.ListAt(j).Count() > 0) first.Add(table.PendentRefs.ListAt(j).GetItem(0));
    const std::optional<JournalRun> run = Resolve(first, net, s);
    if (!run) return;
    table.PendentBackPoints.Set(j, run->back);
    table.PendentForePoints.Set(j, run->fore);
    table.PendentSetups.SetItem(j, static_cast<int32_t>(run->setups));
    table.PendentHeights.SetItem(j, run->height);
  }

  std::optional<JournalRun> Resolve(const TIntList& refs, const TKorNet& net, int32_t s) {
    switch (CheckRefs(refs, journal_)) {
      case RefCheck::Zero:
        ReportWarning(kZeroRefMessage, kUpdateTitle);
        return std::nullopt;
      case RefCheck::Missing:
        NoteSkipped(net, s);
        return std::nullopt;
      case RefCheck::Usable:
        break;
    }
    if (refs.Count() == 1) return Oriented(journal_, refs.GetItem(0));
    std::optional<JournalRun> run = Merged(journal_, refs);
    if (!run) NoteSkipped(net, s);
    return run;
  }

  void NoteSkipped(const TKorNet& net, int32_t s) {
    // Sections are visited one after another, so a repeat is always the last one noted.
    if (lastNet_ == &net && lastSection_ == s) return;
    lastNet_ = &net;
    lastSection_ = s;
    skipped_ += "\nсеть «" + net.Name + "», звено " + SectionCaption(net, s);
  }

  const TKorData& journal_;
  std::string skipped_;
  const TKorNet* lastNet_ = nullptr;
  int32_t lastSection_ = -1;
};

}  // namespace

void RefreshNetsFromJournal(TNetList& nets, const TKorData& journal) {
  NetRefresher refresher(journal);
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    TKorNet& net = nets.NetAt(n);
    for (int32_t s = 0; s < net.SectionCount(); ++s) refresher.RefreshSection(net, s);
  }
  refresher.ReportSkipped();
}

}  // namespace korvado
