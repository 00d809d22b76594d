#pragma once
// The benchmarks build their data with the program's own operations; a
// refusal there means the data are not what the benchmark measures.

#include <stdexcept>

#include "Outcome.h"

namespace korvado {

inline void Must(const Outcome& outcome) {
  if (!outcome) throw std::runtime_error(outcome.RefusalText());
}

}  // namespace korvado
