#include "M5Reader.h"

#include <charconv>
#include <optional>

#include "LevelLineBuilder.h"
#include "ModelErrors.h"
#include "Windows1251.h"

namespace korvado {

namespace {

constexpr std::string_view kMark = "For M5";
// Positions from 0: the row type, the information block, the value blocks and the error mark.
constexpr size_t kTypeAt = 17;
constexpr size_t kInfoAt = 21;
constexpr size_t kInfoChars = 27;
constexpr size_t kPointIdChars = 8;
constexpr size_t kBlockAt = 49;
constexpr size_t kBlockStep = 23;
constexpr size_t kValueOffset = 3;
constexpr size_t kValueChars = 14;
constexpr size_t kUnitOffset = 18;
constexpr size_t kUnitChars = 4;
// The row ends with the last block's separator; the error mark after it may be cut off with the blanks.
constexpr size_t kLastSeparatorAt = 117;
constexpr size_t kErrorMarkAt = 118;

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

struct ValueBlock {
  std::string_view Type;
  std::string_view Value;
  std::string_view Unit;
};

class M5RowReader {
 public:
  M5RowReader(int32_t fileLine, std::string_view row, LevelLineBuilder& builder)
      : fileLine_(fileLine), row_(row), builder_(builder) {}

  void Read() {
    if (row_.size() <= kLastSeparatorAt || row_[kLastSeparatorAt] != '|') Fail("строка обрезана");
    if (row_.size() > kErrorMarkAt && row_[kErrorMarkAt] == 'e') return;
    const std::string_view type = Trim(row_.substr(kTypeAt, 3));
    if (type == "TO") ReadText(Trim(row_.substr(kInfoAt, kInfoChars)));
    if (type == "KD1") ReadMeasurement();
  }

 private:
  void ReadText(std::string_view text) {
    if (text.rfind("Start-Line", 0) == 0) {
      const std::string_view rest = Trim(text.substr(10));
      builder_.StartLine(fileLine_, std::string(rest.substr(0, rest.find(' '))));
    } else if (text.rfind("End-Line", 0) == 0) {
      builder_.EndLine();
    } else if (text.rfind("Station repeated", 0) == 0) {
      builder_.DropStation();
    }
  }

  void ReadMeasurement() {
    const std::string point = DecodeWindows1251(std::string(Trim(row_.substr(kInfoAt, kPointIdChars))));
    std::optional<double> distance;
    std::optional<std::pair<Staff, double>> reading;
    bool height = false;
    bool intermediate = false;
    for (size_t k = 0; k < 3; ++k) {
      const ValueBlock block = Block(k);
      if (block.Type == "HD" || block.Type == "E") {
        distance = OptionalMetres(block);
      } else if (block.Type == "Rb" || block.Type == "Lr") {
        reading.emplace(Staff::Back, ReadingMetres(block));
      } else if (block.Type == "Rf" || block.Type == "Lv") {
        reading.emplace(Staff::Fore, ReadingMetres(block));
      } else if (block.Type == "Rz" || block.Type == "Lz") {
        intermediate = true;
      } else if (block.Type == "Z") {
        height = true;
      }
    }
    if (reading) {
      builder_.AddReading(fileLine_, reading->first, 0, reading->second, distance, point);
    } else if (intermediate) {
      builder_.AddIntermediateSight(fileLine_);
    } else if (height) {
      builder_.CloseStation();
    }
  }

  ValueBlock Block(size_t k) const {
    const size_t at = kBlockAt + k * kBlockStep;
    return {Trim(row_.substr(at, 2)), Trim(row_.substr(at + kValueOffset, kValueChars)),
            Trim(row_.substr(at + kUnitOffset, kUnitChars))};
  }

  // The instrument writes ##### where it has no valid value.
  static bool Invalid(const ValueBlock& block) { return block.Value.find('#') != std::string_view::npos; }

  double ReadingMetres(const ValueBlock& block) const {
    if (Invalid(block)) Fail("отсчёт отмечен прибором как недействительный («" + std::string(block.Value) + "»)");
    return Metres(block);
  }

  std::optional<double> OptionalMetres(const ValueBlock& block) const {
    if (Invalid(block) || block.Value.empty()) return std::nullopt;
    return Metres(block);
  }

  double Metres(const ValueBlock& block) const {
    double value = 0.0;
    const char* begin = block.Value.data();
    const char* end = begin + block.Value.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (block.Value.empty() || error != std::errc() || stop != end)
      Fail("значение «" + std::string(block.Value) + "» не является числом");
    if (block.Unit == "m") return value;
    if (block.Unit == "ft") return value * kMetresPerFoot;
    Fail("единица «" + std::string(block.Unit) + "» не означает ни метры, ни футы");
  }

  [[noreturn]] void Fail(const std::string& what) const { throw LevelFileError(fileLine_, what); }

  int32_t fileLine_;
  std::string_view row_;
  LevelLineBuilder& builder_;
};

}  // namespace

bool IsM5Line(std::string_view line) { return line.rfind(kMark, 0) == 0; }

LevelFile ReadM5(std::string_view bytes) {
  LevelFile file;
  file.Format = LevelFileFormat::DiniM5;
  LevelLineBuilder builder;
  const bool utf8 = IsUtf8Text(bytes);
  std::string singleByte;
  ForEachFileLine(bytes, [&](int32_t number, std::string_view row) {
    if (!IsM5Line(row)) throw LevelFileError(number, "строка не в формате M5 (нет «For M5» в начале)");
    if (utf8) {
      try {
        singleByte = EncodeWindows1251(std::string(row));
      } catch (const EncodingError&) {
        throw LevelFileError(number, "символ «" + FirstCharNotInWindows1251(std::string(row)) +
                                         "» не из кодировки Windows-1251, в которой пишет прибор");
      }
      row = singleByte;
    }
    M5RowReader(number, row, builder).Read();
  });
  file.Lines = builder.Finish();
  return file;
}

}  // namespace korvado
