#include "NonFiniteValues.h"

#include <cmath>

#include "SectionCaption.h"

namespace korvado {

namespace {

std::string Kind(double value) {
  if (std::isnan(value)) return "не число";
  return value > 0 ? "плюс бесконечность" : "минус бесконечность";
}

// The place is named only when a value is found: the check runs before every
// computation and must stay cheap on a clean journal of 65 535 records.
class Finder {
 public:
  explicit Finder(std::vector<std::string>& found) : found_(found) {}
  template <class Place>
  void Check(double value, const Place& place) {
    if (!std::isfinite(value)) found_.push_back(place() + " — " + Kind(value));
  }

 private:
  std::vector<std::string>& found_;
};

std::string RecordPlace(const TKorData& journal, int32_t i) {
  return "журнал, запись № " + std::to_string(i + 1) + " (" + journal.BackPoints[i] + " --> " + journal.ForePoints[i] +
         ")";
}

void CheckSetups(const TKorData& journal, int32_t i, Finder& finder) {
  const int32_t first = journal.FirstSetup.GetItem(i);
  const int32_t last = journal.LastSetup.GetItem(i);
  for (int32_t s = first; s <= last && s >= 0 && s < journal.SetupTotal(); ++s) {
    const auto place = [&](const char* what) {
      return [&journal, i, s, first, what] {
        return RecordPlace(journal, i) + ", штатив " + std::to_string(s - first + 1) + ": " + what;
      };
    };
    finder.Check(journal.BackMainReading.GetItem(s), place("задний отсчет по основной шкале"));
    finder.Check(journal.ForeMainReading.GetItem(s), place("передний отсчет по основной шкале"));
    finder.Check(journal.BackAuxReading.GetItem(s), place("задний отсчет по дополнительной шкале"));
    finder.Check(journal.ForeAuxReading.GetItem(s), place("передний отсчет по дополнительной шкале"));
    finder.Check(journal.SetupHeightDiffs.GetItem(s), place("превышение на штативе"));
  }
}

void CheckSection(const TKorNet& net, int32_t s, Finder& finder) {
  const auto section = [&net, s] { return "сеть «" + net.Name + "», звено " + SectionCaption(net, s); };
  finder.Check(net.SectionHeights.GetItem(s), [&] { return section() + ": превышение"; });
  finder.Check(net.SectionSetups.GetItem(s), [&] { return section() + ": число штативов"; });
  if (s >= net.SectionTables.Count()) return;
  const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
  for (int32_t j = 0; j < table.RunCount(); ++j) {
    const auto run = [&, j] {
      return section() + ", штатив " + table.RunBackPoints[j] + " --> " + table.RunForePoints[j];
    };
    finder.Check(table.RunHeights.GetItem(j), [&] { return run() + ": превышение"; });
    finder.Check(table.RunSetups.GetItem(j), [&] { return run() + ": число штативов"; });
  }
  for (int32_t j = 0; j < table.PendentCount(); ++j)
    finder.Check(table.PendentHeights.GetItem(j),
                 [&] { return section() + ", висячая точка " + table.PendentForePoints[j] + ": превышение"; });
}

}  // namespace

std::vector<std::string> NonFiniteJournalValues(const TKorData& journal) {
  std::vector<std::string> found;
  Finder finder(found);
  for (int32_t i = 0; i < journal.RecordCount(); ++i) {
    finder.Check(journal.HeightDiffs.GetItem(i), [&] { return RecordPlace(journal, i) + ": превышение"; });
    CheckSetups(journal, i, finder);
  }
  return found;
}

std::vector<std::string> NonFiniteNetValues(const TKorNet& net) {
  std::vector<std::string> found;
  Finder finder(found);
  for (int32_t s = 0; s < net.SectionCount(); ++s) CheckSection(net, s, finder);
  for (int32_t p = 0; p < net.PointCount(); ++p)
    finder.Check(net.PointElevations.GetItem(p),
                 [&] { return "сеть «" + net.Name + "», точка «" + net.PointNames[p] + "»: отметка"; });
  return found;
}

std::vector<std::string> NonFiniteValues(const TKorData& journal, const TNetList& nets) {
  std::vector<std::string> found = NonFiniteJournalValues(journal);
  for (int32_t n = 0; n < nets.NetCount(); ++n) {
    const std::vector<std::string> net = NonFiniteNetValues(nets.NetAt(n));
    found.insert(found.end(), net.begin(), net.end());
  }
  return found;
}

Outcome NonFiniteRefusal(const std::vector<std::string>& places) {
  if (places.empty()) return {};
  return Outcome::Refusal("Значение не является конечным числом: " + places.front() +
                          ". Исправьте его и повторите команду.");
}

Outcome RefuseNonFiniteNet(const TKorNet& net) { return NonFiniteRefusal(NonFiniteNetValues(net)); }

}  // namespace korvado
