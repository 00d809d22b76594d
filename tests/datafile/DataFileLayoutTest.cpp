// The data file byte for byte: field order, sizes, byte order, code page and padding.

#include <gtest/gtest.h>

#include <cstring>

#include "DataFile.h"
#include "SurveySamples.h"

namespace korvado {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

// A length byte, the characters and zeros up to the field's size.
std::string Field(const std::string& chars, size_t capacity) {
  return static_cast<char>(chars.size()) + chars + std::string(capacity - chars.size(), '\0');
}

std::string Zeros(size_t n) { return std::string(n, '\0'); }

TKorData NewJournal() {
  TKorData j;
  EXPECT_TRUE(j.AddRecord("Rp1", "Rp2", 1, ""));
  return j;
}

TEST(DataFileLayout, NewJournalIsTheKnown197ByteFile) {
  const std::string expected = Bytes({0x00, 0x01, 0x00, 0x01, 0x00})  // flag, R, S
                               + Field("Rp1", 20) + Field("Rp2", 20)  // back, fore point
                               + Bytes({0x01, 0x00})                  // setup count
                               + Zeros(8)                             // height difference 0.0
                               + Field("", 30)                        // note
                               + Bytes({0x00, 0x00, 0x00, 0x00})      // first and last setup
                               + Field("Rp1", 20) + Field("Rp2", 20)  // setup back, fore point
                               + Zeros(5 * 8)                         // four readings, height
                               + Field("", 20)                        // setup note
                               + Bytes({0x00, 0x00});                 // no nets
  const std::string bytes = WriteDataBytes(NewJournal(), TNetList());
  ASSERT_EQ(bytes.size(), 197u);
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.substr(0, 9), Bytes({0x00, 0x01, 0x00, 0x01, 0x00, 0x03, 0x52, 0x70, 0x31}));
  EXPECT_EQ(bytes.substr(26, 4), Bytes({0x03, 0x52, 0x70, 0x32}));
  EXPECT_EQ(bytes.substr(195), Bytes({0x00, 0x00}));

  TKorData journal;
  TNetList nets;
  ReadDataBytes(bytes, "new.kor", journal, nets);
  EXPECT_EQ(journal, NewJournal());
  EXPECT_EQ(WriteDataBytes(journal, nets), bytes);
}

TEST(DataFileLayout, NumbersAreLittleEndianAndNamesAreWindows1251) {
  TKorData j;
  EXPECT_TRUE(j.AddRecord("Рп1", "Ёж", 300, "Ночь"));
  j.HeightDiffs.SetItem(0, 1.5);
  const std::string bytes = WriteDataBytes(j, TNetList());
  EXPECT_EQ(bytes.substr(1, 4), Bytes({0x01, 0x00, 0x2C, 0x01}));         // R = 1, S = 300
  EXPECT_EQ(bytes.substr(5, 4), Bytes({0x03, 0xD0, 0xEF, 0x31}));         // "Рп1"
  EXPECT_EQ(bytes.substr(26, 3), Bytes({0x02, 0xA8, 0xE6}));              // "Ёж"
  EXPECT_EQ(bytes.substr(47, 2), Bytes({0x2C, 0x01}));                    // 300 setups
  EXPECT_EQ(bytes.substr(49, 8), Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));  // 1.5
  EXPECT_EQ(bytes.substr(57, 5), Bytes({0x04, 0xCD, 0xEE, 0xF7, 0xFC}));  // "Ночь"
  EXPECT_EQ(bytes.substr(88, 4), Bytes({0x00, 0x00, 0x2B, 0x01}));        // setups 0 .. 299
  EXPECT_EQ(bytes.size(), 5 + 87 + 300 * 103 + 2u);
}

TEST(DataFileLayout, TechnicalFlagIsOneAndAnyNonZeroFlagReadsAsTechnical) {
  const std::string bytes = WriteDataBytes(SampleJournal(true), TNetList());
  EXPECT_EQ(bytes[0], 1);
  for (int flag : {1, 2, 0x80, 0xFF}) {
    std::string changed = bytes;
    changed[0] = static_cast<char>(flag);
    TKorData journal;
    TNetList nets;
    ReadDataBytes(changed, "tech.kor", journal, nets);
    EXPECT_TRUE(journal.TechMode) << flag;
  }
}

TEST(DataFileLayout, LongNamesAndNotesAreCutToTheirFields) {
  const std::string latin25 = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  const std::string cyrillic25 = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШ";
  const std::string note35 = "Примечание длиной в тридцать пять!!";
  TKorData j;
  EXPECT_TRUE(j.AddRecord(latin25, cyrillic25, 1, note35));
  const std::string bytes = WriteDataBytes(j, TNetList());
  EXPECT_EQ(bytes.substr(5, 21), Field(latin25.substr(0, 20), 20));
  EXPECT_EQ(static_cast<unsigned char>(bytes[26]), 20);
  EXPECT_EQ(static_cast<unsigned char>(bytes[27]), 0xC0);  // А
  EXPECT_EQ(static_cast<unsigned char>(bytes[46]), 0xD3);  // У, the 20th letter
  EXPECT_EQ(static_cast<unsigned char>(bytes[57]), 30);

  TKorData journal;
  TNetList nets;
  ReadDataBytes(bytes, "long.kor", journal, nets);
  EXPECT_EQ(journal.BackPoints[0], latin25.substr(0, 20));
  EXPECT_EQ(journal.ForePoints[0], "АБВГДЕЖЗИЙКЛМНОПРСТУ");
  EXPECT_EQ(journal.Notes[0], "Примечание длиной в тридцать п");
}

TEST(DataFileLayout, ReaderIgnoresPaddingAndCapsTheLengthByte) {
  std::string bytes = WriteDataBytes(NewJournal(), TNetList());
  for (size_t k = 9; k < 26; ++k) bytes[k] = 'z';  // padding of the first back point
  bytes[26] = 25;                                  // fore point claims more than its field
  std::memcpy(&bytes[27], "ABCDEFGHIJKLMNOPQRST", 20);
  TKorData journal;
  TNetList nets;
  ReadDataBytes(bytes, "padding.kor", journal, nets);
  EXPECT_EQ(journal.BackPoints[0], "Rp1");
  EXPECT_EQ(journal.ForePoints[0], "ABCDEFGHIJKLMNOPQRST");
}

TEST(DataFileLayout, NetRecordsHoldEveryFieldInOrder) {
  TNetList nets;
  TKorNet& net = nets.NetAt(*nets.AddNet("Н"));
  EXPECT_TRUE(net.AddSection("A", "B", kFixedPoint, kNodalPoint, 2.5, 4.0, -7));
  net.SectionTables.TableAt(0).RunRefs.ListAt(0).Add(9);
  EXPECT_TRUE(net.SectionTables.TableAt(0).AddPendentRun(kIntermediatePoint, "B", "C", 3, -1.0, 5));
  EXPECT_TRUE(net.AddPoint("A", kFixedPoint, 10.0));
  const std::string bytes = WriteDataBytes(TKorData(), nets);
  const std::string expected = Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00})  // empty journal, N = 1
                               + Field("\xCD", 30) + Bytes({0x01, 0x00})          // name, T = 1
                               + Field("A", 20) + Field("B", 20) + Bytes({0x00, 0x01}) +
                               Bytes({0, 0, 0, 0, 0, 0, 0x04, 0x40})    // height sum 2.5
                               + Bytes({0, 0, 0, 0, 0, 0, 0x10, 0x40})  // setups sum 4.0
                               + Bytes({0x01, 0x00})                    // K = 1
                               + Field("A", 20) + Field("B", 20) + Bytes({0x00, 0x01}) +
                               Bytes({0, 0, 0, 0, 0, 0, 0x04, 0x40}) + Bytes({0, 0, 0, 0, 0, 0, 0x10, 0x40}) +
                               Bytes({0x02, 0xF9, 0xFF, 0xFF, 0xFF, 0x09, 0x00, 0x00, 0x00})  // m = 2: -7, 9
                               + Bytes({0x01, 0x00})                                          // P = 1
                               + Bytes({0x02}) + Field("B", 20) + Field("C", 20) + Bytes({0x03, 0x00}) +
                               Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0xBF})    // -1.0
                               + Bytes({0x01, 0x05, 0x00, 0x00, 0x00})  // m = 1: 5
                               + Bytes({0x01, 0x00})                    // Q = 1
                               + Field("A", 20) + Bytes({0x00}) + Bytes({0, 0, 0, 0, 0, 0, 0x24, 0x40});
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.size(), 7 + 35 + 64 + 65 + 4 + 58 + 30u);
}

TEST(DataFileLayout, UnencodableNameIsRefusedBeforeAnythingIsWritten) {
  TKorData j;
  EXPECT_TRUE(j.AddRecord("Rp1", "点", 1, ""));
  EXPECT_THROW(WriteDataBytes(j, TNetList()), EncodingError);
}

}  // namespace
}  // namespace korvado
