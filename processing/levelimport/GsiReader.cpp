#include "GsiReader.h"

#include <charconv>
#include <optional>

#include "LevelLineBuilder.h"

namespace korvado {

namespace {

constexpr size_t kHeadChars = 7;  // word index and information, then the sign

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct GsiWord {
  std::string_view Index;
  char Units = '.';
  char Sign = '+';
  std::string_view Data;
  std::string_view Whole;
};

// What a units code makes of the last digit. Angle codes have no place in levelling.
std::optional<double> MetresPerUnit(char units) {
  switch (units) {
    case '0':
      return 1e-3;
    case '6':
      return 1e-4;
    case '8':
      return 1e-5;
    case '1':
      return 1e-3 * kMetresPerFoot;
    case '7':
      return 1e-4 * kMetresPerFoot;
    default:
      return std::nullopt;
  }
}

bool IsReadingIndex(std::string_view index) {
  return index == "331" || index == "332" || index == "333" || index == "335" || index == "336";
}

class GsiLineReader {
 public:
  GsiLineReader(int32_t fileLine, LevelLineBuilder& builder) : fileLine_(fileLine), builder_(builder) {}

  void Read(std::string_view line) {
    const bool long16 = !line.empty() && line.front() == '*';
    if (long16) line.remove_prefix(1);
    width_ = long16 ? 16 : 8;
    bool first = true;
    size_t at = 0;
    while (at < line.size()) {
      if (IsBlank(line[at])) {
        ++at;
        continue;
      }
      size_t end = at;
      while (end < line.size() && !IsBlank(line[end])) ++end;
      Take(SplitWord(line.substr(at, end - at), first));
      first = false;
      at = end;
    }
    Flush();
  }

 private:
  GsiWord SplitWord(std::string_view whole, bool first) const {
    if (whole.size() < kHeadChars) Fail("слово «" + std::string(whole) + "» обрезано");
    GsiWord word;
    word.Whole = whole;
    // The first word of a block carries the block number where a later word
    // has its information, so a reading there would be read as an unknown
    // word and lost; a block opens with the point id (11) or a code (41).
    if (first && IsReadingIndex(whole.substr(0, 3)))
      Fail("блок начинается с отсчёта «" + std::string(whole) + "», а не с номера точки (слово 11)");
    const bool twoDigits = first || whole[2] == '.';
    word.Index = whole.substr(0, twoDigits ? 2 : 3);
    for (char c : word.Index)
      if (!IsDigit(c)) Fail("«" + std::string(whole) + "» не является словом GSI");
    word.Units = whole[5];
    word.Sign = whole[6];
    word.Data = whole.substr(kHeadChars);
    return word;
  }

  void CheckWhole(const GsiWord& word) const {
    if (word.Data.size() < width_) Fail("слово «" + std::string(word.Whole) + "» обрезано");
    if (word.Sign != '+' && word.Sign != '-')
      Fail("в слове «" + std::string(word.Whole) + "» вместо знака стоит «" + std::string(1, word.Sign) + "»");
  }

  double Metres(const GsiWord& word) const {
    CheckWhole(word);
    const std::optional<double> unit = MetresPerUnit(word.Units);
    if (!unit)
      Fail("в слове «" + std::string(word.Whole) + "» код единиц «" + std::string(1, word.Units) +
           "» не означает ни метры, ни футы");
    long long count = 0;
    const char* begin = word.Data.data();
    const char* end = begin + word.Data.size();
    const auto [stop, error] = std::from_chars(begin, end, count);
    if (error != std::errc() || stop != end || !IsDigit(*begin))
      Fail("значение «" + std::string(word.Data) + "» не является числом");
    const double value = static_cast<double>(count) * *unit;
    return word.Sign == '-' ? -value : value;
  }

  // Ids are right-aligned and zero-padded; an id of zeros only is "0".
  std::string PointId(const GsiWord& word) const {
    CheckWhole(word);
    const size_t digit = word.Data.find_first_not_of('0');
    return digit == std::string_view::npos ? "0" : std::string(word.Data.substr(digit));
  }

  // A code block "?......N" starts a line measured by method N.
  void StartLineFromCode(const GsiWord& word) {
    CheckWhole(word);
    const size_t mark = word.Data.find('?');
    if (mark == std::string_view::npos) return;
    static const char* const kMethods[] = {"BF", "BFFB", "aBF", "aBFFB"};
    const char n = word.Data.back();
    if (n >= '1' && n <= '4') builder_.StartLine(fileLine_, kMethods[n - '1']);
  }

  void Take(const GsiWord& word) {
    const std::string_view wi = word.Index;
    if (wi == "11") {
      point_ = PointId(word);
    } else if (wi == "41") {
      StartLineFromCode(word);
    } else if (wi == "32") {
      distance_ = Metres(word);
    } else if (wi == "331" || wi == "332" || wi == "335" || wi == "336") {
      const Staff staff = (wi == "331" || wi == "335") ? Staff::Back : Staff::Fore;
      readings_.push_back({staff, wi == "331" || wi == "332" ? 1 : 2, Metres(word)});
    } else if (wi == "333") {
      Metres(word);
      builder_.AddIntermediateSight(fileLine_);
    }
  }

  // A block's words may come in any order: its readings go in once the block's id and distance are known.
  void Flush() {
    for (const Pending& reading : readings_)
      builder_.AddReading(fileLine_, reading.staff, reading.number, reading.metres, distance_, point_);
  }

  [[noreturn]] void Fail(const std::string& what) const { throw LevelFileError(fileLine_, what); }

  struct Pending {
    Staff staff;
    int number;
    double metres;
  };
  int32_t fileLine_;
  LevelLineBuilder& builder_;
  size_t width_ = 16;
  std::string point_;
  std::optional<double> distance_;
  std::vector<Pending> readings_;
};

}  // namespace

bool IsGsiLine(std::string_view line) {
  if (!line.empty() && line.front() == '*') line.remove_prefix(1);
  if (line.size() < kHeadChars + 1 || !IsDigit(line[0]) || !IsDigit(line[1])) return false;
  return line[6] == '+' || line[6] == '-';
}

LevelFile ReadGsi(std::string_view text) {
  LevelFile file;
  bool formatKnown = false;
  LevelLineBuilder builder;
  ForEachFileLine(text, [&](int32_t number, std::string_view line) {
    if (!formatKnown) {
      file.Format = line.front() == '*' ? LevelFileFormat::Gsi16 : LevelFileFormat::Gsi8;
      formatKnown = true;
    }
    GsiLineReader(number, builder).Read(line);
  });
  file.Lines = builder.Finish();
  return file;
}

}  // namespace korvado
