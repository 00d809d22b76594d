#pragma once
// The commands' refusals and warnings as the standard message boxes.

#include "MessageService.h"

namespace korvado {

class QtMessageService : public IMessageService {
 public:
  void ShowError(const std::string& text) override;
  void ShowWarning(const std::string& text, const std::string& title) override;
};

}  // namespace korvado
