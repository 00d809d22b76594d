#pragma once
// The document options remembered between uses, all in Korvado.ini: the
// person's fields, the unit and the order under [Documents]; the job's fields
// under a section of their own per data file, named after a hash of the
// file's full path. Kept there rather than in a file beside the data: the
// .kor format stays as it is, nothing is written into the surveyor's data
// folder (which may be read-only or shared), and reopening the file on this
// machine finds them again. A renamed or moved file starts with empty job
// fields; data never saved has none remembered.

#include <string>

#include "DocumentOptions.h"
#include "SettingsFile.h"

namespace korvado {

DocumentOptions ReadDocumentOptions(const SettingsFile& settings, const std::string& dataFile);
// FileIOError when the settings file cannot be written.
void WriteDocumentOptions(SettingsFile& settings, const std::string& dataFile, const DocumentOptions& options);

}  // namespace korvado
