#include "MessageService.h"

namespace korvado {

namespace {
IMessageService* installedService = nullptr;
}

void SetMessageService(IMessageService* service) { installedService = service; }
IMessageService* CurrentMessageService() { return installedService; }

void ReportError(const std::string& text) {
  if (installedService) installedService->ShowError(text);
}

void ReportWarning(const std::string& text, const std::string& title) {
  if (installedService) installedService->ShowWarning(text, title);
}

ScopedMessageService::ScopedMessageService(IMessageService* service) : previous_(installedService) {
  installedService = service;
}

ScopedMessageService::~ScopedMessageService() { installedService = previous_; }

}  // namespace korvado
