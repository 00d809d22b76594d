#pragma once
// The floor every file reader is measured against: the whole file in one piece
// with one read call.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace korvado {

inline void ReadFileInOneCall(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  struct stat info {};
  fstat(fd, &info);
  std::string buffer(static_cast<size_t>(info.st_size), '\0');
  benchmark::DoNotOptimize(read(fd, buffer.data(), buffer.size()));
  close(fd);
  benchmark::DoNotOptimize(buffer.data());
}

}  // namespace korvado
