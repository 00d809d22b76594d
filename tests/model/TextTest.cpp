#include <gtest/gtest.h>

#include "ModelErrors.h"
#include "Utf8Text.h"
#include "Windows1251.h"

namespace korvado {
namespace {

TEST(Utf8Text, LengthsCountCharactersNotBytes) {
  EXPECT_EQ(Utf8CharCount("Rp1"), 3u);
  EXPECT_EQ(Utf8CharCount("Репер"), 5u);
  EXPECT_EQ(Utf8Left("Репер12", 5), "Репер");
  EXPECT_EQ(Utf8Left("ab", 5), "ab");
  EXPECT_EQ(Utf8Left("Ёж", 0), "");
}

TEST(Utf8Text, CaseIsIgnoredForLatinAndCyrillicLetters) {
  EXPECT_TRUE(SameTextIgnoringCase("rp1", "RP1"));
  EXPECT_TRUE(SameTextIgnoringCase("Репер Ёлка", "РЕПЕР ёЛКА"));
  EXPECT_TRUE(SameTextIgnoringCase("Їжак", "їЖАК"));
  EXPECT_FALSE(SameTextIgnoringCase("Rp1", "Rp2"));
  EXPECT_FALSE(SameTextIgnoringCase("е", "ё"));
}

TEST(Windows1251, CyrillicTextRoundTripsThroughItsSingleBytes) {
  const std::string name = "Рп-Ёё№1";
  const std::string bytes = EncodeWindows1251(name);
  EXPECT_EQ(bytes, std::string("\xD0\xEF-\xA8\xB8\xB9"
                               "1"));
  EXPECT_EQ(DecodeWindows1251(bytes), name);
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(EncodeWindows1251(DecodeWindows1251(all)), all);
}

TEST(Windows1251, CharactersOutsideTheCodePageAreRefusedByName) {
  EXPECT_TRUE(CanEncodeWindows1251("Репер №5 «А»"));
  EXPECT_FALSE(CanEncodeWindows1251("Rp\u4E2D"));
  EXPECT_EQ(FirstCharNotInWindows1251("ab\u00DFc"), "\u00DF");
  EXPECT_THROW(EncodeWindows1251("α"), EncodingError);
  EXPECT_NE(NotInWindows1251Message("xα").find("α"), std::string::npos);
}

}  // namespace
}  // namespace korvado
