#include "FileBytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "ModelErrors.h"
#include "Utf8Path.h"

namespace korvado {

// A pipe or a device is refused before it is opened: opening a pipe would
// wait for a writer, reading a device would not end.
std::string ReadWholeFile(const std::string& path, const std::string& kind, const FileStartCheck& checkStart,
                          size_t headBytes) {
  std::error_code error;
  if (std::filesystem::exists(PathFromUtf8(path), error) &&
      !std::filesystem::is_regular_file(PathFromUtf8(path), error))
    throw FileIOError("Файл " + kind + " " + path +
                      " — не обычный файл (папка, устройство или канал); его нельзя прочитать.");
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) throw FileIOError("Не удалось открыть файл " + kind + " " + path);
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) throw FileIOError("Не удалось прочитать файл " + kind + " " + path);
  std::string bytes(static_cast<size_t>(std::min<std::streamoff>(size, static_cast<std::streamoff>(headBytes))), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!in) throw FileIOError("Не удалось прочитать файл " + kind + " " + path);
  if (checkStart) checkStart(static_cast<uint64_t>(size), bytes);
  const size_t head = bytes.size();
  bytes.resize(static_cast<size_t>(size));
  in.read(bytes.data() + head, static_cast<std::streamsize>(bytes.size() - head));
  if (!in) throw FileIOError("Не удалось прочитать файл " + kind + " " + path);
  return bytes;
}

}  // namespace korvado
