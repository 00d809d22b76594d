#pragma once
// The message with which reading a data file fails; empty when it reads.

#include <string>

#include "DataFile.h"
#include "ModelErrors.h"

namespace korvado {

inline std::string ReadFailure(const std::string& path) {
  TKorData journal;
  TNetList nets;
  try {
    ReadDataFile(path, journal, nets);
  } catch (const FileIOError& e) {
    return e.what();
  }
  return {};
}

}  // namespace korvado
