#include <gtest/gtest.h>

#include "LocaleSeparatorTest.h"
#include "LoopCommands.h"
#include "LoopNets.h"

namespace korvado {
namespace {

AppState TriangleState() {
  AppState state;
  testnets::AddTriangleNet(state);
  return state;
}

class LoopCommands : public LocaleSeparatorTest {};

TEST_P(LoopCommands, RowsVerdictsCopyAndTheWarningFollowTheClass) {
  AppState state = TriangleState();
  state.LoopTolerance = {ToleranceClass::Custom, 0.1};  // allows 0.24 around the triangle, 0.10 on the line
  LoopsView view = CurrentNetLoops(state);
  ASSERT_TRUE(view.refusal.empty());
  ASSERT_EQ(view.rows.size(), 2u);
  const LoopRow& loop = view.rows[0];
  EXPECT_EQ(loop.kind, "полигон");
  EXPECT_EQ(loop.points, "K – L – A – K");
  EXPECT_EQ(loop.setups, "6");
  EXPECT_EQ(loop.misclosure, Dec("0.25"));
  EXPECT_EQ(loop.allowed, Dec("0.24"));
  EXPECT_EQ(loop.verdict, "превышает допуск");
  EXPECT_FALSE(loop.passed);
  EXPECT_EQ(loop.sections, (std::vector<int32_t>{1, 2, 0}));
  const LoopRow& line = view.rows[1];
  EXPECT_EQ(line.kind, "линия");
  EXPECT_EQ(line.points, "A – C");
  EXPECT_EQ(line.misclosure, Dec("-0.03"));
  EXPECT_EQ(line.ratio, Dec("0.30"));
  EXPECT_TRUE(line.passed);
  EXPECT_EQ(view.failedCount, 1);

  EXPECT_EQ(LoopsText(view), "Допуск: f_доп = " + Dec("0.1") +
                                 "·√n мм, n — число штативов\n"
                                 "№\tВид\tТочки\tn\tf, мм\tf_доп, мм\t|f|/f_доп\tОценка\n"
                                 "1\tполигон\tK – L – A – K\t6\t" +
                                 Dec("0.25\t0.24\t1.02") +
                                 "\tпревышает допуск\n"
                                 "2\tлиния\tA – C\t1\t" +
                                 Dec("-0.03\t0.10\t0.30") + "\tв допуске\n");
  const std::string warning = FailingLoopsWarning(state);
  EXPECT_NE(warning.find("невязки 1 из 2"), std::string::npos) << warning;
  EXPECT_NE(warning.find(view.formula), std::string::npos);

  state.LoopTolerance = {ToleranceClass::FourthClass, 0.1};
  view = CurrentNetLoops(state);
  EXPECT_EQ(view.failedCount, 0);
  EXPECT_EQ(view.formula, "f_доп = 5·√n мм, n — число штативов");
  EXPECT_EQ(FailingLoopsWarning(state), "");
}

TEST_P(LoopCommands, NoNetOrNoSectionsIsRefusedWithoutAWarning) {
  AppState state;
  EXPECT_FALSE(CurrentNetLoops(state).refusal.empty());
  EXPECT_TRUE(state.Nets.AddNet("Пустая"));
  state.CurrentNetIndex = 0;
  EXPECT_NE(CurrentNetLoops(state).refusal.find("нет звеньев"), std::string::npos);
  EXPECT_EQ(FailingLoopsWarning(state), "");
}

KORVADO_WITH_BOTH_SEPARATORS(LoopCommands);

}  // namespace
}  // namespace korvado
