// A table of texts whose rows are made on demand: only the rows asked for
// are made, each once; sorting, tooltips and marks work on them as on rows
// given whole, and rows given whole again drop the source.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSortFilterProxyModel>

#include "TextTableModel.h"
#include "UiTestSupport.h"

namespace korvado {
namespace {

TEST(TextTableModel, RowsMadeOnDemandAreMadeOnceAndSortAndShowLikeRowsGivenWhole) {
  TextTableModel model({"Точка", "Отметка"}, {false, true});
  const QAbstractItemModelTester consistent(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  std::vector<int> made(1000, 0);
  // Row r: name "Tr", figure (r * 7) mod 1000 as text, so that sorting reorders every row.
  model.SetRows(1000, [&](int row) {
    ++made[static_cast<size_t>(row)];
    return std::vector<std::string>{"T" + std::to_string(row), std::to_string(row * 7 % 1000)};
  });
  model.SetToolTips(1, [](int row) { return row % 2 ? "полная " + std::to_string(row) : std::string(); });
  model.SetMarkedRows(std::vector<bool>(1000, false));
  ASSERT_EQ(model.rowCount(), 1000);
  const auto rowsMade = [&] { return 1000 - std::count(made.begin(), made.end(), 0); };
  EXPECT_LE(rowsMade(), 1) << "no row made before it is asked for but the first, which the model checker reads";

  EXPECT_EQ(model.index(3, 0).data().toString(), "T3");
  EXPECT_EQ(model.index(3, 1).data().toString(), "21");
  EXPECT_EQ(model.index(3, 1).data(Qt::ToolTipRole).toString(), "полная 3");
  EXPECT_FALSE(model.index(4, 1).data(Qt::ToolTipRole).isValid()) << "an empty tooltip is none";
  EXPECT_LE(rowsMade(), 2);
  EXPECT_EQ(made[3], 1) << "the row is kept once made";

  QSortFilterProxyModel sorted;
  sorted.setSourceModel(&model);
  sorted.setSortRole(TextTableModel::kSortRole);
  sorted.sort(1, Qt::DescendingOrder);
  for (int k = 0; k + 1 < sorted.rowCount(); ++k)
    ASSERT_GE(sorted.index(k, 1).data().toString().toInt(), sorted.index(k + 1, 1).data().toString().toInt()) << k;
  EXPECT_EQ(sorted.index(0, 1).data().toString(), "999") << "sorted as numbers, not as texts";
  EXPECT_EQ(*std::max_element(made.begin(), made.end()), 1) << "sorting made every row once, no more";

  model.SetRows({{"A", "1"}});
  ASSERT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.index(0, 0).data().toString(), "A");
  EXPECT_FALSE(model.index(0, 1).data(Qt::ToolTipRole).isValid()) << "the old tooltips went with the old rows";
}

}  // namespace
}  // namespace korvado
