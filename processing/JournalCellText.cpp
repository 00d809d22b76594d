#include "JournalCellText.h"

#include "KorData.h"
#include "NumberText.h"

namespace korvado {

std::string MainGridHeightText(double heightDiff) {
  return heightDiff == InvalidHeight ? kInvalidHeightText : FormatGrouped(heightDiff);
}

}  // namespace korvado
