// A damaged file is refused with a message naming it and the fault, and
// whatever was open before stays exactly as it was.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "DataFile.h"
#include "DataFileMessages.h"
#include "SurveySamples.h"

namespace korvado {
namespace {

// Offsets inside a file whose journal has r records.
size_t SetupCountAt(int32_t r, int32_t i) { return 5 + 42 * r + 2 * i; }
size_t FirstSetupAt(int32_t r, int32_t i) { return 5 + 83 * r + 2 * i; }
size_t LastSetupAt(int32_t r, int32_t i) { return 5 + 85 * r + 2 * i; }

void PutU16(std::string& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
}

// What is open before a read that must fail: the same every time it is built.
struct OpenData {
  TKorData journal;
  TNetList nets;
  OpenData() {
    EXPECT_TRUE(journal.AddRecord("Открытый", "файл", 2, ""));
    AddSampleNet(nets, "прежняя");
  }
};

const OpenData& Untouched() {
  static const OpenData data;
  return data;
}

// Reads bytes over freshly built open data; returns the message of the
// refusal, or "" when the file was read.
std::string ReadOver(const std::string& bytes, OpenData& open) {
  try {
    ReadDataBytes(bytes, "испорчен.kor", open.journal, open.nets);
    return {};
  } catch (const FileIOError& e) {
    return e.what();
  }
}

void ExpectRefused(const std::string& bytes, const std::string& fault) {
  OpenData open;
  const std::string message = ReadOver(bytes, open);
  EXPECT_NE(message.find("испорчен.kor"), std::string::npos) << message;
  EXPECT_NE(message.find(fault), std::string::npos) << message;
  EXPECT_EQ(open.journal, Untouched().journal);
  EXPECT_TRUE(open.nets == Untouched().nets);
}

std::string SampleFile() { return WriteDataBytes(SampleJournal(), SampleNets(2)); }

TEST(DataFileDamage, EveryTruncationIsReadBeyondEndOfFile) {
  const std::string bytes = SampleFile();
  for (size_t length = 0; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectRefused(bytes.substr(0, length), kReadBeyondEndOfFile);
  }
}

TEST(DataFileDamage, CountsLargerThanTheFileAreReadBeyondEndOfFile) {
  std::string bytes = SampleFile();
  PutU16(bytes, 1, 0xFFFF);
  ExpectRefused(bytes, kReadBeyondEndOfFile);
  bytes = SampleFile();
  PutU16(bytes, 3, 0xFFFF);
  ExpectRefused(bytes, kReadBeyondEndOfFile);
  bytes = SampleFile();
  PutU16(bytes, 5 + 3 * 87 + 6 * 103, 0xFFFF);  // net count
  ExpectRefused(bytes, kReadBeyondEndOfFile);
}

TEST(DataFileDamage, TrailingBytesAreRefused) { ExpectRefused(SampleFile() + '\0', "лишние данные (1 байт)"); }

TEST(DataFileDamage, SetupRangesMustBeSoundAndCoverEverySetup) {
  const int32_t r = 3;
  std::string bytes = SampleFile();
  PutU16(bytes, LastSetupAt(r, 0), 6);  // past the six setups
  ExpectRefused(bytes, "запись журнала 1: штативы 4–7 вне журнала из 6 штативов");

  bytes = SampleFile();
  PutU16(bytes, SetupCountAt(r, 1), 3);
  ExpectRefused(bytes, "запись журнала 2: число штативов 3 не совпадает с диапазоном штативы 1–2");

  bytes = SampleFile();
  PutU16(bytes, SetupCountAt(r, 2), 0);
  ExpectRefused(bytes, "запись журнала 3: число штативов 0");

  bytes = SampleFile();
  PutU16(bytes, FirstSetupAt(r, 2), 5);  // record 3 moves onto the last setup of record 1
  PutU16(bytes, LastSetupAt(r, 2), 5);
  ExpectRefused(bytes, "записи журнала 1 и 3 ссылаются на один и тот же штатив 6");

  bytes = SampleFile();
  PutU16(bytes, FirstSetupAt(r, 0), 4);  // record 1 leaves its first setup to nobody
  PutU16(bytes, SetupCountAt(r, 0), 2);
  ExpectRefused(bytes, "штатив 4 не принадлежит ни одной записи журнала");

  bytes = SampleFile();
  PutU16(bytes, FirstSetupAt(r, 0), 5);  // first after last
  PutU16(bytes, LastSetupAt(r, 0), 4);
  ExpectRefused(bytes, "запись журнала 1: неверный диапазон штативы 6–5");
}

TEST(DataFileDamage, EveryRunAndPendentRunNeedsAJournalReference) {
  const size_t journalEnd = 5 + 3 * 87 + 6 * 103;
  const size_t firstRunRefCount = journalEnd + 2 + 31 + 2 + 60 + 2 + 60;
  std::string bytes = SampleFile();
  ASSERT_EQ(bytes[firstRunRefCount], 1);
  bytes[firstRunRefCount] = 0;
  ExpectRefused(bytes, "сеть 1, звено 1, штатив 1: нет ссылки на журнал");

  // Section 1 holds two runs (the second with three references) and no pendent run.
  const size_t secondSection = firstRunRefCount + 5 + 60 + 1 + 12 + 2;
  const size_t pendentRefCount = secondSection + 60 + 2 + 65 + 2 + 1 + 21 + 21 + 2 + 8;
  bytes = SampleFile();
  ASSERT_EQ(bytes[pendentRefCount], 1);
  bytes[pendentRefCount] = 0;
  ExpectRefused(bytes, "сеть 1, звено 2, висячая точка 1: нет ссылки на журнал");
}

TEST(DataFileDamage, RandomByteChangesGiveACleanLoadOrAClearRefusal) {
  const std::string valid = SampleFile();
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> position(0, valid.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> changes(1, 8);
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = valid;
    for (int k = changes(random); k > 0; --k) bytes[position(random)] = static_cast<char>(byte(random));
    OpenData open;
    const std::string message = ReadOver(bytes, open);
    if (message.empty()) {
      // What was loaded can be saved and loaded again, bit for bit (NaN included).
      ++loaded;
      const std::string saved = WriteDataBytes(open.journal, open.nets);
      TKorData again;
      TNetList againNets;
      ReadDataBytes(saved, "снова.kor", again, againNets);
      ASSERT_EQ(WriteDataBytes(again, againNets), saved) << round;
    } else {
      ASSERT_NE(message.find("испорчен.kor"), std::string::npos) << message;
      ASSERT_EQ(open.journal, Untouched().journal) << round;
      ASSERT_TRUE(open.nets == Untouched().nets) << round;
    }
  }
  // Most changes hit readings and padding, which load; the rest must be refused.
  EXPECT_GT(loaded, 300);
  EXPECT_LT(loaded, 2900);
}

TEST(DataFileDamage, WriterRefusesAJournalItCouldNotReadBack) {
  TKorData journal = SampleJournal();
  journal.LastSetup.SetItem(1, 2);
  try {
    WriteDataBytes(journal, TNetList());
    FAIL() << "written";
  } catch (const FileIOError& e) {
    EXPECT_NE(std::string(e.what()).find("запись журнала 2"), std::string::npos) << e.what();
  }
  TNetList nets = SampleNets(1);
  nets.NetAt(0).SectionTables.TableAt(0).RunRefs.ListAt(0).Clear();
  EXPECT_THROW(WriteDataBytes(SampleJournal(), nets), FileIOError);
}

}  // namespace
}  // namespace korvado
