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

  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  std::vector<std::string> warningTitles;

  bool Silent() const { return errors.empty() && warnings.empty(); }

 private:
  ScopedMessageService scope_;
};

}  // namespace korvado
