#include "SweepPlan.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "AdjustmentSweep.h"
#include "BenchmarkReach.h"
#include "PointIndex.h"
#include "UnsoundValues.h"

namespace korvado {

uint64_t NetShapeFingerprint(const TKorNet& net) {
  uint64_t hash = 0x9e3779b97f4a7c15ull;
  auto mix = [&hash](uint64_t value) { hash = (hash ^ value) * 0x100000001b3ull + (hash >> 29); };
  auto text = [&mix](const std::string& s) { mix(std::hash<std::string_view>{}(s)); };
  mix(static_cast<uint64_t>(net.SectionCount()));
  mix(static_cast<uint64_t>(net.PointCount()));
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    text(net.SectionStarts[s]);
    text(net.SectionEnds[s]);
  }
  for (int32_t p = 0; p < net.PointCount(); ++p) {
    text(net.PointNames[p]);
    mix(static_cast<uint64_t>(net.PointTypes.GetItem(p)));
  }
  return hash;
}

bool SweepPlan::Fits(const TKorNet& net) const {
  return points == net.PointCount() && sections == net.SectionCount() && shape == NetShapeFingerprint(net);
}

SweepPlan PlanSweep(const TKorNet& net, bool forSweep) {
  SweepPlan plan;
  plan.shape = NetShapeFingerprint(net);
  plan.points = net.PointCount();
  plan.sections = net.SectionCount();
  plan.redundancy = NetRedundancy(net);
  const PointIndex index = BuildPointIndex(net.PointNames);
  plan.namesUnique = index.size() == static_cast<size_t>(net.PointCount());
  SectionEndRows rows = FindSectionEndRows(net, index);
  const std::vector<int32_t>& starts = rows.starts;
  const std::vector<int32_t>& ends = rows.ends;
  const bool endsFound = std::none_of(starts.begin(), starts.end(), [](int32_t p) { return p < 0; }) &&
                         std::none_of(ends.begin(), ends.end(), [](int32_t p) { return p < 0; });
  plan.sweepable = endsFound && net.SectionCount() > 0 && NoBenchmarkRefusal(net, index, rows).empty();
  if (!plan.sweepable) return plan;
  plan.sectionStart = starts;
  plan.sectionEnd = ends;
  plan.forSweep = forSweep;
  if (!forSweep) return plan;
  for (int32_t p = 0; p < net.PointCount(); ++p) plan.firstRow.push_back(FindInIndex(index, net.PointNames[p]));
  // A section closing on its own point tells nothing about that point's
  // height (only its misclosure enters the error), so it carries nothing to it.
  std::vector<int32_t> counts(static_cast<size_t>(net.PointCount()) + 1, 0);
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (starts[s] != ends[s]) ++counts[starts[s] + 1], ++counts[ends[s] + 1];
  for (size_t p = 1; p < counts.size(); ++p) counts[p] += counts[p - 1];
  plan.touchStarts = counts;
  plan.touches.resize(static_cast<size_t>(counts.back()));
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    if (starts[s] == ends[s]) continue;
    plan.touches[counts[starts[s]]++] = {s, ends[s], true};
    plan.touches[counts[ends[s]]++] = {s, starts[s], false};
  }
  const CaseTolerantIndex tolerant(net.PointNames);
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    plan.misclosureStart.push_back(tolerant.Find(net.SectionStarts[s]));
    plan.misclosureEnd.push_back(tolerant.Find(net.SectionEnds[s]));
  }
  return plan;
}

bool ValuesAdjustable(const TKorNet& net) { return UnsoundNetValues(net).empty(); }

}  // namespace korvado
