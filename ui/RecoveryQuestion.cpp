#include "RecoveryQuestion.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

namespace korvado {

namespace {

QString WhoseData(const RecoveryRecord& record) {
  if (record.OwnerFile.empty()) return QStringLiteral("новые данные, ещё не сохранённые в файл");
  return QStringLiteral("файл «%1»").arg(QString::fromStdString(record.OwnerFile));
}

}  // namespace

RecoveryAnswer AskRecovery(QWidget* parent, const RecoveryRecord& record) {
  const QString written =
      QDateTime::fromSecsSinceEpoch(record.WrittenAt).toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
  QMessageBox box(QMessageBox::Question, QStringLiteral("Восстановление данных"),
                  QStringLiteral("Программа завершилась, не сохранив изменения.\n"
                                 "Данные: %1.\n"
                                 "Копия изменений записана %2.")
                      .arg(WhoseData(record), written),
                  QMessageBox::NoButton, parent);
  QPushButton* restore = box.addButton(QStringLiteral("Восстановить"), QMessageBox::AcceptRole);
  QPushButton* remove = box.addButton(QStringLiteral("Удалить"), QMessageBox::DestructiveRole);
  QPushButton* later = box.addButton(QStringLiteral("Позже"), QMessageBox::RejectRole);
  box.setDefaultButton(restore);
  box.setEscapeButton(later);
  box.exec();
  if (box.clickedButton() == restore) return RecoveryAnswer::Restore;
  if (box.clickedButton() == remove) return RecoveryAnswer::Remove;
  return RecoveryAnswer::Later;
}

}  // namespace korvado
