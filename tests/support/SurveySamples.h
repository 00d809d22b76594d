#pragma once
// Small surveys for tests of everything that stores or shows a whole job.

#include <string>

#include "KorData.h"
#include "KorNets.h"

namespace korvado {

// Three runs with Cyrillic names and notes and six setups with readings. The
// first record was inserted before the others, so its setups lie at the end
// of the setup columns.
inline TKorData SampleJournal(bool techMode = false) {
  TKorData j;
  j.TechMode = techMode;
  EXPECT_TRUE(j.AddRecord("Рп7", "Б2", 2, "утро, ясно"));
  EXPECT_TRUE(j.AddRecord("Б2", "Рп9", 1, ""));
  EXPECT_TRUE(j.InsertRecord(0, "Рп1", "Рп7", 3, "повторный ход"));
  for (int32_t s = 0; s < j.SetupTotal(); ++s)
    j.SetSetupData(s, j.SetupBackPoints[s], j.SetupForePoints[s], 1520.0 + s, 1403.5 - s, 6305.0 + s, 6188.5 - s,
                   s % 2 ? "ветер" : "");
  for (int32_t i = 0; i < j.RecordCount(); ++i) j.RecalcRecordHeight(i);
  return j;
}

// A net of two sections: the first of two runs, its second run merged from
// three journal runs; the second with one pendent run; three points.
inline void AddSampleNet(TNetList& nets, const std::string& name = "Северная сеть") {
  TKorNet& net = nets.NetAt(*nets.AddNet(name));
  EXPECT_TRUE(net.AddSection("Рп1", "Рп7", kFixedPoint, kIntermediatePoint, 1.17, 3.0, MakeJournalRef(0, false)));
  EXPECT_TRUE(net.AppendRun(0, "Б2", kNodalPoint, 2.34, 2.0 / 3.0, MakeJournalRef(1, false)));
  TIntList& merged = net.SectionTables.TableAt(0).RunRefs.ListAt(1);
  merged.Add(MakeJournalRef(2, true));
  merged.Add(MakeJournalRef(1, true));
  EXPECT_TRUE(net.AddSection("Б2", "Рп9", kNodalPoint, kFixedPoint, -0.58, 1.0, MakeJournalRef(2, false)));
  EXPECT_TRUE(
      net.SectionTables.TableAt(1).AddPendentRun(kIntermediatePoint, "Б2", "Вт1", 4, 0.33, MakeJournalRef(1, true)));
  EXPECT_TRUE(net.AddPoint("Рп1", kFixedPoint, 101.234));
  EXPECT_TRUE(net.AddPoint("Б2", kNodalPoint, 0.0));
  EXPECT_TRUE(net.AddPoint("Рп9", kFixedPoint, 99.5));
}

inline TNetList SampleNets(int count = 2) {
  TNetList nets;
  for (int k = 0; k < count; ++k) AddSampleNet(nets, "Сеть " + std::to_string(k + 1));
  return nets;
}

}  // namespace korvado
