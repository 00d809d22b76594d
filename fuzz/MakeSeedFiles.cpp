// Writes a few valid data files as the fuzzer's starting corpus.
#include <fstream>
#include <iostream>
#include <string>

#include "DataFile.h"

namespace {

using namespace korvado;

void Save(const std::string& folder, const std::string& name, const TKorData& journal, const TNetList& nets) {
  std::ofstream(folder + "/" + name, std::ios::binary) << WriteDataBytes(journal, nets);
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
  const int32_t n = nets.AddNet("Сеть 1");
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
  return 0;
}
