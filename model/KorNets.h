#pragma once
// Levelling nets: a net is a name, a section table (one detail table of runs
// and pendent runs per section) and a point table with elevations.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "KorData.h"
#include "ListClasses.h"
#include "NetRows.h"
#include "Outcome.h"

namespace korvado {

enum PointType : int32_t { kFixedPoint = 0, kNodalPoint = 1, kIntermediatePoint = 2 };

class TKorNetDetailTable {
 public:
  StringList RunBackPoints;
  StringList RunForePoints;
  TIntList RunBackTypes;
  TIntList RunForeTypes;
  TDoubleList RunHeights;
  TDoubleList RunSetups;
  TIndexLists RunRefs;

  TIntList PendentTypes;
  StringList PendentBackPoints;
  StringList PendentForePoints;
  TIntList PendentSetups;
  TDoubleList PendentHeights;
  TIndexLists PendentRefs;

  int32_t RunCount() const { return RunForePoints.Count(); }
  int32_t PendentCount() const { return PendentForePoints.Count(); }

  // Refused when the section is full.
  Outcome AddRun(const std::string& back, const std::string& fore, uint8_t backType, uint8_t foreType, double height,
                 double setups, int32_t ref);
  Outcome AddPendentRun(uint8_t type, const std::string& back, const std::string& fore, uint16_t setups, double height,
                        int32_t ref);
  // Refuse a run index that is not below the count and change nothing.
  Outcome DeleteRun(uint16_t run);
  Outcome DeletePendentRun(uint16_t row);

  // Whole rows of the run and pendent columns. Append and Erase leave the
  // limits and the index checks to the callers (AddRun and DeleteRun keep them);
  // Set changes an existing row.
  NetRun RunAt(int32_t run) const;
  void SetRun(int32_t run, const NetRun& value);
  void AppendRun(const NetRun& value);
  void EraseRun(int32_t run);
  PendentRun PendentAt(int32_t row) const;
  void SetPendent(int32_t row, const PendentRun& value);
  void AppendPendent(const PendentRun& value);
  void ErasePendent(int32_t row);

  bool operator==(const TKorNetDetailTable&) const = default;
};

class TKorNetDetailTableList {
 public:
  TKorNetDetailTableList() = default;
  TKorNetDetailTableList(const TKorNetDetailTableList& other);
  TKorNetDetailTableList& operator=(const TKorNetDetailTableList& other);
  TKorNetDetailTableList(TKorNetDetailTableList&&) = default;
  TKorNetDetailTableList& operator=(TKorNetDetailTableList&&) = default;

  int32_t AddEmptyTable();
  int32_t AddTable(const std::string& back, const std::string& fore, uint8_t backType, uint8_t foreType, double height,
                   double setups, int32_t ref);
  void DeleteTable(int32_t index);
  TKorNetDetailTable& TableAt(int32_t index);
  const TKorNetDetailTable& TableAt(int32_t index) const;
  int32_t Count() const { return static_cast<int32_t>(tables_.size()); }
  // Tables at .. at + n - 1 become copies of with; the caller guarantees the range.
  void ReplaceRange(int32_t at, int32_t n, const std::vector<TKorNetDetailTable>& with);

  bool operator==(const TKorNetDetailTableList& other) const;

 private:
  std::vector<std::unique_ptr<TKorNetDetailTable>> tables_;
};

class TKorNet {
 public:
  std::string Name;

  StringList SectionStarts;
  StringList SectionEnds;
  TIntList SectionStartTypes;
  TIntList SectionEndTypes;
  TDoubleList SectionHeights;
  TDoubleList SectionSetups;
  TKorNetDetailTableList SectionTables;

  StringList PointNames;
  TIntList PointTypes;
  TDoubleList PointElevations;

  int32_t SectionCount() const { return SectionEnds.Count(); }
  int32_t PointCount() const { return PointNames.Count(); }

  // The new section's index; refused when the net is full.
  Result<int32_t> AddSection(const std::string& start, const std::string& end, uint8_t startType, uint8_t endType,
                             double height, double setups, int32_t ref);
  Outcome AppendRun(uint16_t section, const std::string& fore, uint8_t foreType, double height, double setups,
                    int32_t ref);
  void DeleteSection(uint16_t section);
  void UpdateSectionSummary(uint16_t section);

  // The new point's index; refused when the net is full.
  Result<int32_t> AddPoint(const std::string& name, int32_t type, double elevation);
  void ClearPoints();

  // Whole rows of the section and point columns, as the run rows of a detail
  // table. AppendSection leaves the section's detail table to the caller.
  Section SectionAt(int32_t section) const;
  void SetSection(int32_t section, const Section& value);
  void AppendSection(const Section& value);
  NetPoint PointAt(int32_t point) const;
  void SetPoint(int32_t point, const NetPoint& value);
  void AppendPoint(const NetPoint& value);
  void ErasePoint(int32_t point);

  bool operator==(const TKorNet&) const = default;
};

class TNetList {
 public:
  TNetList() = default;
  TNetList(const TNetList& other);
  TNetList& operator=(const TNetList& other);
  TNetList(TNetList&&) = default;
  TNetList& operator=(TNetList&&) = default;

  void Clear() { nets_.clear(); }
  int32_t NetCount() const { return static_cast<int32_t>(nets_.size()); }
  // The new net's index; refused when the list is full.
  Result<int32_t> AddNet(const std::string& name);
  void DeleteNet(int32_t index);
  TKorNet& NetAt(int32_t index);
  const TKorNet& NetAt(int32_t index) const;
  // Nets at .. at + n - 1 become copies of with; the caller guarantees the range.
  void ReplaceRange(int32_t at, int32_t n, const std::vector<TKorNet>& with);

  void CopyNet(int32_t destination, int32_t source);
  void CopySection(int32_t destNet, int32_t destSection, int32_t sourceNet, int32_t sourceSection);
  void CopyRun(int32_t destNet, int32_t destSection, int32_t destRun, int32_t sourceNet, int32_t sourceSection,
               int32_t sourceRun);
  void CopyPendentRun(int32_t destNet, int32_t destSection, int32_t destRow, int32_t sourceNet, int32_t sourceSection,
                      int32_t sourceRow);

  bool operator==(const TNetList& other) const;

 private:
  std::vector<std::unique_ptr<TKorNet>> nets_;
};

}  // namespace korvado
