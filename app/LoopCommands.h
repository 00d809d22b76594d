#pragma once
// «Невязки»: the loops and benchmark lines of the current net against the
// tolerance of the class, as the view and the copy show them, and the
// warning given before an adjustment when some of them fail.

#include <cstdint>
#include <string>
#include <vector>

#include "AppState.h"
#include "LoopBasis.h"
#include "Tolerance.h"

namespace korvado {

struct LoopRow {
  std::string number;      // "1"
  std::string kind;        // «полигон» or «линия»
  std::string points;      // "Rp1 – K – Rp1"
  std::string setups;      // n
  std::string misclosure;  // f, hundredths
  std::string allowed;     // f_доп, hundredths
  std::string ratio;       // |f| / f_доп
  std::string verdict;     // «в допуске» or «превышает допуск»
  bool passed = true;
  std::vector<int32_t> sections;  // the net's section indices along it
};

struct LoopsView {
  std::string refusal;  // why nothing was computed; empty otherwise
  int32_t net = -1;
  double coefficient = 0.0;
  std::string className;  // «Техническое», «IV класс», «Свой допуск»
  std::string formula;    // the rule in words
  std::vector<Closure> closures;
  std::vector<bool> passed;  // per closure
  std::vector<LoopRow> rows;
  std::vector<std::string> warnings;
  int32_t failedCount = 0;
};

// The column titles of the view and of the copy.
std::vector<std::string> LoopColumnTitles();

// The loops and lines of the current net against the tolerance of the state.
LoopsView CurrentNetLoops(const AppState& state);
// The same for net `index` of the list, which must exist.
LoopsView NetLoops(const TKorNet& net, int32_t index, const Tolerance& tolerance);

// The view as tab-separated lines: the rule, the titles, one line per row.
std::string LoopsText(const LoopsView& view);

// Before an adjustment: a warning for the status bar when loops or lines of
// the current net fail their tolerance; empty when all pass or nothing can be said.
std::string FailingLoopsWarning(const AppState& state);

}  // namespace korvado
