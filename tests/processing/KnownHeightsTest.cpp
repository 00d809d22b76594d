#include <gtest/gtest.h>

#include "KnownHeights.h"

namespace korvado {

namespace {

std::vector<KnownHeight> Read(const std::string& text) {
  const Result<std::vector<KnownHeight>> heights = ReadKnownHeights(text);
  EXPECT_TRUE(heights.HasValue()) << heights.RefusalText();
  return heights.HasValue() ? *heights : std::vector<KnownHeight>{};
}

}  // namespace

TEST(KnownHeights, ReadsTheLayoutsOfCataloguesAndSpreadsheets) {
  const std::vector<KnownHeight> two{{"Rp1", 100.5}, {"Рп 7", 98.125}};
  EXPECT_EQ(Read("Rp1\t100.5\nРп 7\t98,125\n"), two) << "tabs, as a spreadsheet copies; names may hold blanks";
  EXPECT_EQ(Read("Название;Отметка\r\n\"Rp1\";\"100,5\"\r\n\r\nРп 7;98.125;\r\n"), two)
      << "CSV with a header, quotes, an empty line and a trailing separator";
  EXPECT_EQ(Read("  Rp1   +100.50\nRp1 100.5\n"), (std::vector<KnownHeight>{{"Rp1", 100.5}}))
      << "blanks; the same height twice is no conflict";
  EXPECT_EQ(Read("\xEF\xBB\xBFРп 7;98.125"), (std::vector<KnownHeight>{{"Рп 7", 98.125}})) << "UTF-8 with its mark";
  EXPECT_EQ(Read("\xD0\xef 7;98.125"), (std::vector<KnownHeight>{{"Рп 7", 98.125}})) << "Windows-1251";
}

TEST(KnownHeights, RefusesWhatItCannotReadNamingTheLine) {
  struct Bad {
    const char* text;
    const char* mustName;
  };
  const Bad cases[] = {
      {"Rp1;100\nRp2;сто\n", "Строка 2 «Rp2;сто»"},
      {"Rp1;100\nRp2\n", "Строка 2 «Rp2»"},
      {"Rp1;100\nRp2;1;2\n", "Строка 2"},
      {"Rp1 100\nRp 2 101\n", "Строка 2 «Rp 2 101»"},
      {"Rp1;100\nRp2;1e3\n", "Строка 2"},
      {"Rp1;100\nRp2;nan\n", "Строка 2"},
      {"Rp1;100\n;101\n", "Строка 2"},
      {"Rp1;100\nRp1;100.01\n", "Строка 2: точка «Rp1» уже встречалась с другой отметкой"},
      {"Название;Отметка\n\n", "нет ни одной строки"},
      {"", "нет ни одной строки"},
  };
  for (const Bad& bad : cases) {
    const Result<std::vector<KnownHeight>> heights = ReadKnownHeights(bad.text);
    EXPECT_FALSE(heights.HasValue()) << bad.text;
    EXPECT_NE(heights.RefusalText().find(bad.mustName), std::string::npos) << heights.RefusalText();
  }
  const Result<std::vector<KnownHeight>> both = ReadKnownHeights("Rp1;x\nRp2;y\nRp3;z\n");
  EXPECT_EQ(both.Notices().size(), 2u) << "every bad line is named at once; the first is the header";
}

}  // namespace korvado
