#include "RecoveryQuestion.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

namespace korvado {

namespace {

QString WhoseData(const RecoveryRecord& record) {
  if (record.OwnerFile.empty()) return QStringLiteral("новых данных, ещё не сохранённых в файл");
  return QStringLiteral("файла «%1»").arg(QString::fromStdString(record.OwnerFile));
}

}  // namespace

RecoveryAnswer AskRecovery(QWidget* parent, const RecoveryRecord& record) {
  const QString written =
      QDateTime::fromSecsSinceEpoch(record.WrittenAt).toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
  QMessageBox box(QMessageBox::Question, QStringLiteral("Восстановление данных"),
                  QStringLiteral("Программа была завершена, не сохранив изменения %1.\n"
                                 "Копия этих изменений записана %2.")
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
