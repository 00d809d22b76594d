#include "StorableText.h"

#include "ControlChars.h"
#include "Windows1251.h"

namespace korvado {

std::string StorableTextFault(const std::string& text) {
  if (HasControlChar(text)) return ControlCharMessage(text);
  if (!CanEncodeWindows1251(text)) return NotInWindows1251Message(text);
  return {};
}

Outcome CheckStorableText(const std::string& text) {
  const std::string fault = StorableTextFault(text);
  if (fault.empty()) return {};
  return Outcome::Refusal(fault);
}

}  // namespace korvado
