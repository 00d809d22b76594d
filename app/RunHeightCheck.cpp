#include "RunHeightCheck.h"

#include <cmath>

#include "KorData.h"
#include "MessageService.h"

namespace korvado {

bool IsMarkedInvalid(double height) { return std::fabs(height) == InvalidHeight; }

bool CheckRunHeight(double height, const std::string& back, const std::string& fore, int32_t ref) {
  if (!IsMarkedInvalid(height)) return true;
  ReportError("Штатив " + back + " --> " + fore + " (запись журнала № " + std::to_string(JournalRefRecord(ref) + 1) +
              ") нельзя добавить в сеть: его превышение не вычислено, отсчеты по двум шкалам расходятся.");
  return false;
}

}  // namespace korvado
