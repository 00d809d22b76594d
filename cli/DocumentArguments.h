#pragma once
// The options of a statement on the command line: the title block fields
// (--object, --computed-by, …), --heights m|mm and --sections-by-w.

#include "CliArguments.h"
#include "DocumentOptions.h"

namespace korvado::cli {

// Raises UsageError for a unit other than m or mm.
DocumentOptions DocumentOptionsOf(const CliArguments& arguments);

}  // namespace korvado::cli
