#include "ScreenshotMode.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTimer>

#include "AboutBox.h"
#include "JournalCommands.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "NetNameDlg.h"
#include "NetSystemPage.h"
#include "TypePointDlg.h"

namespace korvado {

namespace {

struct SampleReading {
  double backMain, foreMain, backAux, foreAux;
};

// Three runs of a short line, as a surveyor would have keyed them in.
void FillSampleJournal(AppState& state) {
  const char* const names[][2] = {{"Rp1", "N2"}, {"N2", "N3"}, {"N3", "Rp4"}};
  const SampleReading readings[] = {{1523, 1402, 6310, 6188}, {1287, 1544, 6074, 6332}, {1712, 1098, 6499, 5885},
                                    {1405, 1319, 6193, 6106}, {1630, 1701, 6417, 6489}, {1199, 1250, 5986, 6038}};
  for (int r = 0; r < 3; ++r) {
    if (r > 0) AppendJournalRecord(state);
    WriteMainCell(state, r, kMainBack, names[r][0]);
    WriteMainCell(state, r, kMainFore, names[r][1]);
    WriteMainCell(state, r, kMainSetups, "2");
    for (int k = 0; k < 2; ++k) {
      const SampleReading& s = readings[2 * r + k];
      const auto text = [](double v) { return std::to_string(static_cast<int>(v)); };
      WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k, 1, text(s.backMain));
      WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k, 2, text(s.backAux));
      WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k + 1, 1, text(s.foreMain));
      WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k + 1, 2, text(s.foreAux));
    }
  }
  WriteMainCell(state, 2, kMainNote, "повторно");
}

void SaveWindowPicture(QWidget* window, const QString& file) {
  QScreen* screen = window->screen();
  const QRect area = window->frameGeometry();
  screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
}

// Saves the picture once the window has been painted, then ends the program.
void SaveLater(QWidget* window, const QString& file) {
  QTimer::singleShot(700, window, [window, file] {
    SaveWindowPicture(window, file);
    QCoreApplication::exit(0);
  });
}

void ShowDialogFor(QDialog& dialog, const QString& file) {
  SaveLater(&dialog, file);
  dialog.exec();
}

void ShowView(TMainForm& form, const QString& view, const QString& file) {
  FillSampleJournal(form.State());
  form.JournalPage->RefillMainGrid();
  form.JournalPage->SelectMainCell(0, 0);
  form.JournalPage->MainStringGridClick();
  const QStringList pages = {"journal", "netsystem", "adjustment", "elevation"};
  if (pages.contains(view)) {
    form.PageControl1->setCurrentIndex(pages.indexOf(view));
    if (view == "netsystem") form.NetSystemPage->EditFindBP->setText(QStringLiteral("Rp1"));
    SaveLater(&form, file);
  } else if (view == "netname") {
    ShowDialogFor(form.NetNameDlg(), file);
  } else if (view == "typepoint") {
    TTypePointDlg& dialog = form.TypePointDlg();
    dialog.Label1->setText(QStringLiteral("Задняя точка: Rp1"));
    dialog.Label2->setText(QStringLiteral("Передняя точка: N2"));
    dialog.ComboBox1->setCurrentIndex(0);
    ShowDialogFor(dialog, file);
  } else if (view == "about") {
    form.acAbout->trigger();
  }
}

}  // namespace

void StartScreenshotIfAsked(TMainForm& form) {
  const QString request = qEnvironmentVariable("KORVADO_SCREENSHOT");
  const qsizetype colon = request.indexOf(QLatin1Char(':'));
  if (colon <= 0) return;
  const QString view = request.left(colon);
  const QString file = request.mid(colon + 1);
  QTimer::singleShot(300, &form, [&form, view, file] {
    if (view == "about") {
      // The About box is created by its command; picture it once it is up.
      QTimer::singleShot(0, &form, [file] {
        if (QWidget* box = QApplication::activeModalWidget()) SaveLater(box, file);
      });
    }
    ShowView(form, view, file);
  });
}

}  // namespace korvado
