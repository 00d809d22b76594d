#include "GeneratedNets.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <stdexcept>

#include "Must.h"
#include "PointTable.h"

namespace korvado {

namespace {

constexpr int32_t kMostSections = 65535;
constexpr int32_t kFixedEvery = 20;
constexpr double kSigmaPerSetup = 0.5;
constexpr int32_t kGridColumns = 200;

std::string PointName(int32_t k) { return "P" + std::to_string(k); }

class Builder {
 public:
  Builder(NetShape shape, int32_t points, uint32_t seed) : shape_(shape), points_(points), random_(seed) {
    const int32_t columns = shape == NetShape::Grid ? std::min(kGridColumns, points) : points;
    for (int32_t k = 0; k < points; ++k) {
      const double c = k % columns, r = k / columns;
      made.truth.push_back(100000.0 + 3000.0 * std::sin(c * 0.05) * std::cos(r * 0.07) + 0.5 * c);
    }
  }

  bool Fixed(int32_t k) const {
    switch (shape_) {
      case NetShape::Chain:
        return k == 0 || k == points_ - 1;
      case NetShape::Loop:
        return k == 0;
      default:
        return k % kFixedEvery == 0;
    }
  }

  void AddSection(int32_t from, int32_t to) {
    const int setups = std::uniform_int_distribution<int>(1, 20)(random_);
    const double error = std::normal_distribution<double>(0.0, kSigmaPerSetup)(random_) * std::sqrt(setups);
    const double height = std::round((made.truth[to] - made.truth[from] + error) * 100.0) / 100.0;
    const auto type = [&](int32_t k) { return static_cast<uint8_t>(Fixed(k) ? kFixedPoint : kNodalPoint); };
    Must(made.net.AddSection(PointName(from), PointName(to), type(from), type(to), height, setups, 0));
  }

  int32_t Any() { return std::uniform_int_distribution<int32_t>(0, points_ - 1)(random_); }
  int32_t Below(int32_t k) { return std::uniform_int_distribution<int32_t>(0, k - 1)(random_); }
  std::mt19937& Random() { return random_; }

  GeneratedNet made;

 private:
  NetShape shape_;
  int32_t points_;
  std::mt19937 random_;
};

int32_t SectionTarget(int32_t points) { return std::min(kMostSections, points + points / 2); }

void BuildGrid(Builder& builder, int32_t points) {
  const int32_t columns = std::min(kGridColumns, points);
  for (int32_t k = 0; k + 1 < points; ++k)
    if ((k + 1) % columns) builder.AddSection(k, k + 1);
  // Rows joined at random columns: blocks of many sizes, as a real net has.
  std::vector<int32_t> crossings;
  for (int32_t k = 0; k + columns < points; ++k) crossings.push_back(k);
  std::shuffle(crossings.begin(), crossings.end(), builder.Random());
  // Every row is joined to the next at least once, so the grid is one net.
  for (int32_t k = 0; k + columns < points; k += columns) builder.AddSection(k, k + columns);
  for (int32_t k : crossings)
    if (builder.made.net.SectionCount() < SectionTarget(points) && k % columns) builder.AddSection(k, k + columns);
}

// A random tree, then sections between random pairs not yet joined: two
// points are joined once, as a net whose repeated runs were merged.
void BuildRandom(Builder& builder, int32_t points) {
  std::set<std::pair<int32_t, int32_t>> joined;
  const auto join = [&](int32_t from, int32_t to) {
    if (from == to || !joined.insert({std::min(from, to), std::max(from, to)}).second) return;
    builder.AddSection(from, to);
  };
  for (int32_t k = 1; k < points; ++k) join(builder.Below(k), k);
  const int64_t pairs = static_cast<int64_t>(points) * (points - 1) / 2;
  const auto target = static_cast<int32_t>(std::min<int64_t>(SectionTarget(points), pairs));
  while (builder.made.net.SectionCount() < target) join(builder.Any(), builder.Any());
}

}  // namespace

std::optional<NetShape> NetShapeFromName(const std::string& name) {
  for (NetShape shape : {NetShape::Chain, NetShape::Loop, NetShape::Grid, NetShape::Random})
    if (NetShapeName(shape) == name) return shape;
  return std::nullopt;
}

std::string NetShapeName(NetShape shape) {
  switch (shape) {
    case NetShape::Chain:
      return "chain";
    case NetShape::Loop:
      return "loop";
    case NetShape::Grid:
      return "grid";
    case NetShape::Random:
      return "random";
  }
  return {};
}

GeneratedNet GenerateNet(NetShape shape, int32_t points, uint32_t seed) {
  points = std::clamp(points, 2, kMostSections);
  Builder builder(shape, points, seed);
  builder.made.net.Name = NetShapeName(shape) + " " + std::to_string(points);
  switch (shape) {
    case NetShape::Chain:
      for (int32_t k = 0; k + 1 < points; ++k) builder.AddSection(k, k + 1);
      break;
    case NetShape::Loop:
      for (int32_t k = 0; k < points; ++k) builder.AddSection(k, (k + 1) % points);
      break;
    case NetShape::Grid:
      BuildGrid(builder, points);
      break;
    case NetShape::Random:
      BuildRandom(builder, points);
      break;
  }
  TKorNet& net = builder.made.net;
  (void)RebuildPoints(net);
  for (int32_t p = 0; p < net.PointCount(); ++p)
    if (net.PointTypes.GetItem(p) == kFixedPoint)
      net.PointElevations.SetItem(p, builder.made.truth[static_cast<size_t>(GeneratedPointNumber(net.PointNames[p]))]);
  return std::move(builder.made);
}

int32_t GeneratedPointNumber(const std::string& name) {
  if (name.size() < 2 || name[0] != 'P') return -1;
  int32_t k = 0;
  for (size_t i = 1; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return -1;
    k = k * 10 + (name[i] - '0');
  }
  return k;
}

}  // namespace korvado
