#pragma once
// The closed loops and the benchmark-to-benchmark lines of a net, the
// figures a surveyor checks against the tolerance before adjusting.
//
// The graph: vertices are the section end points, edges the sections
// (parallel sections and sections closing on their own point included).
// The loops are a basis of its cycle space chosen short in setups; the lines
// join a reference benchmark to every other benchmark of the same connected
// part along the path of fewest setups. With a benchmark in every part,
// loops + lines = S − u (u: the points that are not benchmarks).

#include <cstdint>
#include <string>
#include <vector>

#include "KorNets.h"

namespace korvado {

// A section as one step along a loop or line.
struct SectionStep {
  int32_t index = 0;    // the section's index in the net
  bool forward = true;  // traversed from its start to its end
  bool operator==(const SectionStep&) const = default;
};

enum class ClosureKind { Loop, Line };

struct Closure {
  ClosureKind kind = ClosureKind::Loop;
  std::vector<std::string> points;  // in order; a loop ends where it starts
  std::vector<SectionStep> sections;
  double setups = 0.0;  // n, the sum of the sections' setups
  // Loop: Σ ±h. Line: Σ ±h − (H_end − H_start).
  double misclosure = 0.0;
};

struct LoopsAndLines {
  std::vector<Closure> closures;  // the loops first, then the lines
  int32_t loopCount = 0;
  int32_t sectionCount = 0;  // S
  int32_t unknownCount = 0;  // u: section ends that are not benchmarks
  // Why some lines are missing (a benchmark without an elevation in the point table).
  std::vector<std::string> warnings;
};

LoopsAndLines FindLoopsAndLines(const TKorNet& net);

}  // namespace korvado
