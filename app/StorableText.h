#pragma once
// Text the user types goes into the data file in Windows-1251; text that code
// page cannot hold is refused where it is entered, not when the file is saved.

#include <string>

#include "Outcome.h"

namespace korvado {

// Why text cannot be stored (a control character, a character the file's code
// page has not), empty when it can.
std::string StorableTextFault(const std::string& text);
// Refused, naming the characters, for text the file cannot hold.
Outcome CheckStorableText(const std::string& text);

}  // namespace korvado
