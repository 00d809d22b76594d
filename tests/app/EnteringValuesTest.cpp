// Every value that enters the program, typed, pasted, given in a dialog or on
// the command line, is a finite number within the sane range of its kind, and
// a number written with the other decimal separator is never misread.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "AdjustmentCommands.h"
#include "ClipboardJournalText.h"
#include "FixedElevations.h"
#include "JournalCommands.h"
#include "LeastSquaresCommands.h"
#include "ModelErrors.h"
#include "NetTestData.h"
#include "NumberText.h"
#include "SeparatorScope.h"
#include "ValueRanges.h"

namespace korvado {
namespace {

std::string ConversionText(const std::function<void()>& parse) {
  try {
    parse();
  } catch (const ConversionError& error) {
    return error.what();
  }
  return {};
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(EnteringValues, TheOtherDecimalSeparatorIsRefusedNamingTheOneToUse) {
  const struct {
    char locale;
    const char* typed;
    const char* says;
  } cases[] = {{',', "1804.5", "десятичный разделитель — «,»"},
               {'.', "1804,5", "десятичный разделитель — «.»"},
               {',', "-0.25e3", "десятичный разделитель — «,»"}};
  for (const auto& c : cases) {
    SeparatorScope scope(c.locale, "");
    const std::string refusal = ConversionText([&] { ParseDouble(c.typed); });
    EXPECT_TRUE(Holds(refusal, c.says)) << c.typed << ": " << refusal;
  }
  SeparatorScope scope(',', "");
  EXPECT_EQ(ConversionText([] { ParseDouble("1.2.3"); }), "«1.2.3» не является числом") << "no number either way";
  EXPECT_DOUBLE_EQ(ParseDouble("1804,5"), 1804.5);
}

TEST(EnteringValues, EachKindHasItsSaneRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    ValueKind kind;
    double value;
    bool sane;
  } cases[] = {
      {ValueKind::Reading, 102428, true},
      {ValueKind::Reading, -1500, true},
      {ValueKind::Reading, 1e308, false},
      {ValueKind::Reading, nan, false},
      {ValueKind::Height, 154101.87, true},
      {ValueKind::Height, -11e6, true},
      {ValueKind::Height, 1.7e308, false},
      {ValueKind::Height, -inf, false},
      {ValueKind::Setups, 0.5, true},
      {ValueKind::Setups, 65535.0 * 65535.0, true},
      {ValueKind::Setups, 0.0, false},
      {ValueKind::Setups, -3.0, false},
      {ValueKind::Setups, 5e-324, false},
      {ValueKind::Setups, 1e300, false},
      {ValueKind::SigmaPerSetup, 0.05, true},
      {ValueKind::SigmaPerSetup, 1e-300, false},
      {ValueKind::SigmaPerSetup, 1e-320, false},
      {ValueKind::SigmaPerSetup, inf, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSaneValue(c.kind, c.value), c.sane) << c.value;
    EXPECT_EQ(ValueFault(c.kind, c.value).empty(), c.sane) << c.value;
  }
  EXPECT_EQ(ValueFault(ValueKind::Setups, -3.0), "-3, а должно быть больше нуля");
}

TEST(EnteringValues, AReadingBeyondAnyStaffIsRefusedTypedOrPasted) {
  SeparatorScope scope(',', "");
  AppState state;
  ASSERT_TRUE(state.Journal.AddRecord("Rp1", "Rp2", 1, ""));
  const TKorData before = state.Journal;
  const std::string digits308(308, '9');
  for (const std::string& typed : {digits308, std::string("1e308"), std::string("-2000000")}) {
    EXPECT_TRUE(WriteReadingCell(state, 0, ReadingLayout::Precise, 0, 1, typed)) << typed << " stays in the editor";
    EXPECT_TRUE(Holds(CheckCellNumber(JournalGrid::Detail, 1, typed).RefusalText(),
                      "вне разумных пределов: от -1000000 до 1000000"))
        << typed;
  }
  EXPECT_EQ(state.Journal, before);
  EXPECT_TRUE(std::isfinite(state.Journal.HeightDiffs.GetItem(0)));

  const std::string pasted = "Rp1\t1e308\t7000\nRp2\t500\t6500\nx\t1\n";
  const std::string refusal = ParseClipboardJournal(pasted).RefusalText();
  EXPECT_TRUE(Holds(refusal, "Строка 1, ячейка 2")) << refusal;
  EXPECT_TRUE(Holds(refusal, "вне разумных пределов")) << refusal;
}

TEST(EnteringValues, FixedElevationsAreNumbersWithinRange) {
  TKorNet net;
  ASSERT_TRUE(net.AddPoint("Rp1", kFixedPoint, 0.0));
  ASSERT_TRUE(net.AddPoint("K", kNodalPoint, 0.0));
  const struct {
    AltitudeRow row;
    const char* says;
  } refused[] = {{{"K", "-1.7e308"}, "«K»: «-1.7e308» — вне разумных пределов"},
                 {{"Rp1", "1e300"}, "«1e300» — вне разумных пределов"},
                 {{"Rp1", "inf"}, "«inf» не является числом"}};
  for (const auto& c : refused) {
    const Outcome outcome = ApplyFixedElevations(net, {{"Rp1", "154101.87"}, c.row});
    EXPECT_TRUE(Holds(outcome.RefusalText(), c.says)) << outcome.RefusalText();
    EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{0.0, 0.0})) << "all or nothing";
  }
  EXPECT_TRUE(ApplyFixedElevations(net, {{"Rp1", "154101.87"}}).Ok());
  EXPECT_DOUBLE_EQ(net.PointElevations.GetItem(0), 154101.87);
}

TEST(EnteringValues, SigmaPerSetupOutsideItsRangeIsRefusedAndKept) {
  AppState state;
  std::vector<std::string> refusals;
  for (const char* typed : {"1e-300", "1e-320", "5000", "0", "nan"}) {
    refusals.push_back(SetSigmaPerSetup(state, typed).RefusalText());
    EXPECT_FALSE(refusals.back().empty()) << typed;
    EXPECT_EQ(state.SigmaPerSetup, 0.5) << typed;
  }
  EXPECT_TRUE(Holds(refusals[0], "от 0.001 до 1000")) << refusals[0];
  EXPECT_TRUE(SetSigmaPerSetup(state, "0.05"));
  EXPECT_EQ(state.SigmaPerSetup, 0.05);
}

}  // namespace
}  // namespace korvado
