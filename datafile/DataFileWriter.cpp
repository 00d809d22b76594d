// Writing the data file: the fields in file order, built in memory first so
// that nothing touches the disk until every name has been encoded.

#include "ControlChars.h"
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

// The format cannot store more; refusing beats writing a count that wraps around.
int32_t CheckedCount(int32_t count, const char* what) {
  if (count > kFormatCountLimit)
    throw FileIOError("слишком много " + std::string(what) + " (" + std::to_string(count) + ", не более " +
                      std::to_string(kFormatCountLimit) + ")");
  return count;
}

class DataWriter {
 public:
  std::string out;

  void U8(int32_t value) { out += static_cast<char>(value & 0xFF); }
  void U16(int32_t value) { AppendLittleEndian(out, static_cast<uint16_t>(value & 0xFFFF)); }
  void I32(int32_t value) { AppendLittleEndian(out, static_cast<uint32_t>(value)); }
  void F64(double value) { AppendDouble(out, value); }

  // A length byte, the characters cut to capacity, zeros up to the field's
  // end. A control character (only a damaged file brings one) goes out as a blank.
  void Text(const std::string& text, size_t capacity) {
    const std::string bytes =
        WithoutControlChars(IsAscii(text) ? text.substr(0, capacity) : EncodeWindows1251(Utf8Left(text, capacity)));
    out += static_cast<char>(bytes.size());
    out += bytes;
    out.append(capacity - bytes.size(), '\0');
  }
  void Name(const std::string& text) { Text(text, kShortNameChars); }

  void References(const std::vector<int32_t>& refs) {
    const auto m = static_cast<int32_t>(refs.size());
    if (m < 1 || m > kMaxReferenceCount)
      throw FileIOError("штатив сети хранит " + std::to_string(m) + " ссылок на журнал (допустимо от 1 до " +
                        std::to_string(kMaxReferenceCount) + ")");
    U8(m);
    for (int32_t value : refs) I32(value);
  }
};

void WriteJournal(DataWriter& w, const TKorData& j) {
  const int32_t r = CheckedCount(j.ForePoints.Count(), "записей журнала");
  const int32_t s = CheckedCount(j.SetupForePoints.Count(), "штативов в журнале");
  if (std::string fault = FindJournalRangeFault(j); !fault.empty()) throw FileIOError("журнал повреждён: " + fault);
  w.out.reserve(w.out.size() + 5 + kRecordBytes * r + kSetupBytes * s + 2);
  w.U8(j.TechMode ? 1 : 0);
  w.U16(r);
  w.U16(s);
  for (int32_t i = 0; i < r; ++i) w.Name(j.BackPoints[i]);
  for (int32_t i = 0; i < r; ++i) w.Name(j.ForePoints[i]);
  for (int32_t i = 0; i < r; ++i) w.U16(j.SetupCounts.GetItem(i));
  for (int32_t i = 0; i < r; ++i) w.F64(j.HeightDiffs.GetItem(i));
  for (int32_t i = 0; i < r; ++i) w.Text(j.Notes[i], kShortTextChars);
  for (int32_t i = 0; i < r; ++i) w.U16(j.FirstSetup.GetItem(i));
  for (int32_t i = 0; i < r; ++i) w.U16(j.LastSetup.GetItem(i));
  for (int32_t k = 0; k < s; ++k) w.Name(j.SetupBackPoints[k]);
  for (int32_t k = 0; k < s; ++k) w.Name(j.SetupForePoints[k]);
  for (const TDoubleList* column :
       {&j.BackMainReading, &j.ForeMainReading, &j.BackAuxReading, &j.ForeAuxReading, &j.SetupHeightDiffs})
    for (int32_t k = 0; k < s; ++k) w.F64(column->GetItem(k));
  for (int32_t k = 0; k < s; ++k) w.Name(j.SetupNotes[k]);
}

void WriteRuns(DataWriter& w, const TKorNetDetailTable& t) {
  const int32_t k = CheckedCount(t.RunForePoints.Count(), "штативов в звене");
  w.U16(k);
  for (int32_t r = 0; r < k; ++r) {
    const NetRun run = t.RunAt(r);
    w.Name(run.back);
    w.Name(run.fore);
    w.U8(run.backType);
    w.U8(run.foreType);
    w.F64(run.height);
    w.F64(run.setups);
    w.References(run.refs);
  }
}

void WritePendentRuns(DataWriter& w, const TKorNetDetailTable& t) {
  const int32_t p = CheckedCount(t.PendentForePoints.Count(), "висячих точек в звене");
  w.U16(p);
  for (int32_t r = 0; r < p; ++r) {
    const PendentRun pendent = t.PendentAt(r);
    w.U8(pendent.type);
    w.Name(pendent.back);
    w.Name(pendent.fore);
    w.U16(pendent.setups);
    w.F64(pendent.height);
    w.References(pendent.refs);
  }
}

void WriteNet(DataWriter& w, const TKorNet& net) {
  w.Text(net.Name, kShortTextChars);
  const int32_t t = CheckedCount(net.SectionEnds.Count(), "звеньев в сети");
  w.U16(t);
  for (int32_t s = 0; s < t; ++s) {
    const Section section = net.SectionAt(s);
    w.Name(section.start);
    w.Name(section.end);
    w.U8(section.startType);
    w.U8(section.endType);
    w.F64(section.height);
    w.F64(section.setups);
    const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
    WriteRuns(w, table);
    WritePendentRuns(w, table);
  }
  const int32_t q = CheckedCount(net.PointNames.Count(), "точек в сети");
  w.U16(q);
  for (int32_t p = 0; p < q; ++p) {
    const NetPoint point = net.PointAt(p);
    w.Name(point.name);
    w.U8(point.type);
    w.F64(point.elevation);
  }
}

}  // namespace

std::string WriteDataBytes(const TKorData& journal, const TNetList& nets) {
  DataWriter w;
  WriteJournal(w, journal);
  w.U16(CheckedCount(nets.NetCount(), "сетей"));
  for (int32_t n = 0; n < nets.NetCount(); ++n) WriteNet(w, nets.NetAt(n));
  // What could not be read back is not written.
  if (w.out.size() > kLargestDataFileBytes)
    throw FileIOError("данные заняли бы " + std::to_string(w.out.size()) +
                      " байт, а файл данных не может быть длиннее " + std::to_string(kLargestDataFileBytes) +
                      " байт; удалите лишние копии сетей");
  return std::move(w.out);
}

std::string DataBytesToSave(const std::string& path, const TKorData& journal, const TNetList& nets) {
  try {
    return WriteDataBytes(journal, nets);
  } catch (const FileIOError& e) {
    throw FileIOError(SaveFailedMessage(path, e.what()));
  }
}

void WriteDataFile(const std::string& path, const TKorData& journal, const TNetList& nets) {
  ReplaceFileContents(path, DataBytesToSave(path, journal, nets));
}

}  // namespace korvado
