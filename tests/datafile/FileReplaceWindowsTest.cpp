// Reading and replacing on Windows: a file another program holds, a read-only
// file, a device name, names Windows refuses, and what a killed save left.

#include <gtest/gtest.h>
#include <windows.h>

#include "DataFile.h"
#include "DataFileMessages.h"
#include "ReadFailure.h"
#include "SurveySamples.h"
#include "TempFolder.h"
#include "Utf8Path.h"

namespace korvado {
namespace {

// The file open as a program that shares nothing holds it (an editor's lock).
class HeldFile {
 public:
  explicit HeldFile(const std::string& path)
      : handle_(::CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() { ::CloseHandle(handle_); }
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

std::string SaveFailure(const std::string& path) {
  try {
    WriteDataFile(path, SampleJournal(), SampleNets(1));
  } catch (const FileIOError& e) {
    return e.what();
  }
  return {};
}

TEST(FileReplaceWindows, AFileAnotherProgramHoldsIsNeitherReadNorReplaced) {
  TempFolder folder;
  const std::string path = folder.File("журнал.kor");
  WriteBytes(path, "old contents");
  {
    const HeldFile other(path);
    ASSERT_TRUE(other.Held());
    EXPECT_EQ(ReadFailure(path), OpenFailedMessage(path, "файл открыт другой программой"));
    EXPECT_EQ(SaveFailure(path), SaveFailedMessage(path, "файл открыт другой программой"));
  }
  EXPECT_EQ(ReadBytes(path), "old contents");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"журнал.kor"}));
}

TEST(FileReplaceWindows, AReadOnlyFileIsRefusedAndKept) {
  TempFolder folder;
  const std::string path = folder.File("только чтение.kor");
  WriteBytes(path, "old contents");
  ASSERT_TRUE(::SetFileAttributesW(PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(SaveFailure(path), SaveFailedMessage(path, "нет прав на запись"));
  ::SetFileAttributesW(PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadBytes(path), "old contents");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"только чтение.kor"}));
}

TEST(FileReplaceWindows, ADeviceIsNoDataFile) {
  EXPECT_EQ(ReadFailure("NUL"), OpenFailedMessage("NUL", kNotARegularFile));
}

TEST(FileReplaceWindows, ANameWindowsRefusesIsSaidSoAndLeavesNothing) {
  TempFolder folder;
  for (const char* name : {"где?.kor", "все*.kor", "a<b.kor"}) {
    const std::string path = folder.File(name);
    EXPECT_EQ(SaveFailure(path), SaveFailedMessage(path, "недопустимое имя файла")) << name;
  }
  EXPECT_TRUE(folder.Entries().empty());
}

TEST(FileReplaceWindows, WhatAKilledSaveLeftIsReplacedByTheNextSave) {
  TempFolder folder;
  const std::string path = folder.File("работа.kor");
  WriteBytes(path, "old contents");
  WriteBytes(folder.File(".работа.kor.korvado-tmp"), "half of a save");
  EXPECT_EQ(SaveFailure(path), "");
  EXPECT_EQ(ReadBytes(path), WriteDataBytes(SampleJournal(), SampleNets(1)));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"работа.kor"}));
}

}  // namespace
}  // namespace korvado
