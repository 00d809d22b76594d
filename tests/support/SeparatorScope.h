#pragma once
// Sets the number separators for one test and restores "." and "," after it.

#include <string>

namespace korvado {

class SeparatorScope {
 public:
  SeparatorScope(char decimal, const std::string& thousands);
  ~SeparatorScope();
};

// For value-parameterised tests that must hold with both separators.
struct SeparatorCase {
  char decimal;
  const char* thousands;
};

}  // namespace korvado
