#pragma once
// One row of a net's parallel columns as a value. The columns stay (the file
// layout and the names depend on them); code that handles a whole row reads
// and writes it through these, so that a new attribute is spelled in one place.

#include <cstdint>
#include <string>
#include <vector>

namespace korvado {

// A run of a section (штатив сети): its end points and their types, its height
// difference, its number of setups and its journal references.
struct NetRun {
  std::string back;
  std::string fore;
  int32_t backType = 2;
  int32_t foreType = 2;
  double height = 0.0;
  double setups = 0.0;
  std::vector<int32_t> refs;
  bool operator==(const NetRun&) const = default;
};

// A spur run to a pendent point (висячая точка) attached to a section.
struct PendentRun {
  int32_t type = 0;  // the type of the point it starts from
  std::string back;
  std::string fore;  // the pendent point
  int32_t setups = 1;
  double height = 0.0;
  std::vector<int32_t> refs;
  bool operator==(const PendentRun&) const = default;
};

// The summary row of a section (звено); its runs are in its detail table.
struct Section {
  std::string start;
  std::string end;
  int32_t startType = 2;
  int32_t endType = 2;
  double height = 0.0;
  double setups = 0.0;
  bool operator==(const Section&) const = default;
};

// A row of a net's point table.
struct NetPoint {
  std::string name;
  int32_t type = 2;
  double elevation = 0.0;
  bool operator==(const NetPoint&) const = default;
};

}  // namespace korvado
