#include "FileCommands.h"

#include <filesystem>

#include "DataFile.h"
#include "DataFileMessages.h"
#include "FileReplace.h"
#include "FileStamp.h"
#include "ModelErrors.h"
#include "UnsoundValues.h"
#include "Utf8Path.h"

namespace korvado {

namespace {

// Once per opening, naming the first: every computation names its own when it refuses.
Outcome WarnOfUnsoundValues(const AppState& state) {
  const std::vector<std::string> values = UnsoundValues(state.Journal, state.Nets);
  const std::vector<std::string> names = NamesWithControlChars(state.Journal, state.Nets);
  if (values.empty() && names.empty()) return {};
  std::string text;
  if (!values.empty())
    text = "В файле есть значения, которые не являются числами или лежат вне разумных пределов (всего " +
           std::to_string(values.size()) + "), первое: " + values.front() +
           ". Вычисления с ними будут отклонены; исправьте эти значения.";
  if (!names.empty())
    text += std::string(text.empty() ? "" : "\n") + "В файле есть имена с управляющими символами (всего " +
            std::to_string(names.size()) + "), первое: " + names.front() +
            ". В отчетах, копиях и при сохранении эти символы заменяются пробелами.";
  return Outcome::Warning(text);
}

// The file's data in place of the open data; refused when no file is there.
Outcome ReadIntoState(AppState& state, const std::string& path, FileStamp* stamp = nullptr) {
  std::error_code error;
  if (!std::filesystem::exists(PathFromUtf8(path), error))
    return Outcome::Refusal(OpenFailedMessage(path, kFileNotFound));
  TKorData journal;
  TNetList nets;
  const FileContents bytes = ReadFileContents(path);
  ReadDataBytes(bytes.View(), path, journal, nets);
  // From the bytes read: the file is not read a second time for its stamp.
  if (stamp) *stamp = StampOf(bytes.View());
  state.Journal = std::move(journal);
  state.Nets = std::move(nets);
  state.ResetPositions();
  state.SelectFirstNet();
  state.CurrentFileName = path;
  state.CopiedFileName.clear();
  state.Changed = false;
  return {};
}

}  // namespace

void CloseData(AppState& state) {
  state.Journal.Clear();
  state.Journal.TechMode = false;
  state.Nets.Clear();
  state.ResetPositions();
  state.CurrentFileName.clear();
  state.CopiedFileName.clear();
  state.CurrentFileStamp = {};
  state.Changed = false;
  state.History.Reset(state);
}

void NewData(AppState& state) {
  CloseData(state);
  // One record in an empty journal is always taken.
  if (Outcome refused = state.Journal.AddRecord("Rp1", "Rp2", 1, ""); !refused)
    throw KorvadoError(refused.RefusalText());
  state.History.Reset(state);
}

Outcome OpenDataFile(AppState& state, const std::string& path) {
  FileStamp stamp;
  if (Outcome refused = ReadIntoState(state, path, &stamp); refused.Refused()) return refused;
  state.CurrentFileStamp = stamp;
  state.History.Reset(state);
  return WarnOfUnsoundValues(state);
}

Outcome LoadDataFile(AppState& state, const std::string& path) {
  if (Outcome refused = ReadIntoState(state, path); refused.Refused()) return refused;
  state.CurrentFileStamp = {};
  state.History.SwitchOff();
  return WarnOfUnsoundValues(state);
}

Outcome OpenNamedDataFile(AppState& state, const std::string& path) {
  Outcome opened = OpenDataFile(state, path);
  if (!opened) throw FileIOError(opened.RefusalText());
  return opened;
}

Outcome OpenDataFileAsCopy(AppState& state, const std::string& path) {
  Outcome opened = OpenNamedDataFile(state, path);
  state.CurrentFileName.clear();
  state.CopiedFileName = FileNameOf(path);
  state.CurrentFileStamp = {};
  return opened;
}

std::string FileNameOf(const std::string& path) {
  // Either separator: a path typed on Windows keeps its backslashes.
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DataTitleName(const AppState& state) {
  if (!state.CurrentFileName.empty()) return FileNameOf(state.CurrentFileName);
  if (!state.CopiedFileName.empty()) return state.CopiedFileName;
  const bool closed = state.Journal.RecordCount() == 0 && state.Nets.NetCount() == 0;
  return closed ? std::string() : "Безымянный";
}

void SaveDataFileAs(AppState& state, const std::string& path, const SaveOptions& options) {
  const std::string bytes = DataBytesToSave(path, state.Journal, state.Nets);
  if (options.Backup) {
    const DiskVersion* previous = options.Previous;
    if (previous && previous->Path == path && StillOnDisk(*previous))
      WriteBackupCopy(*previous);
    else
      WriteBackupCopy(ReadDiskVersion(path));
  }
  ReplaceFileContents(path, bytes);
  state.CurrentFileName = path;
  state.CopiedFileName.clear();
  state.CurrentFileStamp = StampOf(bytes);
  state.Changed = false;
  state.History.MarkSaved(state);
}

bool SaveDataFile(AppState& state, const SaveOptions& options) {
  if (state.CurrentFileName.empty()) return false;
  SaveDataFileAs(state, state.CurrentFileName, options);
  return true;
}

bool CurrentFileChangedOnDisk(const AppState& state, const DiskVersion& disk) {
  return !state.CurrentFileName.empty() && disk.Path == state.CurrentFileName &&
         ChangedSince(disk, state.CurrentFileStamp);
}

bool CurrentFileChangedOnDisk(const AppState& state) {
  return !state.CurrentFileName.empty() && CurrentFileChangedOnDisk(state, ReadDiskVersion(state.CurrentFileName));
}

bool NeedsSaveQuestion(const AppState& state) { return state.Changed; }

}  // namespace korvado
