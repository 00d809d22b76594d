#include "CycleDate.h"

#include <chrono>
#include <cstdio>

namespace korvado {

namespace {

std::chrono::year_month_day DayDate(int32_t day) {
  return std::chrono::year_month_day(std::chrono::sys_days(std::chrono::days(day)));
}

}  // namespace

std::optional<int32_t> ParseCycleDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  for (size_t k : {0, 1, 2, 3, 5, 6, 8, 9})
    if (text[k] < '0' || text[k] > '9') return std::nullopt;
  const int year = std::stoi(text.substr(0, 4));
  const unsigned month = static_cast<unsigned>(std::stoi(text.substr(5, 2)));
  const unsigned day = static_cast<unsigned>(std::stoi(text.substr(8, 2)));
  const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
  if (year < 1900 || year > 2999 || !date.ok()) return std::nullopt;
  return static_cast<int32_t>(std::chrono::sys_days(date).time_since_epoch().count());
}

std::string CycleDateText(int32_t day) {
  const std::chrono::year_month_day date = DayDate(day);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()));
  return text;
}

std::string CycleDateRussian(int32_t day) {
  const std::chrono::year_month_day date = DayDate(day);
  char text[16];
  std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  return text;
}

}  // namespace korvado
