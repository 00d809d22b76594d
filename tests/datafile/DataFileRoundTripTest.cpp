// What is written is read back unchanged, through memory and through a file.

#include <gtest/gtest.h>

#include "DataFile.h"
#include "SurveySamples.h"
#include "TempFolder.h"

namespace korvado {
namespace {

void ExpectRoundTrip(const TKorData& journal, const TNetList& nets) {
  const std::string bytes = WriteDataBytes(journal, nets);
  TKorData readJournal;
  TNetList readNets;
  ReadDataBytes(bytes, "round.kor", readJournal, readNets);
  EXPECT_EQ(readJournal, journal);
  EXPECT_TRUE(readNets == nets);
  EXPECT_EQ(WriteDataBytes(readJournal, readNets), bytes);
}

TEST(DataFileRoundTrip, JournalWithInsertedRecordKeepsItsSetupRanges) {
  const TKorData journal = SampleJournal();
  ASSERT_EQ(journal.FirstSetup.Items(), (std::vector<int32_t>{3, 0, 2}));
  ASSERT_EQ(journal.LastSetup.Items(), (std::vector<int32_t>{5, 1, 2}));
  ExpectRoundTrip(journal, TNetList());

  TKorData read;
  TNetList nets;
  ReadDataBytes(WriteDataBytes(journal, TNetList()), "ranges.kor", read, nets);
  EXPECT_EQ(read.FirstSetup.Items(), journal.FirstSetup.Items());
  EXPECT_EQ(read.LastSetup.Items(), journal.LastSetup.Items());
  EXPECT_EQ(read.SetupBackPoints[3], "Рп1");
  EXPECT_EQ(read.Notes[0], "повторный ход");
}

TEST(DataFileRoundTrip, CyrillicNamesAreStoredAsWindows1251Bytes) {
  const TKorData journal = SampleJournal();
  const std::string bytes = WriteDataBytes(journal, TNetList());
  const std::string firstBack = bytes.substr(5, 4);  // "Рп1"
  EXPECT_EQ(firstBack, std::string("\x03\xD0\xEF\x31"));
  const size_t notes = 5 + 3 * (21 + 21 + 2 + 8);
  EXPECT_EQ(bytes.substr(notes, 14), std::string("\x0D\xEF\xEE\xE2\xF2\xEE\xF0\xED\xFB\xE9 \xF5\xEE\xE4"));
  ExpectRoundTrip(journal, TNetList());
}

TEST(DataFileRoundTrip, HeightsAndReadingsKeepEveryBit) {
  TKorData journal = SampleJournal();
  journal.HeightDiffs.SetItem(1, InvalidHeight);
  journal.SetupHeightDiffs.SetItem(0, InvalidHeight);
  journal.BackMainReading.SetItem(2, 0.1 + 0.2);
  journal.ForeAuxReading.SetItem(4, -1e-300);
  ExpectRoundTrip(journal, TNetList());
}

TEST(DataFileRoundTrip, TechnicalJournal) {
  const TKorData journal = SampleJournal(true);
  ExpectRoundTrip(journal, TNetList());
  TKorData read;
  TNetList nets;
  ReadDataBytes(WriteDataBytes(journal, nets), "tech.kor", read, nets);
  EXPECT_TRUE(read.TechMode);
}

TEST(DataFileRoundTrip, NetsWithSectionsPendentRunsPointsAndMergedRuns) {
  const TKorData journal = SampleJournal();
  const TNetList nets = SampleNets(3);
  ExpectRoundTrip(journal, nets);

  TKorData readJournal;
  TNetList read;
  ReadDataBytes(WriteDataBytes(journal, nets), "nets.kor", readJournal, read);
  ASSERT_EQ(read.NetCount(), 3);
  const TKorNet& net = read.NetAt(1);
  EXPECT_EQ(net.Name, "Сеть 2");
  ASSERT_EQ(net.SectionCount(), 2);
  EXPECT_DOUBLE_EQ(net.SectionHeights.GetItem(0), 1.17 + 2.34);
  EXPECT_DOUBLE_EQ(net.SectionSetups.GetItem(0), 3.0 + 2.0 / 3.0);
  const TKorNetDetailTable& first = net.SectionTables.TableAt(0);
  EXPECT_EQ(first.RunRefs.ListAt(0).Items(), (std::vector<int32_t>{1}));
  EXPECT_EQ(first.RunRefs.ListAt(1).Items(), (std::vector<int32_t>{2, -3, -2}));
  const TKorNetDetailTable& second = net.SectionTables.TableAt(1);
  ASSERT_EQ(second.PendentCount(), 1);
  EXPECT_EQ(second.PendentForePoints[0], "Вт1");
  EXPECT_EQ(second.PendentSetups.GetItem(0), 4);
  EXPECT_EQ(second.PendentRefs.ListAt(0).Items(), (std::vector<int32_t>{-2}));
  EXPECT_EQ(net.PointTypes.Items(), (std::vector<int32_t>{kFixedPoint, kNodalPoint, kFixedPoint}));
  EXPECT_EQ(net.PointElevations.Items(), (std::vector<double>{101.234, 0.0, 99.5}));
}

TEST(DataFileRoundTrip, SectionRowsAreTakenFromTheFileNotRebuilt) {
  TNetList nets = SampleNets(1);
  nets.NetAt(0).SectionHeights.SetItem(0, 42.0);
  nets.NetAt(0).SectionEnds.Set(1, "Другая");
  ExpectRoundTrip(SampleJournal(), nets);
}

TEST(DataFileRoundTrip, EmptyJournalAndNetWithoutSections) {
  TNetList nets;
  EXPECT_TRUE(nets.AddNet(""));
  ExpectRoundTrip(TKorData(), nets);
  ExpectRoundTrip(TKorData(), TNetList());
}

TEST(DataFileRoundTrip, ThroughAFileOnDisk) {
  TempFolder folder;
  const std::string path = folder.File("съёмка.kor");
  const TKorData journal = SampleJournal();
  const TNetList nets = SampleNets(2);
  WriteDataFile(path, journal, nets);
  EXPECT_EQ(ReadBytes(path), WriteDataBytes(journal, nets));
  TKorData read;
  TNetList readNets;
  ReadDataFile(path, read, readNets);
  EXPECT_EQ(read, journal);
  EXPECT_TRUE(readNets == nets);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"съёмка.kor"}));
}

}  // namespace
}  // namespace korvado
