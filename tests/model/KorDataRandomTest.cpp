#include <gtest/gtest.h>

#include <random>

#include "JournalAssertions.h"
#include "KorData.h"

namespace korvado {
namespace {

// Long random edit sequences must keep the setup bookkeeping whole after every step.
TEST(JournalRandomEdits, RangesStayDisjointCoveringAndNamedByTheRule) {
  int refusedDeletes = 0;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    TKorData journal;
    for (int step = 0; step < 400; ++step) {
      const int records = journal.RecordCount();
      const int target = pick(-1, records);  // now and then out of range on purpose
      const auto count = static_cast<uint16_t>(pick(0, 6));
      const std::string back = "B" + std::to_string(step);
      const std::string fore = "F" + std::to_string(step);
      int named = -1;  // the record whose names the step has just set
      switch (pick(0, 3)) {
        case 0:
          if (journal.AddRecord(back, fore, count, "")) named = records;
          break;
        case 1:
          if (journal.InsertRecord(target, back, fore, count, "")) named = target;
          break;
        case 2:
          if (!journal.DeleteRecord(target)) ++refusedDeletes;
          break;
        case 3: {
          const int before = target >= 0 ? journal.SetupCounts.GetItem(target) : -1;
          if (journal.SetSetupCount(target, count) && count > before) named = target;
          if (target >= 0 && target < records && count > 0 && count < before) {
            const int last = journal.LastSetup.GetItem(target);
            ASSERT_EQ(journal.SetupForePoints[last], journal.ForePoints[target]) << "seed " << seed;
          }
          break;
        }
      }
      ASSERT_TRUE(JournalIsConsistent(journal)) << "seed " << seed << " step " << step;
      if (named >= 0) {
        ASSERT_TRUE(SetupsNamedByRule(journal, named)) << "seed " << seed << " step " << step;
      }
    }
  }
  EXPECT_GT(refusedDeletes, 0);  // refusals happened and changed nothing
}

}  // namespace
}  // namespace korvado
