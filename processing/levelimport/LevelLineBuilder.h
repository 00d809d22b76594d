#pragma once
// Assembles levelling lines from readings as a level's file lists them, one
// at a time: both readers feed it, so the rules of what makes a station (and
// what is an incomplete one) are the same for every format.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "LevellingLine.h"

namespace korvado {

enum class Staff { Back, Fore };

// Both formats may hold feet; the journal takes metres.
inline constexpr double kMetresPerFoot = 0.3048;

class LevelLineBuilder {
 public:
  // Ends the line in progress (if any) and starts one measured by method.
  void StartLine(int32_t fileLine, const std::string& method);
  void EndLine();
  // number: 1 or 2 as the file says, or 0 to take the next free reading of the
  // staff. A reading whose place in the station is taken starts the next station.
  void AddReading(int32_t fileLine, Staff staff, int number, double metres, std::optional<double> distance,
                  const std::string& point);
  void AddIntermediateSight(int32_t fileLine);
  // The instrument closed the station (a running height after it).
  void CloseStation();
  // The station in progress, or the last one when none is, was measured again.
  void DropStation();
  // Every line read, the last one ended.
  std::vector<LevellingLine> Finish();

 private:
  struct Reading {
    double Metres = 0.0;
    std::optional<double> Distance;
    std::string Point;
    bool Present = false;
  };
  LevellingLine& CurrentLine(int32_t fileLine);
  bool StationEmpty() const;
  bool TwoReadingMethod() const;

  std::vector<LevellingLine> lines_;
  bool lineOpen_ = false;
  // Back 1, fore 1, back 2, fore 2.
  Reading station_[4];
  int32_t stationLine_ = 0;
};

// Text of a level's file as the program holds it: UTF-8 stays, anything else
// is read as Windows-1251 (the only other code page a Russian level writes).
std::string LevelFileText(std::string bytes);
// Whether bytes hold characters beyond ASCII, all of them well-formed UTF-8.
bool IsUtf8Text(std::string_view bytes);

// Calls visit(line number from 1, line without its end) for every line that is
// not blank; a line may end in LF, CR LF or CR, and CRs doubled before an LF
// (a file passed twice through a line-end conversion) are dropped as well.
void ForEachFileLine(std::string_view text, const std::function<void(int32_t, std::string_view)>& visit);

}  // namespace korvado
