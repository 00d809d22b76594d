#pragma once
// The file commands without their dialogs: the main window asks for a path
// and whether to save changes, then calls these and refreshes what it shows.

#include <string>

#include "AppState.h"
#include "FileBackup.h"

namespace korvado {

// Empties the journal and the nets and forgets the file, so that a later save asks for a name.
void CloseData(AppState& state);

// Starts a journal of one run from Rp1 to Rp2 with one setup, without a file.
void NewData(AppState& state);

// Refused, changing nothing, when no file exists at path. A file that
// cannot be read or is damaged raises FileIOError and leaves the state as it
// was. On success the file's data replace the open data and the first net
// becomes current; values that are not finite numbers are warned about once.
Outcome OpenDataFile(AppState& state, const std::string& path);
// As OpenDataFile for a command-line run, which reads the file, does its one
// command and ends: the file is not stamped for watching and the undo
// history is not filled, as such a run never asks either.
Outcome LoadDataFile(AppState& state, const std::string& path);

// Reads the file at path as new, unnamed data: a later Save asks for a name,
// so a file the user should not overwrite (the installed example) stays as it
// is. A missing file raises FileIOError, as for OpenNamedDataFile.
Outcome OpenDataFileAsCopy(AppState& state, const std::string& path);

// The last part of a path, after its last "/" or "\\".
std::string FileNameOf(const std::string& path);
// What the window's title calls the open data: the file's name; for unnamed
// data read as a copy, the copied file's name; else «Безымянный», or
// nothing after the data were closed.
std::string DataTitleName(const AppState& state);

// A file named when the program starts (a double click in a file manager): as
// OpenDataFile, but a missing file raises FileIOError too, since no dialog has
// checked that it is there and the user must be told.
Outcome OpenNamedDataFile(AppState& state, const std::string& path);

struct SaveOptions {
  // Keep the file being replaced as NAME.kor.bak first (BackupError when that fails).
  bool Backup = true;
  // The file at the path as read just before (for the check of another
  // program's changes), so that the backup takes those bytes without reading
  // the file again while it is StillOnDisk; else the save reads it when a
  // backup is wanted.
  const DiskVersion* Previous = nullptr;
};

// Writes the data to path, which becomes the current file, stamped from the
// bytes written. On failure
// (FileIOError, EncodingError, BackupError) the file at path, the current
// file name and the changed flag stay as they were.
void SaveDataFileAs(AppState& state, const std::string& path, const SaveOptions& options = {});

// Writes the data to the current file; false when there is none yet (the
// caller then asks for a name and calls SaveDataFileAs).
bool SaveDataFile(AppState& state, const SaveOptions& options = {});

// Whether another program has changed the current file since it was opened or
// last saved here, so that saving would throw its changes away.
bool CurrentFileChangedOnDisk(const AppState& state);
// The same, judged by the current file as already read (ReadDiskVersion).
bool CurrentFileChangedOnDisk(const AppState& state, const DiskVersion& disk);

// Whether New, Open, Close and Exit must first ask to save the changes.
bool NeedsSaveQuestion(const AppState& state);

}  // namespace korvado
