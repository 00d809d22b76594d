#pragma once
// The levelling journal: one record per run, one setup entry per instrument
// setup, held as parallel columns. A record finds its setups only through
// FirstSetup/LastSetup: a record inserted between others owns setups at the
// end of the setup columns.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ListClasses.h"
#include "Outcome.h"

namespace korvado {

// Marks a setup whose two staff scales disagree, and every record holding one.
inline constexpr double InvalidHeight = 1234567.0;

// Two scales may disagree by this much (in reading units) and still be accepted.
inline constexpr double kScaleTolerance = 6.0;

class TKorData {
 public:
  bool TechMode = false;

  StringList ForePoints;
  StringList BackPoints;
  TIntList SetupCounts;
  TDoubleList HeightDiffs;
  StringList Notes;
  TIntList FirstSetup;
  TIntList LastSetup;

  StringList SetupForePoints;
  StringList SetupBackPoints;
  TDoubleList ForeMainReading;
  TDoubleList BackMainReading;
  TDoubleList ForeAuxReading;
  TDoubleList BackAuxReading;
  TDoubleList SetupHeightDiffs;
  StringList SetupNotes;

  void Clear();
  int32_t RecordCount() const { return ForePoints.Count(); }
  int32_t SetupTotal() const { return SetupForePoints.Count(); }

  // The four operations below change nothing when they refuse.
  Outcome AddRecord(const std::string& back, const std::string& fore, uint16_t setupCount, const std::string& note);
  Outcome InsertRecord(int32_t index, const std::string& back, const std::string& fore, uint16_t setupCount,
                       const std::string& note);
  Outcome DeleteRecord(int32_t index);
  Outcome SetSetupCount(int32_t index, uint16_t newCount);

  void SetSetupData(int32_t setup, const std::string& back, const std::string& fore, double backMain, double foreMain,
                    double backAux, double foreAux, const std::string& note);
  void RecalcRecordHeight(int32_t index);

  // The height difference of one setup from its readings in the current mode.
  double ComputeSetupHeight(double backMain, double foreMain, double backAux, double foreAux) const;

  bool operator==(const TKorData&) const = default;

 private:
  Outcome CanAddRecord(uint16_t setupCount) const;
  void AppendSetups(const std::string& back, const std::string& fore, uint16_t setupCount);
  void InsertBlankSetups(int32_t at, int32_t count);
  void RemoveSetups(int32_t at, int32_t count);
  void ShiftRanges(int32_t except, int32_t above, int32_t delta);
  void NameSetups(int32_t record);
};

// Setup k (from 1) of n: back point for the first, "X<k-1>" otherwise.
std::string SetupBackName(const std::string& back, int32_t k);
// Fore point for the last, "X<k>" otherwise.
std::string SetupForeName(const std::string& fore, int32_t k, int32_t n);

// A journal reference: +(k + 1) is record k as recorded, -(k + 1) reversed, 0 none.
inline int32_t MakeJournalRef(int32_t recordIndex, bool reversed) {
  return reversed ? -(recordIndex + 1) : recordIndex + 1;
}
// Written so that no reference a file may hold overflows: -2^31 gives 2^31 - 1,
// which no journal reaches.
inline int32_t JournalRefRecord(int32_t ref) { return ref < 0 ? -(ref + 1) : ref - 1; }
inline bool JournalRefReversed(int32_t ref) { return ref < 0; }

// A list of integer lists; in the nets each entry holds the references of one run.
class TIndexLists {
 public:
  TIndexLists() = default;
  TIndexLists(const TIndexLists& other);
  TIndexLists& operator=(const TIndexLists& other);
  TIndexLists(TIndexLists&&) = default;
  TIndexLists& operator=(TIndexLists&&) = default;

  int32_t AddNew(int32_t value);
  void DeleteAt(int32_t index);
  TIntList& ListAt(int32_t index);
  const TIntList& ListAt(int32_t index) const;
  int32_t Count() const { return static_cast<int32_t>(lists_.size()); }
  void Clear() { lists_.clear(); }
  // Entries at .. at + n - 1 become entries holding with; the caller guarantees the range.
  void ReplaceRange(int32_t at, int32_t n, const std::vector<std::vector<int32_t>>& with);

  bool operator==(const TIndexLists& other) const;

 private:
  std::vector<std::unique_ptr<TIntList>> lists_;
};

}  // namespace korvado
