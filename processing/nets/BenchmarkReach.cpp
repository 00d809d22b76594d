#include "BenchmarkReach.h"

namespace korvado {

namespace {

// A message listing thousands of names helps nobody.
constexpr size_t kNamesShown = 10;

// Sections as adjacency lists over the first rows of the names.
std::vector<std::vector<int32_t>> Neighbours(const TKorNet& net, const PointIndex& index) {
  std::vector<std::vector<int32_t>> neighbours(static_cast<size_t>(net.PointCount()));
  for (int32_t s = 0; s < net.SectionCount(); ++s) {
    const int32_t start = FindInIndex(index, net.SectionStarts[s]);
    const int32_t end = FindInIndex(index, net.SectionEnds[s]);
    if (start < 0 || end < 0 || start == end) continue;
    neighbours[start].push_back(end);
    neighbours[end].push_back(start);
  }
  return neighbours;
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

std::vector<char> RowsEndingSections(const TKorNet& net, const PointIndex& index) {
  std::vector<char> onSection(static_cast<size_t>(net.PointCount()), 0);
  for (int32_t s = 0; s < net.SectionCount(); ++s)
    for (const std::string& end : {net.SectionStarts[s], net.SectionEnds[s]})
      if (const int32_t p = FindInIndex(index, end); p >= 0) onSection[p] = 1;
  return onSection;
}

std::vector<int32_t> PointsNoBenchmarkReaches(const TKorNet& net, const PointIndex& index) {
  const std::vector<std::vector<int32_t>> neighbours = Neighbours(net, index);
  std::vector<char> reached(neighbours.size(), 0);
  std::vector<int32_t> pending;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint && FindInIndex(index, net.PointNames[p]) == p) {
      reached[p] = 1;
      pending.push_back(p);
    }
  while (!pending.empty()) {
    const int32_t p = pending.back();
    pending.pop_back();
    for (int32_t q : neighbours[p])
      if (!reached[q]) {
        reached[q] = 1;
        pending.push_back(q);
      }
  }
  const std::vector<char> onSection = RowsEndingSections(net, index);
  std::vector<int32_t> unreached;
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (onSection[p] && !reached[p]) unreached.push_back(p);
  return unreached;
}

std::string NoBenchmarkRefusal(const TKorNet& net, const PointIndex& index) {
  const std::vector<int32_t> unreached = PointsNoBenchmarkReaches(net, index);
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
