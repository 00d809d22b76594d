#pragma once
// Texts of the data file's failures. Each names the file, so that the general
// error handler's box says which file could not be read or saved.

#include <string>

namespace korvado {

inline constexpr const char* kReadBeyondEndOfFile = "чтение за концом файла: файл короче, чем указывают его данные";
inline constexpr const char* kFileNotFound = "файл не найден";
inline constexpr const char* kFileAccessDenied = "нет доступа к файлу";
inline constexpr const char* kNotARegularFile = "это не обычный файл, а устройство, канал или сокет";

// "what" says what is wrong with the file or its reading.
std::string OpenFailedMessage(const std::string& fileName, const std::string& what);
// "reason" says why the file could not be written.
std::string SaveFailedMessage(const std::string& fileName, const std::string& reason);

// The run-time texts for a failed open or read.
std::string ReadErrorText(int errorNumber);
// A reason in words a user understands for a failed write.
std::string WriteErrorText(int errorNumber);

}  // namespace korvado
