#include "SeparatorScope.h"

#include "NumberText.h"

namespace korvado {

SeparatorScope::SeparatorScope(char decimal, const std::string& thousands) { SetNumberSeparators(decimal, thousands); }

SeparatorScope::~SeparatorScope() { SetNumberSeparators('.', ","); }

}  // namespace korvado
