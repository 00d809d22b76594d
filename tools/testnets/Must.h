#pragma once
// Generated nets, benchmark data and screenshot samples are built with the
// program's own operations; a refusal there means the data are not what they
// were meant to be.

#include <stdexcept>

#include "Outcome.h"

namespace korvado {

inline void Must(const Outcome& outcome) {
  if (!outcome) throw std::runtime_error(outcome.RefusalText());
}

}  // namespace korvado
