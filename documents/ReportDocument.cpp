#include "ReportDocument.h"

#include <algorithm>

namespace korvado {

bool ReportTable::IsStrong(size_t row) const {
  return std::find(strongRows.begin(), strongRows.end(), row) != strongRows.end();
}

const ReportPart* ReportDocument::Part(const std::string& heading) const {
  for (const ReportPart& part : parts)
    if (part.heading == heading) return &part;
  return nullptr;
}

}  // namespace korvado
