#pragma once
// A whole file read into memory, for the files the program takes in besides
// its own data file (a level's measurements, a catalogue of heights).

#include <string>

namespace korvado {

// kind names the file in the messages, in the genitive: "нивелира" gives
// "Не удалось открыть файл нивелира PATH". Raises FileIOError when the file
// cannot be read.
std::string ReadWholeFile(const std::string& path, const std::string& kind);

}  // namespace korvado
