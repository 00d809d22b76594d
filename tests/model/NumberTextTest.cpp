#include <gtest/gtest.h>

#include <clocale>

#include "ModelErrors.h"
#include "NumberText.h"
#include "SeparatorScope.h"

namespace korvado {
namespace {

TEST(Rounding, HalvesGoToTheEvenDigitEvenWhenStoredJustBelow) {
  EXPECT_EQ(RoundHalfEven(2, 1.005), 1.00);
  EXPECT_EQ(RoundHalfEven(2, 1.015), 1.02);
  EXPECT_EQ(RoundHalfEven(2, 2.345), 2.34);
  EXPECT_EQ(RoundHalfEven(2, -2.675), -2.68);
  EXPECT_EQ(RoundHalfEven(2, 0.125), 0.12);
  EXPECT_EQ(RoundHalfEven(0, 2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(0, 3.5), 4.0);
  EXPECT_EQ(RoundHalfEven(2, 0.7345), 0.73);
  EXPECT_EQ(RoundHalfEven(2, 4.875), 4.88);
}

TEST(Rounding, NonHalvesRoundToNearestAndNegativeDigitsRoundToTens) {
  EXPECT_EQ(RoundHalfEven(2, 1.2351), 1.24);
  EXPECT_EQ(RoundHalfEven(2, -1.2349), -1.23);
  EXPECT_EQ(RoundHalfEven(-1, 125.0), 120.0);
  EXPECT_EQ(RoundHalfEven(-1, 135.0), 140.0);
  EXPECT_EQ(RoundHalfEven(-2, 1251.0), 1300.0);
  // The result is the double nearest to the decimal value, not a scaled approximation.
  EXPECT_EQ(RoundHalfEven(2, 2.6750001), 2.68);
  EXPECT_EQ(RoundHalfEven(2, 0.1 + 0.2), 0.3);
}

class NumberTextWithSeparator : public ::testing::TestWithParam<SeparatorCase> {
 protected:
  void SetUp() override { scope_ = std::make_unique<SeparatorScope>(GetParam().decimal, GetParam().thousands); }
  // "1.5" written with the separator under test.
  std::string L(std::string text) const {
    for (char& c : text)
      if (c == '.') c = GetParam().decimal;
    return text;
  }
  std::unique_ptr<SeparatorScope> scope_;
};

TEST_P(NumberTextWithSeparator, GeneralFormIsShortestWithFifteenSignificantDigits) {
  EXPECT_EQ(FormatGeneral(1500.0), "1500");
  EXPECT_EQ(FormatGeneral(1.25), L("1.25"));
  EXPECT_EQ(FormatGeneral(-0.5), L("-0.5"));
  EXPECT_EQ(FormatGeneral(2.0 / 3.0), L("0.666666666666667"));
  EXPECT_EQ(FormatGeneral(0.1 + 0.2), L("0.3"));
  EXPECT_EQ(FormatGeneral(0.0), "0");
  EXPECT_EQ(FormatGeneral(-0.0), "0");
  EXPECT_EQ(FormatGeneral(1234567.0), "1234567");
  EXPECT_EQ(FormatGeneral(1e20), "1E20");
  EXPECT_EQ(DecimalSeparatorChar(), GetParam().decimal);
}

TEST_P(NumberTextWithSeparator, FixedFormPadsToTheDigits) {
  EXPECT_EQ(FormatFixed(2, 3), L("3.00"));
  EXPECT_EQ(FormatFixed(2, -0.5), L("-0.50"));
  EXPECT_EQ(FormatFixed(2, 1.234), L("1.23"));
  EXPECT_EQ(FormatFixed(0, 2.5), "2");
  EXPECT_EQ(FormatFixed(2, 2.675), L("2.68"));
  EXPECT_EQ(CountDecimals(L("12.345")), 3);
  EXPECT_EQ(CountDecimals("12"), 0);
}

TEST_P(NumberTextWithSeparator, GroupedFormIsRightAlignedToElevenCharacters) {
  const std::string t = GetParam().thousands;
  EXPECT_EQ(FormatGrouped(25.0), L("      25.00"));
  EXPECT_EQ(FormatGrouped(-0.25), L("      -0.25"));
  EXPECT_EQ(FormatGrouped(1234.5), std::string(11 - 8, ' ') + "1" + t + L("234.50"));
  EXPECT_EQ(FormatGrouped(1234567.0), "1" + t + "234" + t + L("567.00"));
}

TEST_P(NumberTextWithSeparator, ParsingTakesOnlyTheLocaleSeparatorAndNoGrouping) {
  EXPECT_EQ(ParseDouble(L("1523.5")), 1523.5);
  EXPECT_EQ(ParseDouble("-12"), -12.0);
  EXPECT_EQ(ParseDouble(L(" 0.25 ")), 0.25);
  const std::string other = GetParam().decimal == '.' ? "1,5" : "1.5";
  EXPECT_THROW(ParseDouble(other), ConversionError);
  EXPECT_THROW(ParseDouble(""), ConversionError);
  EXPECT_THROW(ParseDouble("12a"), ConversionError);
  try {
    ParseDouble("abc");
    FAIL() << "no error raised";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "«abc» не является числом");
  }
  EXPECT_EQ(ParseInteger("12"), 12);
  EXPECT_THROW(ParseInteger("1.5"), ConversionError);
  EXPECT_THROW(ParseInteger("99999999999"), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(PointAndComma, NumberTextWithSeparator,
                         ::testing::Values(SeparatorCase{'.', ","}, SeparatorCase{',', "\u00a0"}));

}  // namespace
}  // namespace korvado

namespace korvado {
namespace {

TEST(NumberTextLocale, TheCLibraryLocaleDoesNotChangeNumberText) {
  SeparatorScope scope('.', ",");
  // A windowing toolkit may switch the C library to the user's locale.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  const bool switched = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(FormatGeneral(1.5), "1.5");
  EXPECT_EQ(FormatGrouped(1234.5), "   1,234.50");
  EXPECT_EQ(ParseDouble("1000.5"), 1000.5);
  EXPECT_THROW(ParseDouble("1e999"), ConversionError);
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!switched) GTEST_SKIP() << "no comma locale installed; checked under the C locale only";
}

}  // namespace
}  // namespace korvado
