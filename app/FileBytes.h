#pragma once
// A whole file read into memory, for the files the program takes in besides
// its own data file (a level's measurements, a catalogue of heights).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace korvado {

// Sees the file's length and its first bytes before the rest is read, and
// raises to refuse it: a stray large file must not fill the memory.
using FileStartCheck = std::function<void(uint64_t size, std::string_view head)>;

// kind names the file in the messages, in the genitive: "нивелира" gives
// "Не удалось открыть файл нивелира PATH". Raises FileIOError when the file
// cannot be read; checkStart gets at most headBytes of its start.
std::string ReadWholeFile(const std::string& path, const std::string& kind, const FileStartCheck& checkStart = {},
                          size_t headBytes = 0);

}  // namespace korvado
