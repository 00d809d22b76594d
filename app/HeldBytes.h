#pragma once
// The heap memory a value holds beyond its own size, as the undo history
// counts it against its budget: a vector's whole capacity, a string's buffer
// unless the text is short enough to live inside the string itself.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "KorData.h"
#include "ListClasses.h"

namespace korvado {

template <class T>
requires std::is_arithmetic_v<T> size_t HeldBytes(const T&) { return 0; }

inline size_t HeldBytes(const std::string& text) {
  const char* self = reinterpret_cast<const char*>(&text);
  const std::less<const char*> before;
  const bool inside = !before(text.data(), self) && before(text.data(), self + sizeof text);
  return inside ? 0 : text.capacity() + 1;
}

template <class T>
size_t HeldBytes(const std::vector<T>& items) {
  size_t bytes = items.capacity() * sizeof(T);
  if constexpr (!std::is_arithmetic_v<T>)
    for (const T& item : items) bytes += HeldBytes(item);
  return bytes;
}

template <class T>
size_t HeldBytes(const ValueList<T>& column) {
  return HeldBytes(column.Items());
}
inline size_t HeldBytes(const StringList& column) { return HeldBytes(column.Items()); }
inline size_t HeldBytes(const TIndexLists& column) {
  size_t bytes = static_cast<size_t>(column.Count()) * (sizeof(std::unique_ptr<TIntList>) + sizeof(TIntList));
  for (int32_t i = 0; i < column.Count(); ++i) bytes += HeldBytes(column.ListAt(i).Items());
  return bytes;
}

}  // namespace korvado
