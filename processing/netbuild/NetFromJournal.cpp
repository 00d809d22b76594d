#include "NetFromJournal.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "DataFileLayout.h"
#include "EquivalentRun.h"
#include "NumberText.h"
#include "PointTable.h"
#include "Tolerance.h"

namespace korvado {

namespace {

constexpr const char* kInvalidHeightReason = "превышение не вычислено (в журнале «Ошибка»)";
constexpr const char* kNoSetupsReason = "число штативов 0";
constexpr const char* kSameEndsReason = "задняя и передняя точки совпадают";
constexpr const char* kOverToleranceReason = "расхождение повторных ходов больше допуска";
constexpr const char* kNoBenchmarkReason = "ни один репер не связан с этой частью сети";
constexpr const char* kDanglingChainReason = "висячий ход из нескольких штативов (висячая точка держится на одном)";
constexpr const char* kUnattachedReason = "ход висит на репере, через который не проходит ни одно звено";
constexpr const char* kBenchmarkAloneReason = "репер не вошел ни в одно звено";

std::string RepeatedSpurReason(int32_t used) {
  return "висячая точка держится на одном ходе; использован ход записи " + std::to_string(used);
}

std::string TooManyRepeatsReason() {
  return "один эквивалентный штатив объединяет не больше " + std::to_string(kMaxReferenceCount) +
         " ходов (столько ссылок вмещает файл)";
}

// One record of a pair of points, and whether it runs against the pair's direction.
struct Observation {
  int32_t record = 0;
  bool reversed = false;
};

// The records between two points; the first one gives the direction a → b.
struct PointPair {
  int32_t a = 0;
  int32_t b = 0;
  std::vector<Observation> runs;
  double height = 0.0;
  double setups = 0.0;
  enum class State { Used, Dropped, Dangling } state = State::Used;
};

// A section as found: its points from start to end and the pairs between them.
struct Chain {
  std::vector<int32_t> points;
  std::vector<int32_t> pairs;
};

class NetBuilder {
 public:
  NetBuilder(const TKorData& journal, const NetBuildRequest& request) : journal_(journal), request_(request) {}

  NetPlan Build() {
    TakeRecords();
    MergeRepeats();
    CountNeighbours();
    DropPartsWithoutBenchmark();
    PruneSpurs();
    WalkSections();
    PlacePendents();
    FillPointTable();
    return std::move(plan_);
  }

 private:
  // The names stay in the journal, which does not change while the net is built.
  int32_t PointId(std::string_view name) {
    const auto [at, added] = ids_.try_emplace(name, static_cast<int32_t>(names_.size()));
    if (added) names_.push_back(name);
    return at->second;
  }

  std::string Name(int32_t point) const { return std::string(names_[point]); }

  double RecordHeight(int32_t record) const { return RoundHalfEven(2, journal_.HeightDiffs.GetItem(record)); }

  void Leave(std::vector<int32_t> records, std::vector<std::string> points, std::string reason) {
    for (int32_t& record : records) ++record;
    plan_.leftOut.push_back({std::move(records), std::move(points), std::move(reason)});
  }

  std::vector<int32_t> RecordsOf(const std::vector<int32_t>& pairs) const {
    std::vector<int32_t> records;
    for (int32_t p : pairs)
      for (const Observation& run : pairs_[p].runs) records.push_back(run.record);
    std::sort(records.begin(), records.end());
    return records;
  }

  std::vector<std::string> NamesOf(std::vector<int32_t> points) const {
    std::sort(points.begin(), points.end());
    std::vector<std::string> names;
    for (int32_t p : points) names.push_back(Name(p));
    return names;
  }

  // Points are numbered in the order the journal meets them, so that the
  // lower number is the end met first.
  void TakeRecords() {
    std::vector<int32_t> records = request_.records;
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    std::vector<int32_t> invalid, noSetups, sameEnds;
    std::unordered_map<uint64_t, int32_t> pairOf;
    pairOf.reserve(records.size());
    ids_.reserve(records.size());
    for (int32_t r : records) {
      if (r < 0 || r >= journal_.RecordCount()) continue;
      const double height = journal_.HeightDiffs.GetItem(r);
      if (height == InvalidHeight || !std::isfinite(height)) {
        invalid.push_back(r);
      } else if (journal_.SetupCounts.GetItem(r) <= 0) {
        noSetups.push_back(r);
      } else if (journal_.BackPoints[r] == journal_.ForePoints[r]) {
        sameEnds.push_back(r);
      } else {
        const int32_t back = PointId(journal_.BackPoints[r]);
        const int32_t fore = PointId(journal_.ForePoints[r]);
        const uint64_t key = (uint64_t(std::min(back, fore)) << 32) | uint32_t(std::max(back, fore));
        const auto [at, added] = pairOf.try_emplace(key, static_cast<int32_t>(pairs_.size()));
        if (added) pairs_.push_back({back, fore, {}, 0.0, 0.0});
        pairs_[at->second].runs.push_back({r, back != pairs_[at->second].a});
      }
    }
    if (!invalid.empty()) Leave(invalid, {}, kInvalidHeightReason);
    if (!noSetups.empty()) Leave(noSetups, {}, kNoSetupsReason);
    if (!sameEnds.empty()) Leave(sameEnds, {}, kSameEndsReason);
    benchmark_.assign(names_.size(), 0);
    for (const KnownHeight& known : request_.benchmarks) {
      const auto found = ids_.find(known.name);
      if (found != ids_.end()) benchmark_[found->second] = 1;
    }
  }

  void MergeRepeats() {
    for (PointPair& pair : pairs_) {
      if (pair.runs.size() > static_cast<size_t>(kMaxReferenceCount)) {
        std::vector<int32_t> extra;
        for (size_t k = kMaxReferenceCount; k < pair.runs.size(); ++k) extra.push_back(pair.runs[k].record);
        pair.runs.resize(kMaxReferenceCount);
        Leave(extra, {Name(pair.a), Name(pair.b)}, TooManyRepeatsReason());
      }
      std::vector<RunObservation> runs;
      for (const Observation& run : pair.runs)
        runs.push_back({run.reversed ? -RecordHeight(run.record) : RecordHeight(run.record),
                        double(journal_.SetupCounts.GetItem(run.record))});
      if (runs.size() == 1) {
        pair.height = runs[0].height;
        pair.setups = runs[0].setups;
        continue;
      }
      const EquivalentRun merged = *MergeRuns(runs);
      pair.height = merged.height;
      pair.setups = merged.setups;
      CheckRepeats(pair, runs);
    }
  }

  void CheckRepeats(PointPair& pair, const std::vector<RunObservation>& runs) {
    RepeatedRuns repeated{Name(pair.a), Name(pair.b), {}, pair.height, pair.setups};
    double lowest = runs[0].height, highest = runs[0].height, setups = 0.0;
    for (const RunObservation& run : runs) {
      lowest = std::min(lowest, run.height);
      highest = std::max(highest, run.height);
      setups += run.setups;
    }
    for (const Observation& run : pair.runs) repeated.records.push_back(run.record + 1);
    repeated.discrepancy = RoundHalfEven(2, highest - lowest);
    repeated.allowed = AllowedMisclosure(request_.toleranceCoefficient, setups);
    repeated.passed = WithinTolerance(repeated.discrepancy, repeated.allowed);
    const auto& kept = request_.keptRepeats;
    repeated.used = repeated.passed || std::find(kept.begin(), kept.end(), repeated.records.front()) != kept.end();
    if (!repeated.used) {
      pair.state = PointPair::State::Dropped;
      Leave(RecordsOf({static_cast<int32_t>(&pair - pairs_.data())}), {Name(pair.a), Name(pair.b)},
            kOverToleranceReason);
    }
    plan_.repeated.push_back(std::move(repeated));
  }

  void CountNeighbours() {
    incident_.assign(names_.size(), {});
    degree_.assign(names_.size(), 0);
    for (int32_t p = 0; p < static_cast<int32_t>(pairs_.size()); ++p) {
      if (pairs_[p].state != PointPair::State::Used) continue;
      for (int32_t end : {pairs_[p].a, pairs_[p].b}) {
        incident_[end].push_back(p);
        ++degree_[end];
      }
    }
  }

  int32_t Other(int32_t pair, int32_t point) const { return pairs_[pair].a == point ? pairs_[pair].b : pairs_[pair].a; }

  // The points and pairs joined to `start` through pairs in `state`, not
  // going on past a point for which `stop` holds (it is still collected).
  template <class Stop>
  void Reach(int32_t startPair, PointPair::State state, Stop&& stop, std::vector<int32_t>& points,
             std::vector<int32_t>& pairs, std::vector<char>& pairSeen) {
    std::deque<int32_t> queue{startPair};
    pairSeen[startPair] = 1;
    std::unordered_set<int32_t> pointSeen;
    while (!queue.empty()) {
      const int32_t pair = queue.front();
      queue.pop_front();
      pairs.push_back(pair);
      for (int32_t point : {pairs_[pair].a, pairs_[pair].b}) {
        if (!pointSeen.insert(point).second) continue;
        points.push_back(point);
        if (stop(point)) continue;
        for (int32_t next : incident_[point])
          if (!pairSeen[next] && pairs_[next].state == state) {
            pairSeen[next] = 1;
            queue.push_back(next);
          }
      }
    }
  }

  void DropPartsWithoutBenchmark() {
    std::vector<char> seen(pairs_.size(), 0);
    for (int32_t p = 0; p < static_cast<int32_t>(pairs_.size()); ++p) {
      if (seen[p] || pairs_[p].state != PointPair::State::Used) continue;
      std::vector<int32_t> points, pairs;
      Reach(
          p, PointPair::State::Used, [](int32_t) { return false; }, points, pairs, seen);
      if (std::any_of(points.begin(), points.end(), [&](int32_t point) { return benchmark_[point]; })) continue;
      for (int32_t pair : pairs) pairs_[pair].state = PointPair::State::Dropped;
      for (int32_t point : points) degree_[point] = 0;
      Leave(RecordsOf(pairs), NamesOf(points), kNoBenchmarkReason);
    }
  }

  // Takes off, leaf by leaf, every run that ends at a point with no other
  // neighbour, unless that point is a benchmark; what is left are the
  // sections' runs.
  void PruneSpurs() {
    std::deque<int32_t> leaves;
    for (int32_t point = 0; point < static_cast<int32_t>(names_.size()); ++point)
      if (degree_[point] == 1 && !benchmark_[point]) leaves.push_back(point);
    while (!leaves.empty()) {
      const int32_t leaf = leaves.front();
      leaves.pop_front();
      if (degree_[leaf] != 1) continue;
      const auto pair = std::find_if(incident_[leaf].begin(), incident_[leaf].end(),
                                     [&](int32_t p) { return pairs_[p].state == PointPair::State::Used; });
      pairs_[*pair].state = PointPair::State::Dangling;
      const int32_t other = Other(*pair, leaf);
      degree_[leaf] = 0;
      if (--degree_[other] == 1 && !benchmark_[other]) leaves.push_back(other);
    }
  }

  bool IsEnd(int32_t point) const { return degree_[point] > 0 && (benchmark_[point] || degree_[point] >= 3); }

  int32_t TypeOf(int32_t point) const {
    if (benchmark_[point]) return kFixedPoint;
    return IsEnd(point) ? kNodalPoint : kIntermediatePoint;
  }

  // The used pair at `point` other than `pair` (the point has two).
  int32_t NextPair(int32_t point, int32_t pair) const {
    for (int32_t p : incident_[point])
      if (p != pair && pairs_[p].state == PointPair::State::Used) return p;
    return pair;
  }

  // From `point` along `pair` up to the next end.
  Chain Follow(int32_t point, int32_t pair) const {
    Chain chain{{point}, {}};
    while (true) {
      chain.pairs.push_back(pair);
      point = Other(pair, point);
      chain.points.push_back(point);
      if (IsEnd(point) || point == chain.points.front()) return chain;
      pair = NextPair(point, pair);
    }
  }

  // The chain through `pair`, from the end the journal meets first.
  Chain ChainThrough(int32_t pair) const {
    int32_t point = pairs_[pair].a;
    int32_t towards = pair;
    // Back to the nearest end; a ring without an end (not possible once every
    // part holds a benchmark) would stop where it started.
    while (!IsEnd(point)) {
      const int32_t next = NextPair(point, towards);
      if (next == pair) break;
      towards = next;
      point = Other(towards, point);
    }
    Chain chain = Follow(point, towards);
    const bool closed = chain.points.front() == chain.points.back();
    if (closed ? chain.pairs.back() < chain.pairs.front() : chain.points.back() < chain.points.front()) {
      std::reverse(chain.points.begin(), chain.points.end());
      std::reverse(chain.pairs.begin(), chain.pairs.end());
    }
    return chain;
  }

  NetRun RunOf(int32_t pair, int32_t from) const {
    const PointPair& p = pairs_[pair];
    const bool along = p.a == from;
    NetRun run{Name(from),
               Name(Other(pair, from)),
               TypeOf(from),
               TypeOf(Other(pair, from)),
               along ? p.height : -p.height,
               p.setups,
               {}};
    for (const Observation& o : p.runs) run.refs.push_back(MakeJournalRef(o.record, o.reversed == along));
    return run;
  }

  // Pairs were made in the order of their first records, so sections follow
  // the journal too.
  void WalkSections() {
    std::vector<char> walked(pairs_.size(), 0);
    firstSection_.assign(names_.size(), -1);
    TKorNet& net = plan_.net;
    for (int32_t p = 0; p < static_cast<int32_t>(pairs_.size()); ++p) {
      if (walked[p] || pairs_[p].state != PointPair::State::Used) continue;
      const Chain chain = ChainThrough(p);
      const int32_t section = net.SectionTables.AddEmptyTable();
      TKorNetDetailTable& table = net.SectionTables.TableAt(section);
      for (size_t k = 0; k < chain.pairs.size(); ++k) {
        walked[chain.pairs[k]] = 1;
        table.AppendRun(RunOf(chain.pairs[k], chain.points[k]));
      }
      for (int32_t point : chain.points)
        if (firstSection_[point] < 0) firstSection_[point] = section;
      net.AppendSection({});
      net.UpdateSectionSummary(static_cast<uint16_t>(section));
    }
  }

  void PlacePendents() {
    std::vector<char> seen(pairs_.size(), 0);
    const auto onSection = [&](int32_t point) { return firstSection_[point] >= 0; };
    for (int32_t p = 0; p < static_cast<int32_t>(pairs_.size()); ++p) {
      if (seen[p] || pairs_[p].state != PointPair::State::Dangling) continue;
      std::vector<int32_t> points, pairs;
      Reach(p, PointPair::State::Dangling, onSection, points, pairs, seen);
      const auto root = std::find_if(points.begin(), points.end(), onSection);
      if (root == points.end()) {
        Leave(RecordsOf(pairs), NamesOf(points), kUnattachedReason);
      } else if (pairs.size() > 1) {
        const int32_t from = *root;
        points.erase(root);
        Leave(RecordsOf(pairs), NamesOf(points), kDanglingChainReason + (" от точки " + Name(from)));
      } else {
        AddPendent(pairs.front(), *root);
      }
    }
  }

  void AddPendent(int32_t pair, int32_t from) {
    const PointPair& p = pairs_[pair];
    const Observation& first = p.runs.front();
    const bool along = p.a == from;
    const int32_t point = Other(pair, from);
    const int32_t section = firstSection_[from];
    const double height = first.reversed ? -RecordHeight(first.record) : RecordHeight(first.record);
    plan_.net.SectionTables.TableAt(section).AppendPendent({TypeOf(from),
                                                            Name(from),
                                                            Name(point),
                                                            journal_.SetupCounts.GetItem(first.record),
                                                            along ? height : -height,
                                                            {MakeJournalRef(first.record, first.reversed == along)}});
    plan_.pendent.push_back({section, Name(from), Name(point), first.record + 1});
    if (p.runs.size() > 1) {
      std::vector<int32_t> others;
      for (size_t k = 1; k < p.runs.size(); ++k) others.push_back(p.runs[k].record);
      Leave(others, {Name(from), Name(point)}, RepeatedSpurReason(first.record + 1));
    }
  }

  void FillPointTable() {
    TKorNet& net = plan_.net;
    net.Name = request_.name;
    if (net.SectionCount() > 0) plan_.pointTable = RebuildPoints(net);
    std::vector<int32_t> alone;
    for (const KnownHeight& known : request_.benchmarks) {
      const auto found = ids_.find(known.name);
      if (found == ids_.end()) continue;
      if (firstSection_[found->second] < 0)
        alone.push_back(found->second);
      else
        SetPointElevation(net, known.name, known.elevation);
    }
    if (!alone.empty()) Leave({}, NamesOf(alone), kBenchmarkAloneReason);
  }

  const TKorData& journal_;
  const NetBuildRequest& request_;
  NetPlan plan_;
  std::vector<std::string_view> names_;
  std::unordered_map<std::string_view, int32_t> ids_;
  std::vector<char> benchmark_;
  std::vector<PointPair> pairs_;
  std::vector<std::vector<int32_t>> incident_;
  std::vector<int32_t> degree_;
  std::vector<int32_t> firstSection_;
};

}  // namespace

NetPlan PlanNetFromJournal(const TKorData& journal, const NetBuildRequest& request) {
  return NetBuilder(journal, request).Build();
}

}  // namespace korvado
