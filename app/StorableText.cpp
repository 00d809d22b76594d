#include "StorableText.h"

#include "ControlChars.h"
#include "MessageService.h"
#include "Windows1251.h"

namespace korvado {

std::string StorableTextFault(const std::string& text) {
  if (HasControlChar(text)) return ControlCharMessage(text);
  if (!CanEncodeWindows1251(text)) return NotInWindows1251Message(text);
  return {};
}

bool CheckStorableText(const std::string& text) {
  const std::string fault = StorableTextFault(text);
  if (fault.empty()) return true;
  ReportError(fault);
  return false;
}

}  // namespace korvado
