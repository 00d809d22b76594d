#pragma once
// The one way the core tells the user that an operation was refused. The
// windowed program installs a service that shows message boxes; tests install
// a recorder. With none installed, messages are dropped.

#include <string>

namespace korvado {

class IMessageService {
 public:
  virtual ~IMessageService() = default;
  // An error box with an OK button.
  virtual void ShowError(const std::string& text) = 0;
  // A warning box with an OK button; an empty title means the program's title.
  virtual void ShowWarning(const std::string& text, const std::string& title) = 0;
};

void SetMessageService(IMessageService* service);
IMessageService* CurrentMessageService();

void ReportError(const std::string& text);
void ReportWarning(const std::string& text, const std::string& title = "");

// Installs a service for the lifetime of the object and restores the previous one.
class ScopedMessageService {
 public:
  explicit ScopedMessageService(IMessageService* service);
  ~ScopedMessageService();
  ScopedMessageService(const ScopedMessageService&) = delete;
  ScopedMessageService& operator=(const ScopedMessageService&) = delete;

 private:
  IMessageService* previous_;
};

}  // namespace korvado
