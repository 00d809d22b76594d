#pragma once
// A levelling net built from journal records in one go, as a surveyor would
// walk it by hand: runs levelled more than once become one equivalent run,
// chains of runs between benchmarks and junctions become sections, a spur of
// one run becomes a pendent point, and whatever cannot take part is listed
// with the reason.

#include <cstdint>
#include <string>
#include <vector>

#include "KnownHeights.h"
#include "KorData.h"
#include "KorNets.h"
#include "Outcome.h"

namespace korvado {

struct NetBuildRequest {
  // Record indices from 0; order and repeats do not matter.
  std::vector<int32_t> records;
  // The points taken as benchmarks and their elevations.
  std::vector<KnownHeight> benchmarks;
  // k of the allowed discrepancy k·√n of repeated runs.
  double toleranceCoefficient = 10.0;
  // Repeated runs over the tolerance that are used all the same, named by
  // their first record's number (from 1).
  std::vector<int32_t> keptRepeats;
  std::string name;
};

// Runs levelled more than once between the same two points.
struct RepeatedRuns {
  std::string start;  // the back point of the first record
  std::string end;
  std::vector<int32_t> records;  // numbers from 1, in journal order
  double height = 0.0;           // the equivalent run, start to end
  double setups = 0.0;
  double discrepancy = 0.0;  // the largest minus the smallest height, start to end
  double allowed = 0.0;      // k·√n, n the sum of their setups
  bool passed = true;
  bool used = true;
};

struct PendentPlacement {
  int32_t section = 0;  // from 0
  std::string from;     // the point of the section it hangs from
  std::string point;
  int32_t record = 0;  // number from 1
};

struct LeftOutPart {
  std::vector<int32_t> records;  // numbers from 1
  std::vector<std::string> points;
  std::string reason;
};

struct NetPlan {
  // Sections, runs, pendent runs and the point table with the benchmarks'
  // elevations, named as asked.
  TKorNet net;
  std::vector<RepeatedRuns> repeated;
  std::vector<PendentPlacement> pendent;
  std::vector<LeftOutPart> leftOut;
  // Why the point table could not be built (too many points); empty otherwise.
  Outcome pointTable;
};

NetPlan PlanNetFromJournal(const TKorData& journal, const NetBuildRequest& request);

}  // namespace korvado
