#pragma once
// The core's refusals and questions as the standard message boxes.

#include "MessageService.h"

namespace korvado {

class QtMessageService : public IMessageService {
 public:
  void ShowError(const std::string& text) override;
  void ShowWarning(const std::string& text, const std::string& title) override;
  bool Confirm(const std::string& text) override;
};

}  // namespace korvado
