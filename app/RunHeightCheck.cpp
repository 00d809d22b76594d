#include "RunHeightCheck.h"

#include <cmath>

#include "KorData.h"

namespace korvado {

bool IsMarkedInvalid(double height) { return std::fabs(height) == InvalidHeight; }

Outcome CheckRunHeight(double height, const std::string& back, const std::string& fore, int32_t ref) {
  if (!IsMarkedInvalid(height)) return {};
  return Outcome::Refusal("Штатив " + back + " --> " + fore + " (запись журнала № " +
                          std::to_string(JournalRefRecord(ref) + 1) +
                          ") нельзя добавить в сеть: его превышение не вычислено, отсчеты по двум шкалам расходятся.");
}

}  // namespace korvado
