#include "ShowOutcome.h"

#include "MessageService.h"

namespace korvado {

bool ShowOutcome(const Outcome& outcome) {
  for (const Notice& notice : outcome.Notices()) {
    if (notice.kind == Notice::Kind::Refusal)
      ReportError(notice.text);
    else
      ReportWarning(notice.text, notice.title);
  }
  return outcome.Ok();
}

}  // namespace korvado
