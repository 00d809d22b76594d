#include "LevelFileReader.h"

#include <algorithm>
#include <utility>

#include "GsiReader.h"
#include "LevelLineBuilder.h"
#include "M5Reader.h"

namespace korvado {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

enum class FileKind { M5, Gsi };

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  return bytes;
}

// The kind of file whose first line with any content is in bytes; both marks are ASCII,
// so the line is judged before any conversion of the code page.
FileKind Recognise(std::string_view bytes) {
  const size_t first = bytes.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) throw LevelFileError("Файл нивелира пуст.");
  const size_t lineStart = bytes.find_last_of("\r\n", first);
  const std::string_view line = bytes.substr(lineStart == std::string_view::npos ? 0 : lineStart + 1);
  if (IsM5Line(line)) return FileKind::M5;
  if (IsGsiLine(line)) return FileKind::Gsi;
  const auto lineNumber = static_cast<int32_t>(1 + std::count(bytes.begin(), bytes.begin() + first, '\n'));
  throw LevelFileError(lineNumber, "формат не распознан: ожидались измерения цифрового нивелира Leica GSI или DiNi M5");
}

}  // namespace

void CheckLevelFileHead(std::string_view head) {
  head = WithoutByteOrderMark(head);
  // A head of blanks only leaves the judgement to the whole file.
  if (head.find_first_not_of(" \t\r\n") != std::string_view::npos) Recognise(head);
}

LevelFile ReadLevelFile(std::string bytes) {
  const std::string_view content = WithoutByteOrderMark(bytes);
  // M5 counts its columns in the file's bytes, so it reads them before any conversion.
  if (Recognise(content) == FileKind::M5) return ReadM5(content);
  return ReadGsi(LevelFileText(std::string(content)));
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
