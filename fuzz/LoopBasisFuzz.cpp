// libFuzzer target: the loop search on any net, however absurd its setups
// (negative, zero, NaN, ±infinity, 1e308) or its shape. It must end, stay
// within its arrays and return a basis: no more loops than sections, each a
// chain of sections that closes where it starts.
//
// Input: a count of points, a mask of benchmarks, then sections of 18 bytes
// each: start, end, setups and height (both doubles as raw bytes).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "KorNets.h"
#include "LoopBasis.h"

namespace {

using namespace korvado;

double RawDouble(const uint8_t* p) {
  double value = 0.0;
  std::memcpy(&value, p, sizeof value);
  return value;
}

TKorNet NetOf(const uint8_t* data, size_t size) {
  TKorNet net;
  if (size < 9) return net;
  const int points = 1 + data[0] % 64;
  uint64_t benchmarks = 0;
  std::memcpy(&benchmarks, data + 1, sizeof benchmarks);
  const auto type = [&](int p) { return (benchmarks >> p) & 1 ? kFixedPoint : kNodalPoint; };
  for (size_t at = 9; at + 18 <= size && net.SectionCount() < 4096; at += 18) {
    const int from = data[at] % points;
    const int to = data[at + 1] % points;
    net.AddSection("P" + std::to_string(from), "P" + std::to_string(to), type(from), type(to),
                   RawDouble(data + at + 10), RawDouble(data + at + 2), 1);
  }
  for (int p = 0; p < points; ++p) net.AddPoint("P" + std::to_string(p), type(p), 100.0 * p);
  return net;
}

void CheckClosure(const TKorNet& net, const Closure& closure) {
  if (closure.sections.empty() || closure.points.size() != closure.sections.size() + 1) std::abort();
  for (size_t k = 0; k < closure.sections.size(); ++k) {
    const SectionStep step = closure.sections[k];
    if (step.index < 0 || step.index >= net.SectionCount()) std::abort();
    const std::string& from = step.forward ? net.SectionStarts[step.index] : net.SectionEnds[step.index];
    const std::string& to = step.forward ? net.SectionEnds[step.index] : net.SectionStarts[step.index];
    if (from != closure.points[k] || to != closure.points[k + 1]) std::abort();
  }
  if (closure.kind == ClosureKind::Loop && closure.points.front() != closure.points.back()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TKorNet net = NetOf(data, size);
  const LoopsAndLines found = FindLoopsAndLines(net);
  if (found.loopCount > net.SectionCount()) std::abort();
  for (const Closure& closure : found.closures) CheckClosure(net, closure);
  return 0;
}
