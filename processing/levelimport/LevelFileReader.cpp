#include "LevelFileReader.h"

#include <algorithm>
#include <utility>

#include "GsiReader.h"
#include "LevelLineBuilder.h"
#include "M5Reader.h"

namespace korvado {

LevelFile ReadLevelFile(std::string bytes) {
  const std::string text = LevelFileText(std::move(bytes));
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) throw LevelFileError("Файл нивелира пуст.");
  const size_t lineStart = text.find_last_of("\r\n", first);
  const std::string_view line = std::string_view(text).substr(lineStart == std::string::npos ? 0 : lineStart + 1);
  if (IsM5Line(line)) return ReadM5(text);
  if (IsGsiLine(line)) return ReadGsi(text);
  const auto lineNumber = static_cast<int32_t>(1 + std::count(text.begin(), text.begin() + first, '\n'));
  throw LevelFileError(lineNumber, "формат не распознан: ожидались измерения цифрового нивелира Leica GSI или DiNi M5");
}

std::string LevelFileFormatName(LevelFileFormat format) {
  switch (format) {
    case LevelFileFormat::Gsi8:
      return "Leica GSI-8";
    case LevelFileFormat::Gsi16:
      return "Leica GSI-16";
    case LevelFileFormat::DiniM5:
      return "DiNi M5";
  }
  return {};
}

}  // namespace korvado
