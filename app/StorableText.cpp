#include "StorableText.h"

#include "Windows1251.h"

namespace korvado {

Outcome CheckStorableText(const std::string& text) {
  if (CanEncodeWindows1251(text)) return {};
  return Outcome::Refusal(NotInWindows1251Message(text));
}

}  // namespace korvado
