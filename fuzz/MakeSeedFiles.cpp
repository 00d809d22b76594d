// Writes a few valid data files as the fuzzer's starting corpus, with the
// crafted ones that once broke the program: values that are not finite,
// references outside the journal, names that differ only in letter case, and
// a net whose second part no benchmark reaches.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>

#include "DataFile.h"

namespace {

using namespace korvado;

void Save(const std::string& folder, const std::string& name, const TKorData& journal, const TNetList& nets) {
  std::ofstream(folder + "/" + name, std::ios::binary) << WriteDataBytes(journal, nets);
}

void SaveNonFinite(const std::string& folder, TKorData journal) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  journal.HeightDiffs.SetItem(0, nan);
  journal.BackMainReading.SetItem(0, inf);
  journal.SetupHeightDiffs.SetItem(1, -inf);
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Не числа"));
  net.AddSection("Rp1", "Rp2", 0, 0, nan, inf, 1);
  net.SectionTables.TableAt(0).AddPendentRun(2, "Rp2", "P", 1, -inf, 2);
  net.AddPoint("Rp1", 0, inf);
  net.AddPoint("Rp2", 0, nan);
  Save(folder, "non-finite.kor", journal, nets);
}

void SaveOutOfRangeReferences(const std::string& folder, const TKorData& journal) {
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Ссылки"));
  net.AddSection("Rp1", "K", 0, 1, 1.0, 1.0, std::numeric_limits<int32_t>::min());
  net.AppendRun(0, "Rp2", 0, 1.0, 1.0, std::numeric_limits<int32_t>::max());
  net.SectionTables.TableAt(0).AddPendentRun(2, "K", "P", 1, 0.5, journal.RecordCount() + 1);
  net.AddSection("K", "Rp1", 1, 0, -1.0, 1.0, -(journal.RecordCount() + 1));
  Save(folder, "out-of-range-refs.kor", journal, nets);
}

void SaveCaseTwins(const std::string& folder, const TKorData& journal) {
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Близнецы"));
  net.AddSection("Rp1", "U1", 0, 1, 1.0, 2.0, 1);
  net.AddSection("u1", "Rp2", 1, 0, 2.0, 2.0, 2);
  net.AddSection("U1", "Rp2", 1, 0, 2.0, 2.0, 3);
  net.SectionTables.TableAt(1).AddPendentRun(2, "u1", "P", 1, 0.5, 2);
  for (const char* name : {"Rp1", "Rp2"}) net.AddPoint(name, 0, 100.0);
  net.AddPoint("U1", 1, 101.0);
  net.AddPoint("u1", 1, 101.0);
  Save(folder, "case-twins.kor", journal, nets);
}

// A second part, C-D-E, with no fixed point in it.
void SaveDisconnectedNet(const std::string& folder, const TKorData& journal) {
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Две части"));
  net.AddSection("Rp1", "K", 0, 1, 1.0, 2.0, 1);
  net.AddSection("K", "Rp2", 1, 0, 1.0, 2.0, 2);
  net.AddSection("C", "D", 1, 1, 0.5, 1.0, 3);
  net.AddSection("D", "C", 1, 1, -0.5, 1.0, -3);
  net.AppendRun(3, "E", 1, 0.25, 1.0, 2);
  net.AddPoint("Rp1", 0, 100.0);
  net.AddPoint("Rp2", 0, 102.0);
  for (const char* name : {"K", "C", "D"}) net.AddPoint(name, 1, 0.0);
  Save(folder, "disconnected.kor", journal, nets);
}

void SaveCraftedFiles(const std::string& folder, const TKorData& journal) {
  SaveNonFinite(folder, journal);
  SaveOutOfRangeReferences(folder, journal);
  SaveCaseTwins(folder, journal);
  SaveDisconnectedNet(folder, journal);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_seeds FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  TKorData journal;
  TNetList nets;
  journal.AddRecord("Rp1", "Rp2", 1, "");
  Save(folder, "new.kor", journal, nets);

  journal.AddRecord("Рп7", "Узел", 3, "повтор");
  journal.InsertRecord(0, "A", "B", 2, "");
  journal.SetSetupData(0, "Rp1", "Rp2", 1500, 1400, 7500, 7405, "");
  journal.RecalcRecordHeight(0);
  const int32_t n = *nets.AddNet("Сеть 1");
  TKorNet& net = nets.NetAt(n);
  net.AddSection("Rp1", "Rp2", 0, 1, 4.88, 1.0, 2);
  net.AppendRun(0, "Узел", 0, -1.5, 3.0, -3);
  net.SectionTables.TableAt(0).RunRefs.ListAt(1).Add(1);
  net.SectionTables.TableAt(0).AddPendentRun(2, "Rp2", "P", 2, 0.52, 1);
  net.AddSection("Узел", "A", 0, 2, 0.25, 2.0, -1);
  net.AddPoint("Rp1", 0, 100.0);
  net.AddPoint("Узел", 1, 101.02);
  Save(folder, "nets.kor", journal, nets);

  journal.TechMode = true;
  Save(folder, "technical.kor", journal, nets);
  journal.TechMode = false;

  SaveCraftedFiles(folder, journal);
  return 0;
}
