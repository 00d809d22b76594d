#include "OutcomeBox.h"

#include <QMessageBox>

namespace korvado {

bool ShowOutcomeBox(QWidget* parent, const Outcome& outcome) {
  for (const Notice& notice : outcome.Notices()) {
    const QString text = QString::fromStdString(notice.text);
    if (notice.kind == Notice::Kind::Refusal)
      QMessageBox::critical(parent, QStringLiteral("Korvado"), text);
    else
      QMessageBox::warning(parent, notice.title.empty() ? QStringLiteral("Korvado") : QString::fromStdString(notice.title), text);
  }
  return outcome.Ok();
}

}  // namespace korvado
