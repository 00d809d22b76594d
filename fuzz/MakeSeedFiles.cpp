// Writes the fuzzers' starting corpora, one folder each: valid data files
// with the crafted ones that once broke the program (values that are not
// finite, absurd setups, references outside the journal, names that differ
// only in letter case or hold control characters, a net whose second part no
// benchmark reaches); nets for the loop search with such setups; and the
// sample level files with their awkward variants (a UTF-8 byte order mark,
// CR CR LF line ends, Cyrillic names in Windows-1251, readings that are no
// numbers).
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

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

// Setups no survey has: negative, zero, the smallest double, 1e300.
void SaveAbsurdSetups(const std::string& folder, const TKorData& journal) {
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Нелепые штативы"));
  net.AddSection("Rp1", "K", 0, 1, 1.0, -2.0, 1);
  net.AddSection("K", "Rp2", 1, 0, 1.0, 0.0, 2);
  net.AddSection("Rp2", "Rp1", 0, 0, -2.0, std::numeric_limits<double>::denorm_min(), 3);
  net.AddSection("K", "Rp1", 1, 0, -1.0, 1e300, -1);
  net.AddPoint("Rp1", 0, 1.7e308);
  net.AddPoint("Rp2", 0, 100.0);
  net.AddPoint("K", 1, 0.0);
  Save(folder, "absurd-setups.kor", journal, nets);
}

// The writer puts blanks for control characters, so the bytes are damaged
// after writing: "~" becomes TAB, "^" becomes ESC.
void SaveControlCharNames(const std::string& folder, TKorData journal) {
  journal.BackPoints.Set(0, std::string("Rp~1"));
  journal.SetupNotes.Set(0, std::string("^[31m"));
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet(std::string("Сеть^")));
  net.AddSection("Rp~1", "K^", 0, 1, 1.0, 2.0, 1);
  net.AddPoint("Rp~1", 0, 100.0);
  std::string bytes = WriteDataBytes(journal, nets);
  for (char& c : bytes) c = c == '~' ? '\t' : c == '^' ? '\x1b' : c;
  std::ofstream(folder + "/control-chars.kor", std::ios::binary) << bytes;
}

void SaveCraftedFiles(const std::string& folder, const TKorData& journal) {
  SaveNonFinite(folder, journal);
  SaveAbsurdSetups(folder, journal);
  SaveControlCharNames(folder, journal);
  SaveOutOfRangeReferences(folder, journal);
  SaveCaseTwins(folder, journal);
  SaveDisconnectedNet(folder, journal);
}

void SaveDataFiles(const std::string& folder) {
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
}

// The loop fuzzer's input: a point count, a mask of benchmarks, then sections
// of start, end, setups and height.
class LoopInput {
 public:
  LoopInput(uint8_t points, uint64_t benchmarks) {
    bytes_.push_back(static_cast<char>(points));
    Append(&benchmarks, sizeof benchmarks);
  }
  LoopInput& Section(uint8_t from, uint8_t to, double setups, double height) {
    bytes_.push_back(static_cast<char>(from));
    bytes_.push_back(static_cast<char>(to));
    Append(&height, sizeof height);
    Append(&setups, sizeof setups);
    return *this;
  }
  void Save(const std::string& folder, const std::string& name) const {
    std::ofstream(folder + "/" + name, std::ios::binary) << bytes_;
  }

 private:
  void Append(const void* data, size_t size) { bytes_.append(static_cast<const char*>(data), size); }
  std::string bytes_;
};

void SaveLoopNets(const std::string& folder) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // Two benchmarks (points 0 and 3), two nodal points, two loops and a line.
  const auto net = [](double odd) {
    LoopInput input(3, 0b1001);
    input.Section(0, 1, 2.0, 1.0).Section(1, 2, odd, 2.0).Section(2, 0, 3.0, -3.1).Section(1, 3, 4.0, 0.5);
    return input.Section(3, 2, 1.0, 1.4).Section(2, 2, 1.0, 0.01);
  };
  net(5.0).Save(folder, "plain");
  net(-3.0).Save(folder, "negative");
  net(0.0).Save(folder, "zero");
  net(nan).Save(folder, "nan");
  net(-inf).Save(folder, "minus-infinity");
  net(1e300).Save(folder, "huge");
  net(std::numeric_limits<double>::denorm_min()).Save(folder, "tiny");
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

void SaveLevelFiles(const std::string& samples, const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(samples))
    std::filesystem::copy_file(entry.path(), folder + "/" + entry.path().filename().string(),
                               std::filesystem::copy_options::overwrite_existing);
  const std::string m5 = ReadWhole(samples + "/dini.dat");
  const std::string gsi = ReadWhole(samples + "/line-bffb-bf.gsi");
  // "RP10" as "Рп10" in Windows-1251: two bytes each, as wide as the Latin letters.
  Write(folder + "/cp1251.dat", Replaced(m5, "RP10",
                                         "\xD0\xEF"
                                         "10"));
  Write(folder + "/bom.gsi", "\xEF\xBB\xBF" + gsi);
  Write(folder + "/cr-cr-lf.gsi", Replaced(Replaced(gsi, "\r\n", "\n"), "\n", "\r\r\n"));
  // Each value replaced by one of the same width, so that every column stays in place.
  Write(folder + "/not-numbers.dat", Replaced(Replaced(m5, "1.40000", "    nan"), "  1.10000", "-infinity"));
  Write(folder + "/huge.dat", Replaced(m5, "1.60000", "  1e300"));
  Write(folder + "/control-chars.gsi", Replaced(gsi, "RP1",
                                                "R\x1b"
                                                "1"));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr
        << "usage: make_fuzz_seeds LEVEL_SAMPLES FOLDER (writes FOLDER/datafile, FOLDER/loops, FOLDER/levelimport)\n";
    return 2;
  }
  const std::string folder = argv[2];
  for (const char* corpus : {"datafile", "loops", "levelimport"})
    std::filesystem::create_directories(folder + "/" + corpus);
  SaveDataFiles(folder + "/datafile");
  SaveLoopNets(folder + "/loops");
  SaveLevelFiles(argv[1], folder + "/levelimport");
  return 0;
}
