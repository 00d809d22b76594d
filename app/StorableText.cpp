#include "StorableText.h"

#include "MessageService.h"
#include "Windows1251.h"

namespace korvado {

bool CheckStorableText(const std::string& text) {
  if (CanEncodeWindows1251(text)) return true;
  ReportError(NotInWindows1251Message(text));
  return false;
}

}  // namespace korvado
