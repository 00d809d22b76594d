#pragma once
// Little-endian integers and doubles in a byte string, the only byte order of the data file.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace korvado {

template <class Unsigned>
void AppendLittleEndian(std::string& out, Unsigned value) {
  char bytes[sizeof(Unsigned)];
  for (size_t k = 0; k < sizeof(Unsigned); ++k) bytes[k] = static_cast<char>((value >> (8 * k)) & 0xFF);
  out.append(bytes, sizeof(Unsigned));
}

inline void AppendDouble(std::string& out, double value) { AppendLittleEndian(out, std::bit_cast<uint64_t>(value)); }

// The caller guarantees sizeof(Unsigned) bytes at p.
template <class Unsigned>
Unsigned LoadLittleEndian(const char* p) {
  Unsigned value = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&value, p, sizeof(Unsigned));
  } else {
    for (size_t k = 0; k < sizeof(Unsigned); ++k)
      value |= static_cast<Unsigned>(static_cast<unsigned char>(p[k])) << (8 * k);
  }
  return value;
}

}  // namespace korvado
