#include "BenchmarkReach.h"

namespace korvado {

namespace {

// A message listing thousands of names helps nobody.
constexpr size_t kNamesShown = 10;

// Sections as adjacency lists over the first rows of the names: the
// neighbours of row p are neighbours[first[p]] up to neighbours[first[p + 1]].
struct Neighbours {
  std::vector<int32_t> first;
  std::vector<int32_t> neighbours;
};

bool Joins(const SectionEndRows& ends, int32_t s) {
  return ends.starts[s] >= 0 && ends.ends[s] >= 0 && ends.starts[s] != ends.ends[s];
}

Neighbours NeighboursOf(const TKorNet& net, const SectionEndRows& ends) {
  Neighbours graph;
  graph.first.assign(static_cast<size_t>(net.PointCount()) + 1, 0);
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (Joins(ends, s)) ++graph.first[ends.starts[s] + 1], ++graph.first[ends.ends[s] + 1];
  for (size_t p = 1; p < graph.first.size(); ++p) graph.first[p] += graph.first[p - 1];
  graph.neighbours.resize(static_cast<size_t>(graph.first.back()));
  std::vector<int32_t> filled(graph.first.begin(), graph.first.end() - 1);
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    if (Joins(ends, s)) {
      graph.neighbours[filled[ends.starts[s]]++] = ends.ends[s];
      graph.neighbours[filled[ends.ends[s]]++] = ends.starts[s];
    }
  return graph;
}

std::string QuotedNames(const TKorNet& net, const std::vector<int32_t>& rows) {
  std::string text;
  for (size_t k = 0; k < rows.size() && k < kNamesShown; ++k) text += (k ? ", «" : "«") + net.PointNames[rows[k]] + "»";
  if (rows.size() > kNamesShown) text += " и ещё " + std::to_string(rows.size() - kNamesShown);
  return text;
}

}  // namespace

int32_t FixedPointCount(const TKorNet& net) {
  int32_t count = 0;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint) ++count;
  return count;
}

SectionEndRows FindSectionEndRows(const TKorNet& net, const PointIndex& index) {
  SectionEndRows rows;
  rows.starts.reserve(static_cast<size_t>(net.SectionCount()));
  rows.ends.reserve(static_cast<size_t>(net.SectionCount()));
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    rows.starts.push_back(FindInIndex(index, net.SectionStarts[s]));
    rows.ends.push_back(FindInIndex(index, net.SectionEnds[s]));
  }
  return rows;
}

std::vector<char> RowsEndingSections(const TKorNet& net, const SectionEndRows& ends) {
  std::vector<char> onSection(static_cast<size_t>(net.PointCount()), 0);
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    for (const int32_t p : {ends.starts[s], ends.ends[s]})
      if (p >= 0) onSection[p] = 1;
  return onSection;
}

std::vector<int32_t> PointsNoBenchmarkReaches(const TKorNet& net, const PointIndex& index, const SectionEndRows& ends) {
  const Neighbours graph = NeighboursOf(net, ends);
  std::vector<char> reached(static_cast<size_t>(net.PointCount()), 0);
  std::vector<int32_t> pending;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint && FindInIndex(index, net.PointNames[p]) == p) {
      reached[p] = 1;
      pending.push_back(p);
    }
  while (!pending.empty()) {
    const int32_t p = pending.back();
    pending.pop_back();
    for (int32_t k = graph.first[p]; k < graph.first[p + 1]; ++k)
      if (const int32_t q = graph.neighbours[k]; !reached[q]) {
        reached[q] = 1;
        pending.push_back(q);
      }
  }
  const std::vector<char> onSection = RowsEndingSections(net, ends);
  std::vector<int32_t> unreached;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (onSection[p] && !reached[p]) unreached.push_back(p);
  return unreached;
}

std::string NoBenchmarkRefusal(const TKorNet& net, const PointIndex& index) {
  return NoBenchmarkRefusal(net, index, FindSectionEndRows(net, index));
}

std::string NoBenchmarkRefusal(const TKorNet& net, const PointIndex& index, const SectionEndRows& ends) {
  const std::vector<int32_t> unreached = PointsNoBenchmarkReaches(net, index, ends);
  if (unreached.empty()) return {};
  if (FixedPointCount(net) == 0)
    return "В сети «" + net.Name +
           "» нет ни одной жесткой точки: высотам не от чего отсчитываться. Отметьте хотя бы один репер "
           "как жесткую точку, выполните «Создание нулевых отметок» и введите его отметку.";
  return "В сети «" + net.Name + "» ни от одного репера не дойти до " + (unreached.size() == 1 ? "точки " : "точек ") +
         QuotedNames(net, unreached) +
         ": их высоты ничем не заданы. Свяжите эту часть сети звеньями с репером или отметьте в ней "
         "жесткую точку.";
}

}  // namespace korvado
