#pragma once
// The two pictures of settlement: each chosen mark's settlement since its
// first observation against the date, with the band of twice its σ, and the
// total settlement of every mark in mark order.

#include <cstddef>
#include <vector>

#include "Chart.h"
#include "MonitoringComputation.h"

namespace korvado {

Chart SettlementTimeChart(const MonitoringResult& result, const std::vector<size_t>& marks);

// Each mark's settlement at its last observation.
Chart TotalSettlementChart(const MonitoringResult& result);

// The marks of largest total settlement, at most `count`, largest first: the
// marks a statement plots when all of them would not be read apart.
std::vector<size_t> LargestSettlements(const MonitoringResult& result, size_t count);

}  // namespace korvado
