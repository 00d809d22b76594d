#pragma once
// A message service for tests: records what the core would have shown.

#include <string>
#include <vector>

#include "MessageService.h"

namespace korvado {

class MessageRecorder : public IMessageService {
 public:
  MessageRecorder();
  ~MessageRecorder() override;

  void ShowError(const std::string& text) override;
  void ShowWarning(const std::string& text, const std::string& title) override;
  bool Confirm(const std::string& text) override;

  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  std::vector<std::string> warningTitles;
  std::vector<std::string> questions;
  // The answer given to every Confirm.
  bool confirmAnswer = true;

  bool Silent() const { return errors.empty() && warnings.empty() && questions.empty(); }

 private:
  ScopedMessageService scope_;
};

}  // namespace korvado
