// Reading the data file: the whole file is in memory, every field is taken
// after a bounds check, and the result goes into fresh objects that replace
// the caller's only when the whole file has been read and found sound.

#include <algorithm>

#include "DataFile.h"
#include "DataFileLayout.h"
#include "DataFileMessages.h"
#include "FileReplace.h"
#include "JournalRanges.h"
#include "LittleEndian.h"
#include "ModelErrors.h"
#include "Utf8Text.h"
#include "Windows1251.h"

namespace korvado {

namespace {

// The UTF-8 form of every byte of the code page, built once: decoding names is
// most of the work of reading a large journal.
struct Windows1251Utf8Table {
  struct Sequence {
    char bytes[3];
    int length;
  };
  Sequence of[256];

  Windows1251Utf8Table() {
    for (int byte = 0; byte < 256; ++byte) {
      std::string utf8;
      AppendUtf8(utf8, Windows1251Char(static_cast<unsigned char>(byte)));
      of[byte].length = static_cast<int>(utf8.size());
      utf8.copy(of[byte].bytes, utf8.size());
    }
  }
};

class DataReader {
 public:
  DataReader(std::string_view bytes, const std::string& fileName) : bytes_(bytes), fileName_(fileName) {}

  [[noreturn]] void Fail(const std::string& what) const { throw FileIOError(OpenFailedMessage(fileName_, what)); }

  int32_t U8() { return static_cast<unsigned char>(*Take(1)); }
  int32_t U16() { return LoadLittleEndian<uint16_t>(Take(2)); }
  int32_t I32() { return static_cast<int32_t>(LoadLittleEndian<uint32_t>(Take(4))); }
  double F64() { return std::bit_cast<double>(LoadLittleEndian<uint64_t>(Take(8))); }

  // The length byte counts at most the capacity; the padding is ignored.
  std::string Text(size_t capacity) {
    const char* field = Take(capacity + 1);
    const size_t length = std::min<size_t>(static_cast<unsigned char>(field[0]), capacity);
    return DecodeName(field + 1, length);
  }
  std::string Name() { return Text(kShortNameChars); }

  // Fails at once when the file is shorter than n more bytes.
  void Require(size_t n) const {
    if (bytes_.size() - position_ < n) Fail(kReadBeyondEndOfFile);
  }

  void ExpectEnd() const {
    if (position_ != bytes_.size())
      Fail("после последней сети остались лишние данные (" + std::to_string(bytes_.size() - position_) + " байт)");
  }

 private:
  const char* Take(size_t n) {
    Require(n);
    const char* p = bytes_.data() + position_;
    position_ += n;
    return p;
  }

  static std::string DecodeName(const char* p, size_t length) {
    unsigned char highBits = 0;
    for (size_t k = 0; k < length; ++k) highBits |= static_cast<unsigned char>(p[k]);
    if (highBits < 0x80) return std::string(p, length);  // plain ASCII reads as it is
    static const Windows1251Utf8Table table;
    size_t size = 0;
    for (size_t k = 0; k < length; ++k) size += table.of[static_cast<unsigned char>(p[k])].length;
    std::string utf8(size, '\0');
    char* out = utf8.data();
    for (size_t k = 0; k < length; ++k) {
      const Windows1251Utf8Table::Sequence& sequence = table.of[static_cast<unsigned char>(p[k])];
      for (int b = 0; b < sequence.length; ++b) *out++ = sequence.bytes[b];
    }
    return utf8;
  }

  std::string_view bytes_;
  const std::string& fileName_;
  size_t position_ = 0;
};

// The counts were checked against the bytes present, so this cannot be made to allocate much.
void ReserveJournal(TKorData& j, int32_t r, int32_t s) {
  for (StringList* column : {&j.BackPoints, &j.ForePoints, &j.Notes}) column->Reserve(r);
  for (TIntList* column : {&j.SetupCounts, &j.FirstSetup, &j.LastSetup}) column->Reserve(r);
  j.HeightDiffs.Reserve(r);
  for (StringList* column : {&j.SetupBackPoints, &j.SetupForePoints, &j.SetupNotes}) column->Reserve(s);
  for (TDoubleList* column :
       {&j.BackMainReading, &j.ForeMainReading, &j.BackAuxReading, &j.ForeAuxReading, &j.SetupHeightDiffs})
    column->Reserve(s);
}

void ReadJournal(DataReader& in, TKorData& j) {
  j.TechMode = in.U8() != 0;
  const int32_t r = in.U16();
  const int32_t s = in.U16();
  in.Require(kRecordBytes * r + kSetupBytes * s + 2);  // the net count follows
  ReserveJournal(j, r, s);
  for (int32_t i = 0; i < r; ++i) j.BackPoints.Add(in.Name());
  for (int32_t i = 0; i < r; ++i) j.ForePoints.Add(in.Name());
  for (int32_t i = 0; i < r; ++i) j.SetupCounts.Add(in.U16());
  for (int32_t i = 0; i < r; ++i) j.HeightDiffs.Add(in.F64());
  for (int32_t i = 0; i < r; ++i) j.Notes.Add(in.Text(kShortTextChars));
  for (int32_t i = 0; i < r; ++i) j.FirstSetup.Add(in.U16());
  for (int32_t i = 0; i < r; ++i) j.LastSetup.Add(in.U16());
  for (int32_t k = 0; k < s; ++k) j.SetupBackPoints.Add(in.Name());
  for (int32_t k = 0; k < s; ++k) j.SetupForePoints.Add(in.Name());
  for (TDoubleList* column :
       {&j.BackMainReading, &j.ForeMainReading, &j.BackAuxReading, &j.ForeAuxReading, &j.SetupHeightDiffs})
    for (int32_t k = 0; k < s; ++k) column->Add(in.F64());
  for (int32_t k = 0; k < s; ++k) j.SetupNotes.Add(in.Name());
  if (std::string fault = FindJournalRangeFault(j); !fault.empty()) in.Fail(fault);
}

// Where in the nets a field was read, for the message about a bad one.
struct NetPlace {
  int32_t net;
  int32_t section;
  std::string Text(const std::string& row) const {
    return "сеть " + std::to_string(net + 1) + ", звено " + std::to_string(section + 1) + ", " + row;
  }
};

// A run merged from several journal runs holds all their references; none may hold none.
// The place (what, its number) is put into words only for a message.
std::vector<int32_t> ReadReferences(DataReader& in, const NetPlace& place, const char* what, int32_t row) {
  const int32_t m = in.U8();
  if (m < 1) in.Fail(place.Text(what + std::string(" ") + std::to_string(row + 1)) + ": нет ссылки на журнал");
  std::vector<int32_t> refs(m);
  for (int32_t& ref : refs) ref = in.I32();
  return refs;
}

// Each field is read in its own statement: the file order is the order of the statements.
void ReadRuns(DataReader& in, TKorNetDetailTable& t, const NetPlace& place) {
  const int32_t k = in.U16();
  for (int32_t r = 0; r < k; ++r) {
    NetRun run;
    run.back = in.Name();
    run.fore = in.Name();
    run.backType = in.U8();
    run.foreType = in.U8();
    run.height = in.F64();
    run.setups = in.F64();
    run.refs = ReadReferences(in, place, "штатив", r);
    t.AppendRun(run);
  }
}

void ReadPendentRuns(DataReader& in, TKorNetDetailTable& t, const NetPlace& place) {
  const int32_t p = in.U16();
  for (int32_t r = 0; r < p; ++r) {
    PendentRun pendent;
    pendent.type = in.U8();
    pendent.back = in.Name();
    pendent.fore = in.Name();
    pendent.setups = in.U16();
    pendent.height = in.F64();
    pendent.refs = ReadReferences(in, place, "висячая точка", r);
    t.AppendPendent(pendent);
  }
}

void ReadNet(DataReader& in, TKorNet& net, int32_t netIndex) {
  const int32_t t = in.U16();
  for (int32_t s = 0; s < t; ++s) {
    Section section;
    section.start = in.Name();
    section.end = in.Name();
    section.startType = in.U8();
    section.endType = in.U8();
    section.height = in.F64();
    section.setups = in.F64();
    net.AppendSection(section);
    TKorNetDetailTable& table = net.SectionTables.TableAt(net.SectionTables.AddEmptyTable());
    ReadRuns(in, table, {netIndex, s});
    ReadPendentRuns(in, table, {netIndex, s});
  }
  const int32_t q = in.U16();
  for (int32_t p = 0; p < q; ++p) {
    NetPoint point;
    point.name = in.Name();
    point.type = in.U8();
    point.elevation = in.F64();
    net.AppendPoint(point);
  }
}

void ReadNets(DataReader& in, TNetList& nets) {
  const int32_t n = in.U16();
  for (int32_t k = 0; k < n; ++k) {
    const std::string name = in.Text(kShortTextChars);
    const Result<int32_t> added = nets.AddNet(name);
    if (!added) in.Fail(added.RefusalText());
    ReadNet(in, nets.NetAt(*added), k);
  }
}

}  // namespace

void ReadDataBytes(std::string_view bytes, const std::string& fileName, TKorData& journal, TNetList& nets) {
  DataReader in(bytes, fileName);
  TKorData freshJournal;
  TNetList freshNets;
  ReadJournal(in, freshJournal);
  ReadNets(in, freshNets);
  in.ExpectEnd();
  journal = std::move(freshJournal);
  nets = std::move(freshNets);
}

void ReadDataFile(const std::string& path, TKorData& journal, TNetList& nets) {
  ReadDataBytes(ReadFileContents(path).View(), path, journal, nets);
}

}  // namespace korvado
