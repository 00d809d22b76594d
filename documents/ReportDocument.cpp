#include "ReportDocument.h"

namespace korvado {

const ReportPart* ReportDocument::Part(const std::string& heading) const {
  for (const ReportPart& part : parts)
    if (part.heading == heading) return &part;
  return nullptr;
}

}  // namespace korvado
