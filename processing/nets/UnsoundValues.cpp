#include "UnsoundValues.h"

#include "ControlChars.h"
#include "SectionCaption.h"
#include "ValueRanges.h"

namespace korvado {

namespace {

// The place is named only when a value is found: the check runs before every
// computation and must stay cheap on a clean journal of 65 535 records.
class Finder {
 public:
  explicit Finder(std::vector<std::string>& found) : found_(found) {}
  template <class Place>
  void Check(ValueKind kind, double value, const Place& place) {
    if (IsSaneValue(kind, value)) return;
    found_.push_back(place() + " — " + ValueFault(kind, value));
  }
  template <class Place>
  void CheckName(const std::string& name, const Place& place) {
    if (HasControlChar(name)) found_.push_back(place() + " «" + WithoutControlChars(name) + "» — управляющий символ");
  }

 private:
  std::vector<std::string>& found_;
};

std::string RecordPlace(const TKorData& journal, int32_t i) {
  return "журнал, запись № " + std::to_string(i + 1) + " (" + WithoutControlChars(journal.BackPoints[i]) + " --> " +
         WithoutControlChars(journal.ForePoints[i]) + ")";
}

std::string SetupPlace(const TKorData& journal, int32_t i, int32_t setup) {
  return RecordPlace(journal, i) + ", штатив " + std::to_string(setup + 1);
}

std::string SectionPlace(const TKorNet& net, int32_t s) {
  return "сеть «" + WithoutControlChars(net.Name) + "», звено " + WithoutControlChars(SectionCaption(net, s));
}

template <class Visit>
void ForEachSetup(const TKorData& journal, int32_t i, Visit&& visit) {
  const int32_t first = journal.FirstSetup.GetItem(i);
  const int32_t last = journal.LastSetup.GetItem(i);
  for (int32_t s = first; s <= last && s >= 0 && s < journal.SetupTotal(); ++s) visit(s, s - first);
}

void CheckSetups(const TKorData& journal, int32_t i, Finder& finder) {
  ForEachSetup(journal, i, [&](int32_t s, int32_t k) {
    const auto place = [&](const char* what) {
      return [&journal, i, k, what] { return SetupPlace(journal, i, k) + ": " + what; };
    };
    finder.Check(ValueKind::Reading, journal.BackMainReading.GetItem(s), place("задний отсчет по основной шкале"));
    finder.Check(ValueKind::Reading, journal.ForeMainReading.GetItem(s), place("передний отсчет по основной шкале"));
    finder.Check(ValueKind::Reading, journal.BackAuxReading.GetItem(s), place("задний отсчет по дополнительной шкале"));
    finder.Check(ValueKind::Reading, journal.ForeAuxReading.GetItem(s),
                 place("передний отсчет по дополнительной шкале"));
    finder.Check(ValueKind::Height, journal.SetupHeightDiffs.GetItem(s), place("превышение на штативе"));
  });
}

void CheckSection(const TKorNet& net, int32_t s, Finder& finder) {
  const auto section = [&net, s] { return SectionPlace(net, s); };
  finder.Check(ValueKind::Height, net.SectionHeights.GetItem(s), [&] { return section() + ": превышение"; });
  finder.Check(ValueKind::Setups, net.SectionSetups.GetItem(s), [&] { return section() + ": число штативов"; });
  if (s >= net.SectionTables.Count()) return;
  const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
  for (int32_t j = 0; j < table.RunCount(); ++j) {
    const auto run = [&, j] {
      return section() + ", штатив " + WithoutControlChars(table.RunBackPoints[j]) + " --> " +
             WithoutControlChars(table.RunForePoints[j]);
    };
    finder.Check(ValueKind::Height, table.RunHeights.GetItem(j), [&] { return run() + ": превышение"; });
    finder.Check(ValueKind::Setups, table.RunSetups.GetItem(j), [&] { return run() + ": число штативов"; });
  }
  for (int32_t j = 0; j < table.PendentCount(); ++j)
    finder.Check(ValueKind::Height, table.PendentHeights.GetItem(j), [&] {
      return section() + ", висячая точка " + WithoutControlChars(table.PendentForePoints[j]) + ": превышение";
    });
}

void CheckJournalNames(const TKorData& journal, Finder& finder) {
  for (int32_t i = 0; i < journal.RecordCount(); ++i) {
    const auto record = [&journal, i](const char* what) {
      return [&journal, i, what] { return "журнал, запись № " + std::to_string(i + 1) + ": " + what; };
    };
    finder.CheckName(journal.BackPoints[i], record("задняя точка"));
    finder.CheckName(journal.ForePoints[i], record("передняя точка"));
    finder.CheckName(journal.Notes[i], record("примечание"));
    ForEachSetup(journal, i, [&](int32_t s, int32_t k) {
      const auto setup = [&journal, i, k](const char* what) {
        return [&journal, i, k, what] {
          return "журнал, запись № " + std::to_string(i + 1) + ", штатив " + std::to_string(k + 1) + ": " + what;
        };
      };
      finder.CheckName(journal.SetupBackPoints[s], setup("задняя точка"));
      finder.CheckName(journal.SetupForePoints[s], setup("передняя точка"));
      finder.CheckName(journal.SetupNotes[s], setup("примечание"));
    });
  }
}

void CheckNetNames(const TKorNet& net, int32_t n, Finder& finder) {
  const auto netPlace = [n] { return "сеть № " + std::to_string(n + 1); };
  finder.CheckName(net.Name, [&] { return netPlace() + ": имя сети"; });
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const auto section = [&, s] { return netPlace() + ", звено " + std::to_string(s + 1); };
    finder.CheckName(net.SectionStarts[s], [&] { return section() + ": начало"; });
    finder.CheckName(net.SectionEnds[s], [&] { return section() + ": конец"; });
    if (s >= net.SectionTables.Count()) continue;
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    for (int32_t j = 0; j < table.RunCount(); ++j) {
      finder.CheckName(table.RunBackPoints[j],
                       [&] { return section() + ", штатив " + std::to_string(j + 1) + ": начало"; });
      finder.CheckName(table.RunForePoints[j],
                       [&] { return section() + ", штатив " + std::to_string(j + 1) + ": конец"; });
    }
    for (int32_t j = 0; j < table.PendentCount(); ++j) {
      finder.CheckName(table.PendentBackPoints[j],
                       [&] { return section() + ", висячая точка " + std::to_string(j + 1) + ": точка привязки"; });
      finder.CheckName(table.PendentForePoints[j],
                       [&] { return section() + ", висячая точка " + std::to_string(j + 1) + ": имя"; });
    }
  }
  for (int32_t p = 0; p < net.PointCount(); ++p)
    finder.CheckName(net.PointNames[p], [&] { return netPlace() + ", точка № " + std::to_string(p + 1) + ":"; });
}

}  // namespace

std::vector<std::string> UnsoundJournalValues(const TKorData& journal) {
  std::vector<std::string> found;
  Finder finder(found);
  for (int32_t i = 0; i < journal.RecordCount(); ++i) {
    finder.Check(ValueKind::Height, journal.HeightDiffs.GetItem(i),
                 [&] { return RecordPlace(journal, i) + ": превышение"; });
    CheckSetups(journal, i, finder);
  }
  return found;
}

std::vector<std::string> UnsoundNetValues(const TKorNet& net) {
  std::vector<std::string> found;
  Finder finder(found);
  for (int32_t s = 0; s < net.SectionCount(); ++s) CheckSection(net, s, finder);
  for (int32_t p = 0; p < net.PointCount(); ++p)
    finder.Check(ValueKind::Height, net.PointElevations.GetItem(p), [&] {
      return "сеть «" + WithoutControlChars(net.Name) + "», точка «" + WithoutControlChars(net.PointNames[p]) +
             "»: отметка";
    });
  return found;
}

std::vector<std::string> UnsoundValues(const TKorData& journal, const TNetList& nets) {
  std::vector<std::string> found = UnsoundJournalValues(journal);
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    const std::vector<std::string> net = UnsoundNetValues(nets.NetAt(n));
    found.insert(found.end(), net.begin(), net.end());
  }
  return found;
}

std::vector<std::string> NamesWithControlChars(const TKorData& journal, const TNetList& nets) {
  std::vector<std::string> found;
  Finder finder(found);
  CheckJournalNames(journal, finder);
  for (int32_t n = 0; n < nets.NetCount(); ++n) CheckNetNames(nets.NetAt(n), n, finder);
  return found;
}

Outcome UnsoundValueRefusal(const std::vector<std::string>& places) {
  if (places.empty()) return {};
  return Outcome::Refusal("Значение не годится для вычислений: " + places.front() +
                          ". Исправьте его и повторите команду.");
}

Outcome RefuseUnsoundNet(const TKorNet& net) { return UnsoundValueRefusal(UnsoundNetValues(net)); }

}  // namespace korvado
