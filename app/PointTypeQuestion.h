#pragma once
// What the point-type dialog is to ask before a run or section goes into a
// net, and the answer it brings back. The window shows the question; the
// commands take the answer.

#include <cstdint>
#include <string>

#include "AppState.h"

namespace korvado {

inline constexpr const char* kPointTypeNames[] = {"Жесткая точка", "Узловая точка", "Промежуточная точка"};

struct PointTypeQuestion {
  std::string BackLabel;  // "Задняя точка: " + name
  std::string ForeLabel;  // "Передняя точка: " + name
  // A run appended to a section starts at the section's end, whose type is
  // already known: the back selector then shows BackType and is disabled.
  bool BackTypeFixed = false;
  // The types the points already have in the current net, offered first; -1 for a point new to it.
  int32_t BackType = -1;
  int32_t ForeType = -1;
};

struct PointTypeChoice {
  int32_t BackType = -1;
  int32_t ForeType = -1;
};

PointTypeQuestion AskPointTypes(const AppState& state, const std::string& back, const std::string& fore);
PointTypeQuestion AskForeType(const AppState& state, const std::string& back, int32_t backType,
                              const std::string& fore);

// The type name has in net: as the end of a section first (fixed and nodal
// points are section ends), else as a run's end; -1 when the net lacks it.
int32_t KnownPointType(const TKorNet& net, const std::string& name);

inline bool IsPointType(int32_t type) { return type >= 0 && type <= 2; }

// A type outside 0..2 (nothing chosen) is refused.
Outcome CheckPointType(int32_t type);

}  // namespace korvado
