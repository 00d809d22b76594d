#pragma once
// A test fixture run once with "." and once with "," as the decimal separator.

#include <gtest/gtest.h>

#include <string>

#include "SeparatorScope.h"

namespace korvado {

class LocaleSeparatorTest : public ::testing::TestWithParam<SeparatorCase> {
 protected:
  // "100.00" written with the separator under test.
  std::string Dec(const std::string& text) const {
    std::string out = text;
    for (char& c : out)
      if (c == '.') c = GetParam().decimal;
    return out;
  }

 private:
  SeparatorScope separators_{GetParam().decimal, GetParam().thousands};
};

inline std::string SeparatorCaseName(const ::testing::TestParamInfo<SeparatorCase>& info) {
  return info.param.decimal == '.' ? "Point" : "Comma";
}

#define KORVADO_WITH_BOTH_SEPARATORS(Fixture)                                                                        \
  INSTANTIATE_TEST_SUITE_P(Separators, Fixture, ::testing::Values(SeparatorCase{'.', ","}, SeparatorCase{',', " "}), \
                           SeparatorCaseName)

}  // namespace korvado
