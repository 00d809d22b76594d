#pragma once
// The .kor data file: the journal and the nets as little-endian fields, texts
// in Windows-1251. A file is read whole and checked before it replaces
// anything, so a damaged file is never half-loaded.

#include <string>
#include <string_view>

#include "KorData.h"
#include "KorNets.h"

namespace korvado {

// The bytes of a data file holding journal and nets. Raises EncodingError for
// a name the code page cannot hold and FileIOError for data that the format
// cannot hold or that would be refused on reading.
std::string WriteDataBytes(const TKorData& journal, const TNetList& nets);

// WriteDataBytes for a save to path: a refusal of the data names the file.
std::string DataBytesToSave(const std::string& path, const TKorData& journal, const TNetList& nets);

// Replaces the file at path only after the new contents are completely on
// disk; on any failure the file there stays as it was. Raises FileIOError with
// a message naming the file and the reason, or EncodingError.
void WriteDataFile(const std::string& path, const TKorData& journal, const TNetList& nets);

// Reads the bytes of a data file. On success journal and nets are replaced by
// its contents; on any fault FileIOError names fileName and the fault, and
// journal and nets stay exactly as they were.
void ReadDataBytes(std::string_view bytes, const std::string& fileName, TKorData& journal, TNetList& nets);

// Reads the file at path the same way.
void ReadDataFile(const std::string& path, TKorData& journal, TNetList& nets);

}  // namespace korvado
