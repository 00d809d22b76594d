#include "DocumentArguments.h"

namespace korvado::cli {

DocumentOptions DocumentOptionsOf(const CliArguments& arguments) {
  DocumentOptions options;
  for (const TitleField& field : kTitleFields) {
    const auto found = arguments.options.find(field.key);
    if (found != arguments.options.end()) options.title.*field.member = found->second;
  }
  const auto heights = arguments.options.find("heights");
  if (heights != arguments.options.end()) {
    if (heights->second != "m" && heights->second != "mm")
      throw UsageError("--heights must be m or mm, not '" + heights->second + "'");
    options.heights = heights->second == "m" ? HeightUnit::kMetres : HeightUnit::kMillimetres;
  }
  options.sectionsByMisclosure = arguments.sectionsByMisclosure;
  return options;
}

}  // namespace korvado::cli
