#include "NaturalOrder.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string_view>

#include "Utf8Text.h"

namespace korvado {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::string_view TakeRun(std::string_view& text) {
  const bool digits = IsDigit(text.front());
  size_t end = 1;
  while (end < text.size() && IsDigit(text[end]) == digits) ++end;
  const std::string_view run = text.substr(0, end);
  text.remove_prefix(end);
  return run;
}

// Digit runs of any length, without converting them to a number that could overflow.
int CompareNumbers(std::string_view a, std::string_view b) {
  while (a.size() > 1 && a.front() == '0') a.remove_prefix(1);
  while (b.size() > 1 && b.front() == '0') b.remove_prefix(1);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

int CompareFolded(const std::string& a, const std::string& b) {
  std::string_view x = a;
  std::string_view y = b;
  while (!x.empty() && !y.empty()) {
    const std::string_view runX = TakeRun(x);
    const std::string_view runY = TakeRun(y);
    const bool numbers = IsDigit(runX.front()) && IsDigit(runY.front());
    const int order = numbers ? CompareNumbers(runX, runY) : runX.compare(runY);
    if (order != 0) return order;
  }
  if (x.empty() != y.empty()) return x.empty() ? -1 : 1;
  return 0;
}

bool Less(const std::string& foldedA, const std::string& a, const std::string& foldedB, const std::string& b) {
  const int folded = CompareFolded(foldedA, foldedB);
  if (folded != 0) return folded < 0;
  return a < b;
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) { return Less(FoldCase(a), a, FoldCase(b), b); }

std::vector<size_t> NaturalSortOrder(const std::vector<std::string>& names) {
  std::vector<std::string> folded;
  folded.reserve(names.size());
  for (const std::string& name : names) folded.push_back(FoldCase(name));
  std::vector<size_t> order(names.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return Less(folded[a], names[a], folded[b], names[b]); });
  return order;
}

}  // namespace korvado
