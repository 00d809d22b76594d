#pragma once
// FNV-1a, 64 bits: a hash of bytes that comes out the same from run to run and
// on every machine, for stamps kept in files and settings and for telling
// whether a net changed since a result was computed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvado {

class Fnv1a {
 public:
  Fnv1a& Add(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t k = 0; k < size; ++k) hash_ = (hash_ ^ bytes[k]) * kPrime;
    return *this;
  }
  Fnv1a& Add(std::string_view bytes) { return Add(bytes.data(), bytes.size()); }
  // With its terminating zero, so that "ab" then "c" differs from "a" then "bc".
  Fnv1a& AddText(const std::string& text) { return Add(text.c_str(), text.size() + 1); }
  // Lowest byte first, whatever the machine's byte order.
  Fnv1a& AddNumber(uint64_t value) {
    for (int byte = 0; byte < 8; ++byte, value >>= 8) hash_ = (hash_ ^ (value & 0xff)) * kPrime;
    return *this;
  }
  uint64_t Value() const { return hash_; }

 private:
  static constexpr uint64_t kPrime = 1099511628211ull;
  uint64_t hash_ = 14695981039346656037ull;
};

inline uint64_t Fnv1aOf(std::string_view bytes) { return Fnv1a().Add(bytes).Value(); }

}  // namespace korvado
