// The file commands of the main window: the dialogs and the question about
// unsaved changes around the app layer's file commands, and the screen after.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>

#include "AdjustmentPage.h"
#include "Autosave.h"
#include "CommandGuard.h"
#include "ExampleFile.h"
#include "FileCommands.h"
#include "FileDialogs.h"
#include "JournalPage.h"
#include "KorvadoApplication.h"
#include "MainForm.h"
#include "NetSystemPage.h"
#include "ShowOutcome.h"
#include "StoredChoices.h"

namespace korvado {

namespace {

const char* const kDataFileFilter = "Файл данных для Korvado (*.kor)";

QString AskDataFilePath(QWidget* parent, SettingsFile& ini, const char* title, QFileDialog::AcceptMode mode) {
  return AskFilePath(parent, ini, QString::fromUtf8(title), QString::fromUtf8(kDataFileFilter), mode,
                     QStringLiteral("kor"));
}

}  // namespace

bool TMainForm::SaveChangesFirst() {
  if (!NeedsSaveQuestion(state_)) return true;
  const auto answer = QMessageBox::question(this, ApplicationTitle(), QStringLiteral("Сохранить изменения?"),
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::No) return true;
  if (answer != QMessageBox::Yes) return false;
  return SaveData();
}

bool TMainForm::SaveData() {
  if (state_.CurrentFileName.empty()) return SaveDataAs();
  // Read once: the same bytes decide the question and become the backup.
  const DiskVersion onDisk = ReadDiskVersion(state_.CurrentFileName);
  if (CurrentFileChangedOnDisk(state_, onDisk)) {
    const auto answer = QMessageBox::question(
        this, ApplicationTitle(), QStringLiteral("Файл изменён другой программой после открытия. Перезаписать?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    // The other program's version stays; the data can go to another file.
    if (answer != QMessageBox::Yes) return SaveDataAs();
  }
  return WriteWithBackup([&](SaveOptions options) {
    options.Previous = &onDisk;
    SaveDataFile(state_, options);
  });
}

bool TMainForm::SaveDataAs() {
  const QString path = AskDataFilePath(this, Settings(), "Сохранить как", QFileDialog::AcceptSave);
  if (path.isEmpty()) return false;
  return WriteWithBackup([&](const SaveOptions& options) { SaveDataFileAs(state_, path.toStdString(), options); });
}

bool TMainForm::WriteWithBackup(const std::function<void(const SaveOptions&)>& write) {
  SaveOptions options;
  options.Backup = ReadBackupChoice(*settings_);
  try {
    write(options);
  } catch (const BackupError& error) {
    const auto answer =
        QMessageBox::warning(this, ApplicationTitle(),
                             QString::fromUtf8(error.what()) + QStringLiteral("\nСохранить файл без резервной копии?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return false;
    options.Backup = false;
    write(options);
  }
  ShowFileName();
  autosave_->Discard();
  return true;
}

void TMainForm::acSaveExecute() { SaveData(); }

void TMainForm::acSaveAsExecute() { SaveDataAs(); }

void TMainForm::acNewExecute() {
  if (journalPage->IsEditing()) return;
  if (!SaveChangesFirst()) return;
  NewData(state_);
  autosave_->Discard();
  ShowClosedData();
  ShowOpenData();
}

void TMainForm::acOpenExecute() {
  if (!SaveChangesFirst()) return;
  const QString path = AskDataFilePath(this, Settings(), "Открыть", QFileDialog::AcceptOpen);
  if (!path.isEmpty()) OpenFile(path);
}

void TMainForm::OpenFile(const QString& path) {
  if (!ShowOutcome(OpenDataFile(state_, path.toStdString()))) return;
  autosave_->Discard();
  ShowOpenedFile();
}

void TMainForm::Start(const QStringList& arguments) {
  show();
  const QString named = arguments.value(1);
  if (!named.isEmpty()) {
    // The status bar shows the full path, whatever folder the name was given from.
    const QString path = QFileInfo(named).absoluteFilePath();
    RunGuarded([&] {
      ShowOutcome(OpenNamedDataFile(state_, path.toStdString()));
      ShowOpenedFile();
    });
  }
  RunGuarded([this] { OfferRecovery(); });
}

void TMainForm::acOpenExampleExecute() {
  if (!SaveChangesFirst()) return;
  ShowOutcome(OpenDataFileAsCopy(state_, ExampleDataFilePath().toStdString()));
  autosave_->Discard();
  ShowOpenedFile();
}

void TMainForm::StartAutosave() {
  // Negative means off as 0 does; a day is the longest interval the timer is given.
  const int interval =
      settings_->ReadBounded(QStringLiteral("Autosave"), QStringLiteral("IntervalSeconds"), 60, 0, 24 * 3600);
  autosave_ = new Autosave(state_, interval, this);
  connect(autosave_, &Autosave::Failed, this, [this](const QString& text) { statusBar()->showMessage(text); });
}

void TMainForm::OfferRecovery() {
  autosave_->OfferRecovery(this, [this] { ShowOpenedFile(); });
}

void TMainForm::ShowOpenedFile() {
  ShowClosedData();
  ShowOpenData();
  RefillNetSelector();
}

void TMainForm::acCloseDataExecute() {
  if (!SaveChangesFirst()) return;
  CloseData(state_);
  autosave_->Discard();
  ShowClosedData();
}

void TMainForm::ShowClosedData() {
  PageControl1->setFocus();
  ComboBox1->clear();
  acTechTableKor->setChecked(false);
  journalPage->ShowData(false);
  netSystemPage->ShowClosedData();
  adjustmentPage->ShowClosedData();
  ShowFileName();
}

void TMainForm::ShowOpenData() {
  acTechTableKor->setChecked(state_.Journal.TechMode);
  journalPage->ShowOpenData();
  ShowFileName();
}

void TMainForm::ShowFileName() {
  const QString path = QString::fromStdString(state_.CurrentFileName);
  StatusPanel2->setText(path);
  // Qt puts the unsaved-changes mark where "[*]" stands: after the data's name.
  const QString name = QString::fromStdString(DataTitleName(state_));
  setWindowTitle(name.isEmpty() ? ApplicationTitle() + QStringLiteral("[*]")
                                : name + QStringLiteral("[*] — ") + ApplicationTitle());
  ShowChangedMark();
}

void TMainForm::ShowChangedMark() {
  if (isWindowModified() != state_.Changed) setWindowModified(state_.Changed);
}

}  // namespace korvado
