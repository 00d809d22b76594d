#include "MessageRecorder.h"

namespace korvado {

MessageRecorder::MessageRecorder() : scope_(this) {}
MessageRecorder::~MessageRecorder() = default;

void MessageRecorder::ShowError(const std::string& text) { errors.push_back(text); }

void MessageRecorder::ShowWarning(const std::string& text, const std::string& title) {
  warnings.push_back(text);
  warningTitles.push_back(title);
}

}  // namespace korvado
