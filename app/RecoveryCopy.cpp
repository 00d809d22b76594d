#include "RecoveryCopy.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "DataFile.h"
#include "FileReplace.h"
#include "Utf8Path.h"

namespace korvado {

namespace fs = std::filesystem;

namespace {

std::string InfoPath(const std::string& folder, const std::string& id) {
  return Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(id + ".info"));
}

std::string InfoText(const AppState& state, int64_t processId) {
  const FileStamp& stamp = state.CurrentFileStamp;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::ostringstream text;
  text << "file=" << state.CurrentFileName << "\n"
       << "written=" << std::chrono::duration_cast<std::chrono::seconds>(now).count() << "\n"
       << "pid=" << processId << "\n"
       << "exists=" << (stamp.Exists ? 1 : 0) << "\n"
       << "size=" << stamp.Size << "\n"
       << "hash=" << stamp.Hash << "\n";
  return text.str();
}

std::map<std::string, std::string> ReadInfo(const fs::path& path) {
  std::map<std::string, std::string> fields;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line))
    if (const size_t equals = line.find('='); equals != std::string::npos)
      fields[line.substr(0, equals)] = line.substr(equals + 1);
  return fields;
}

template <class Number>
Number NumberField(const std::map<std::string, std::string>& fields, const std::string& key) {
  std::istringstream in(fields.count(key) ? fields.at(key) : std::string());
  Number value{};
  in >> value;
  return value;
}

RecoveryRecord RecordFrom(const std::string& id, const std::map<std::string, std::string>& fields) {
  RecoveryRecord record;
  record.Id = id;
  record.OwnerFile = fields.at("file");
  record.WrittenAt = NumberField<int64_t>(fields, "written");
  record.ProcessId = NumberField<int64_t>(fields, "pid");
  record.OwnerStamp = {NumberField<int>(fields, "exists") == 1, NumberField<uintmax_t>(fields, "size"),
                       NumberField<uint64_t>(fields, "hash")};
  return record;
}

}  // namespace

std::string RecoveryDataPath(const std::string& folder, const std::string& id) {
  return Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(id + ".kor"));
}

void WriteRecoveryCopy(const AppState& state, const std::string& folder, const std::string& id, int64_t processId) {
  std::error_code error;
  fs::create_directories(PathFromUtf8(folder), error);
  WriteDataFile(RecoveryDataPath(folder, id), state.Journal, state.Nets);
  ReplaceFileContents(InfoPath(folder, id), InfoText(state, processId));
}

std::vector<RecoveryRecord> ListRecoveryCopies(const std::string& folder) {
  std::vector<RecoveryRecord> records;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(PathFromUtf8(folder), error)) {
    if (entry.path().extension() != ".info") continue;
    const std::string id = Utf8FromPath(entry.path().stem());
    const auto fields = ReadInfo(entry.path());
    if (!fields.count("file") || !fs::is_regular_file(PathFromUtf8(RecoveryDataPath(folder, id)), error)) continue;
    records.push_back(RecordFrom(id, fields));
  }
  std::sort(records.begin(), records.end(),
            [](const RecoveryRecord& a, const RecoveryRecord& b) { return a.WrittenAt < b.WrittenAt; });
  return records;
}

void RestoreRecoveryCopy(AppState& state, const std::string& folder, const RecoveryRecord& record) {
  TKorData journal;
  TNetList nets;
  ReadDataFile(RecoveryDataPath(folder, record.Id), journal, nets);
  state.Journal = std::move(journal);
  state.Nets = std::move(nets);
  state.ResetPositions();
  if (state.Nets.NetCount() > 0) state.CurrentNetIndex = 0;
  state.CurrentFileName = record.OwnerFile;
  state.CurrentFileStamp = record.OwnerStamp;
  state.Changed = true;
  state.History.Reset(state, false);
}

void RemoveRecoveryCopy(const std::string& folder, const std::string& id) {
  std::error_code error;
  fs::remove(PathFromUtf8(RecoveryDataPath(folder, id)), error);
  fs::remove(PathFromUtf8(InfoPath(folder, id)), error);
}

}  // namespace korvado
