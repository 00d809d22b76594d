#include "ScreenshotMode.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTimer>

#include "AboutBox.h"
#include "AdjustmentCommands.h"
#include "AdjustmentPage.h"
#include "ElevationPage.h"
#include "JournalCommands.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "NetNameDlg.h"
#include "NetSystemPage.h"
#include "NumberText.h"
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

// A net over the sample line: Rp1 -> N2, then N2 -> N3 -> Rp4, with the two
// benchmarks entered, so that the adjustment and elevation pages show results.
void AddSampleNet(TMainForm& form) {
  AppState& state = form.State();
  TKorNet& net = state.Nets.NetAt(state.Nets.AddNet("Ход Rp1 - Rp4"));
  net.AddSection("Rp1", "N2", kFixedPoint, kNodalPoint, 0.0, 2.0, 1);
  net.AddSection("N2", "N3", kNodalPoint, kIntermediatePoint, 0.0, 2.0, 2);
  net.AppendRun(1, "Rp4", kFixedPoint, 0.0, 2.0, 3);
  UpdateNetsFromJournal(state);
  form.RefillNetSelector();
  form.SelectNet(0);
  RebuildCurrentNetPoints(state);
  // Rp4 a little off the levelled value, so that the sweep has a misclosure to share.
  const double rp4 = 100.0 + net.SectionHeights.GetItem(0) + net.SectionHeights.GetItem(1) + 0.03;
  ApplyOriginAltitudes(state, {{"Rp1", FormatGeneral(100.0)}, {"Rp4", FormatGeneral(RoundHalfEven(2, rp4))}});
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
    if (view == "adjustment" || view == "elevation") {
      AddSampleNet(form);
      form.AdjustmentPage->btnEquate->click();
      form.AdjustmentPage->btnEquate->click();
    }
    if (view == "elevation") {
      form.ElevationPage->btnUpDateTree->click();
      form.ElevationPage->AltitudeTree->setCurrentItem(form.ElevationPage->AltitudeTree->topLevelItem(0)->child(1));
    }
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
  } else if (view == "originaltitude") {
    AddSampleNet(form);
    form.PageControl1->setCurrentIndex(pages.indexOf("adjustment"));
    form.AdjustmentPage->btnInputAltitude->click();
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
    if (view == "about" || view == "originaltitude") {
      // These dialogs are opened by their commands; picture them once they are up.
      QTimer::singleShot(0, &form, [file] {
        if (QWidget* box = QApplication::activeModalWidget()) SaveLater(box, file);
      });
    }
    ShowView(form, view, file);
  });
}

}  // namespace korvado
