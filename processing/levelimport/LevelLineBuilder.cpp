#include "LevelLineBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "ControlChars.h"
#include "DataFileLayout.h"
#include "NumberText.h"
#include "Utf8Text.h"
#include "Windows1251.h"

namespace korvado {

LevelFileError::LevelFileError(int32_t fileLine, const std::string& what)
    : KorvadoError("Строка " + std::to_string(fileLine) + " файла нивелира: " + what +
                   ". Измерения не импортированы.") {}

LevelFileError::LevelFileError(const std::string& what) : KorvadoError(what + " Измерения не импортированы.") {}

namespace {

enum Slot { kBack1, kFore1, kBack2, kFore2 };

int SlotOf(Staff staff, int number) { return (number - 1) * 2 + (staff == Staff::Fore ? 1 : 0); }

// Mean of the distances the file gave for one staff.
double MeanDistance(const std::optional<double>& a, const std::optional<double>& b) {
  if (a && b) return (*a + *b) / 2.0;
  return a ? *a : b.value_or(0.0);
}

// Refuses a point name the journal's file cannot hold (too long, or a character
// outside Windows-1251), naming the file's line.
void CheckImportedPointName(int32_t fileLine, const std::string& name) {
  if (HasControlChar(name))
    throw LevelFileError(fileLine, "в имени точки «" + WithoutControlChars(name) + "» есть управляющий символ");
  if (IsAscii(name) && name.size() <= kShortNameChars) return;
  if (Utf8CharCount(name) > kShortNameChars)
    throw LevelFileError(fileLine, "имя точки «" + name + "» длиннее " + std::to_string(kShortNameChars) + " символов");
  const std::string bad = FirstCharNotInWindows1251(name);
  if (!bad.empty())
    throw LevelFileError(
        fileLine, "в имени точки «" + name + "» есть символ «" + bad + "», которого нет в кодировке Windows-1251");
}

// A staff is a few metres long; readings and sights far beyond any survey
// (or not numbers at all) are a damaged file, refused before they reach the
// journal. 50 m is the most the journal's readings hold in the finer unit.
constexpr double kLongestStaffMetres = 50.0;
constexpr double kLongestSightMetres = 10000.0;

void CheckReading(int32_t fileLine, double metres) {
  if (!std::isfinite(metres) || std::fabs(metres) > kLongestStaffMetres)
    throw LevelFileError(fileLine, "отсчёт " + FormatGeneral(metres) + " м вне разумных пределов (от " +
                                       FormatGeneral(-kLongestStaffMetres) + " до " +
                                       FormatGeneral(kLongestStaffMetres) + " м)");
}

void CheckDistance(int32_t fileLine, const std::optional<double>& metres) {
  if (metres && (!std::isfinite(*metres) || std::fabs(*metres) > kLongestSightMetres))
    throw LevelFileError(fileLine, "расстояние до рейки " + FormatGeneral(*metres) + " м вне разумных пределов (до " +
                                       FormatGeneral(kLongestSightMetres) + " м)");
}

}  // namespace

LevellingLine& LevelLineBuilder::CurrentLine(int32_t fileLine) {
  if (!lineOpen_) {
    lines_.emplace_back();
    lines_.back().FileLine = fileLine;
    lineOpen_ = true;
  }
  return lines_.back();
}

bool LevelLineBuilder::StationEmpty() const {
  return std::none_of(std::begin(station_), std::end(station_), [](const Reading& r) { return r.Present; });
}

// Methods that read each staff twice name it twice: BFFB, aBFFB, BBFF.
bool LevelLineBuilder::TwoReadingMethod() const {
  return lineOpen_ && std::count(lines_.back().Method.begin(), lines_.back().Method.end(), 'B') >= 2;
}

void LevelLineBuilder::StartLine(int32_t fileLine, const std::string& method) {
  EndLine();
  CurrentLine(fileLine).Method = method;
}

void LevelLineBuilder::EndLine() {
  CloseStation();
  lineOpen_ = false;
}

void LevelLineBuilder::AddReading(int32_t fileLine, Staff staff, int number, double metres,
                                  std::optional<double> distance, const std::string& point) {
  CheckImportedPointName(fileLine, point);
  CheckReading(fileLine, metres);
  CheckDistance(fileLine, distance);
  if (number == 0) {
    const bool firstTaken = station_[SlotOf(staff, 1)].Present;
    number = firstTaken && TwoReadingMethod() && !station_[SlotOf(staff, 2)].Present ? 2 : 1;
  }
  Reading& slot = station_[SlotOf(staff, number)];
  if (slot.Present) CloseStation();
  CurrentLine(fileLine);
  if (StationEmpty()) stationLine_ = fileLine;
  slot = Reading{metres, distance, point, true};
}

void LevelLineBuilder::AddIntermediateSight(int32_t fileLine) { ++CurrentLine(fileLine).IntermediateSights; }

void LevelLineBuilder::CloseStation() {
  if (StationEmpty()) return;
  const Reading& b1 = station_[kBack1];
  const Reading& f1 = station_[kFore1];
  const Reading& b2 = station_[kBack2];
  const Reading& f2 = station_[kFore2];
  if (!b1.Present) throw LevelFileError(stationLine_, "у станции нет отсчёта по задней рейке");
  if (!f1.Present) throw LevelFileError(stationLine_, "у станции нет отсчёта по передней рейке");
  if (b2.Present != f2.Present)
    throw LevelFileError(stationLine_, std::string("у станции нет второго отсчёта по ") +
                                           (b2.Present ? "передней" : "задней") + " рейке");
  if (!b2.Present && TwoReadingMethod())
    throw LevelFileError(stationLine_, "у станции нет вторых отсчётов, а ход измерен методом " + lines_.back().Method);

  LevellingStation station;
  station.BackPoint = b1.Point;
  station.ForePoint = f1.Point;
  station.Back1 = b1.Metres;
  station.Fore1 = f1.Metres;
  station.Back2 = b2.Metres;
  station.Fore2 = f2.Metres;
  station.HasSecondReadings = b2.Present;
  station.BackDistance = MeanDistance(b1.Distance, b2.Distance);
  station.ForeDistance = MeanDistance(f1.Distance, f2.Distance);
  station.FileLine = stationLine_;
  lines_.back().Stations.push_back(std::move(station));
  std::fill(std::begin(station_), std::end(station_), Reading{});
}

void LevelLineBuilder::DropStation() {
  if (!StationEmpty()) {
    std::fill(std::begin(station_), std::end(station_), Reading{});
  } else if (lineOpen_ && !lines_.back().Stations.empty()) {
    lines_.back().Stations.pop_back();
  }
}

std::vector<LevellingLine> LevelLineBuilder::Finish() {
  EndLine();
  return std::move(lines_);
}

bool IsUtf8Text(std::string_view bytes) {
  const std::string text(bytes);
  return !IsAscii(text) && EncodeUtf8(DecodeUtf8(text)) == text;
}

std::string LevelFileText(std::string bytes) {
  if (IsAscii(bytes) || IsUtf8Text(bytes)) return bytes;
  return DecodeWindows1251(bytes);
}

void ForEachFileLine(std::string_view text, const std::function<void(int32_t, std::string_view)>& visit) {
  // Lines end in LF (the CRs before it are dropped), or in CR alone in a file without any LF.
  const char end = text.find('\n') != std::string_view::npos ? '\n' : '\r';
  int32_t number = 0;
  size_t start = 0;
  while (start < text.size()) {
    const void* found = std::memchr(text.data() + start, end, text.size() - start);
    const size_t stop = found ? static_cast<size_t>(static_cast<const char*>(found) - text.data()) : text.size();
    std::string_view line = text.substr(start, stop - start);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    if (std::any_of(line.begin(), line.end(), [](char c) { return c != ' ' && c != '\t'; })) visit(number, line);
    start = stop + 1;
  }
}

}  // namespace korvado
