#include "ScreenshotMode.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHeaderView>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <vector>

#include "AboutBox.h"
#include "AccuracyView.h"
#include "AdjustmentCommands.h"
#include "AdjustmentPage.h"
#include "BackgroundTask.h"
#include "DocumentDlg.h"
#include "ElevationPage.h"
#include "EquiDlg.h"
#include "EquivalentCommands.h"
#include "FileCommands.h"
#include "JournalCommands.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "Must.h"
#include "NetConstructionCommands.h"
#include "NetDiagramPage.h"
#include "NetFromJournalDlg.h"
#include "NetNameDlg.h"
#include "NetSystemPage.h"
#include "NetsBrowser.h"
#include "NumberText.h"
#include "SettlementSample.h"
#include "SettlementView.h"
#include "TypePointDlg.h"

namespace korvado {

namespace {

// One setup of precise levelling: readings in hundredths of a division of a
// half-centimetre staff (0.05 mm), the additional scale 60650 above the main one.
struct SampleSetup {
  int backMain, foreMain, backAux, foreAux;
};

struct SampleRun {
  const char* back;
  const char* fore;
  const char* note;
  std::vector<SampleSetup> setups;
};

// A small job: benchmarks Rp1, Rp2, Rp3, the nodal point U1 and the turning
// point 1; the line U1 - Rp2 was levelled twice.
const std::vector<SampleRun>& SampleRuns() {
  static const std::vector<SampleRun> runs = {
      {"Rp1", "1", "", {{41780, 28875, 102428, 89523}, {20717, 9168, 81367, 69820}}},
      {"1", "U1", "", {{33315, 17070, 93963, 77718}, {7578, 12602, 68227, 73250}}},
      {"U1", "Rp2", "", {{4936, 27053, 65588, 87701}, {21910, 44348, 82562, 104999}}},
      {"Rp3", "U1", "", {{6052, 18105, 66704, 78754}, {12453, 22966, 73105, 83614}}},
      {"U1",
       "Rp2",
       "повторно",
       {{39717, 55780, 100366, 116428}, {15312, 30151, 75962, 90799}, {39986, 53635, 100634, 114287}}},
  };
  return runs;
}

// The benchmark elevations, in millimetres like the height differences.
std::vector<AltitudeRow> SampleBenchmarks() {
  return {{"Rp1", FormatGeneral(152318.4)}, {"Rp2", FormatGeneral(151874.8)}, {"Rp3", FormatGeneral(155230.0)}};
}

// The journal keyed in cell by cell, as a surveyor would type it.
void FillSampleJournal(AppState& state) {
  const auto& runs = SampleRuns();
  for (int32_t r = 0; r < static_cast<int32_t>(runs.size()); ++r) {
    if (r > 0) Must(AppendJournalRecord(state));
    const SampleRun& run = runs[r];
    Must(WriteMainCell(state, r, kMainBack, run.back));
    Must(WriteMainCell(state, r, kMainFore, run.fore));
    Must(WriteMainCell(state, r, kMainSetups, std::to_string(run.setups.size())));
    Must(WriteMainCell(state, r, kMainNote, run.note));
    for (int32_t k = 0; k < static_cast<int32_t>(run.setups.size()); ++k) {
      const SampleSetup& s = run.setups[k];
      Must(WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k, 1, std::to_string(s.backMain)));
      Must(WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k, 2, std::to_string(s.backAux)));
      Must(WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k + 1, 1, std::to_string(s.foreMain)));
      Must(WriteReadingCell(state, r, ReadingLayout::Precise, 2 * k + 1, 2, std::to_string(s.foreAux)));
    }
  }
}

void PickRun(ConstructionPage& page, const std::string& fore) {
  for (size_t r = 0; r < page.Rows.size(); ++r)
    if (page.Rows[r].ForePoint == fore) {
      page.CurrentRow = static_cast<int32_t>(r);
      return;
    }
}

// The nodal point U1 reached from Rp1 over the turning point 1.
void BuildFirstSection(AppState& state, ConstructionPage& page) {
  page.FindText = "Rp1";
  FindRuns(state, page);
  PickRun(page, "1");
  Must(CreateNetForPick(state, "Сеть 1"));
  Must(AddSectionFromPick(state, page, {kFixedPoint, kIntermediatePoint}));
  PickRun(page, "U1");
  Must(AppendRunFromPick(state, page, kNodalPoint));
  PickRun(page, "Rp2");
}

// The two runs U1 - Rp2 in the merge dialog, both merged.
EquiDialog MergedRepeatedRuns(const AppState& state, const ConstructionPage& page, EquiResult& result) {
  EquiDialog dialog = OpenEquiDialog(state, page);
  // Moved one by one until a press moves nothing more.
  for (size_t moved = dialog.Lower.size();; moved = dialog.Lower.size()) {
    if (!EquiAddSelected(dialog, result) || dialog.Lower.size() == moved) break;
  }
  return dialog;
}

// The whole net walked as on the page "Система нивелирных ходов", the
// benchmarks entered and the net adjusted until nothing changes.
void BuildSampleNet(AppState& state) {
  ConstructionPage page;
  BuildFirstSection(state, page);
  EquiResult merged;
  MergedRepeatedRuns(state, page, merged);
  Must(AddEquiSection(state, page, merged, {kNodalPoint, kFixedPoint}));
  page.FindText = "U1";
  FindRuns(state, page);
  PickRun(page, "Rp3");
  Must(AddSectionFromPick(state, page, {kNodalPoint, kFixedPoint}));
  Must(RebuildCurrentNetPoints(state));
  Must(ApplyOriginAltitudes(state, SampleBenchmarks()));
}

void AdjustTwice(TMainForm& form) {
  form.adjustmentPage->btnEquate->click();
  form.adjustmentPage->btnEquate->click();
}

void ShowSampleNet(TMainForm& form) {
  BuildSampleNet(form.State());
  form.RefillNetSelector();
  form.SelectNet(0);
}

// Three benchmarks, three nodal points and a pendent point; U3 - U1 holds a
// 45 mm blunder, the other sections millimetres of noise.
void AddDiagramSampleNet(AppState& state) {
  TKorNet& net = state.Nets.NetAt(*state.Nets.AddNet("Пример"));
  const auto section = [&](const char* from, const char* to, double h, double n) {
    const auto type = [](const char* name) { return name[0] == 'R' ? kFixedPoint : kNodalPoint; };
    Must(net.AddSection(from, to, type(from), type(to), h, n, net.SectionCount() + 1));
  };
  section("Rp1", "U1", 1783.72, 4);
  section("U1", "U2", -420.15, 6);
  section("U1", "U2", -420.10, 6);
  section("U2", "Rp2", -1807.13, 5);
  section("U3", "U2", -1689.98, 4);
  section("U3", "U1", -1224.85, 7);
  section("Rp3", "U3", 141.97, 5);
  section("U3", "Rp2", -3497.16, 3);
  section("Rp3", "Rp1", -2911.63, 9);
  Must(net.SectionTables.TableAt(0).AddPendentRun(kIntermediatePoint, "U1", "Вп1", 1, 350.40, 10));
  state.CurrentNetIndex = state.Nets.NetCount() - 1;
  Must(RebuildCurrentNetPoints(state));
  Must(ApplyOriginAltitudes(state, SampleBenchmarks()));
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

// A dialog opened by its own command is pictured once it is up, after `prepare`.
void PictureNextModal(TMainForm& form, const QString& file, std::function<void(QWidget*)> prepare = {}) {
  QTimer::singleShot(0, &form, [file, prepare] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    if (prepare) prepare(box);
    SaveLater(box, file);
  });
}

void ShowPage(TMainForm& form, const QString& view, const QString& file) {
  const QStringList pages = {"journal", "netsystem", "adjustment", "elevation"};
  const QString page = view == "report" ? QStringLiteral("elevation") : view;
  form.PageControl1->setCurrentIndex(pages.indexOf(page));
  if (view != "journal") ShowSampleNet(form);
  if (view == "netsystem") {
    // The first section built; the search has gone on from U1 and rests on a run to Rp2.
    form.State().ActiveSectionIndex = 0;
    form.netSystemPage->RefreshActiveSectionView();
    form.netSystemPage->ContinueSearch();
  }
  if (view == "adjustment" || view == "elevation" || view == "report") AdjustTwice(form);
  if (view == "elevation" || view == "report") {
    form.elevationPage->btnUpDateTree->click();
    const AltitudeTreeModel& nodes = *form.elevationPage->AltitudeNodes;
    form.elevationPage->AltitudeTree->setCurrentIndex(view == "report" ? nodes.NetIndex(0) : nodes.SectionIndex(0, 0));
    if (view == "report") form.elevationPage->btnNetReport->click();
  }
  SaveLater(&form, file);
}

void ShowTypeDialog(TMainForm& form, const QString& file) {
  TTypePointDlg& dialog = form.TypePointDlg();
  dialog.Label1->setText(QStringLiteral("Задняя точка: 1"));
  dialog.Label2->setText(QStringLiteral("Передняя точка: U1"));
  dialog.ComboBox1->setCurrentIndex(kIntermediatePoint);
  dialog.ComboBox1->setEnabled(false);
  dialog.ComboBox2->setCurrentIndex(kNodalPoint);
  ShowDialogFor(dialog, file);
}

void ShowEquiDialog(TMainForm& form, const QString& file) {
  ConstructionPage page;
  BuildFirstSection(form.State(), page);
  auto* dialog = new TEquiDlg(&form);
  QTimer::singleShot(0, dialog, [dialog] {
    dialog->btnAddClick();
    dialog->btnAddClick();
  });
  SaveLater(dialog, file);
  dialog->Execute(OpenEquiDialog(form.State(), page));
}

void ShowNetsBrowser(TMainForm& form, const QString& file) {
  ShowSampleNet(form);
  PictureNextModal(form, file, [](QWidget* box) {
    auto* browser = qobject_cast<TNetsBrowser*>(box);
    if (browser) browser->NetsTree->setCurrentItem(browser->NetsTree->topLevelItem(0)->child(0));
  });
  form.acNetsBrowser->trigger();
}

// «Построить сеть по журналу...» with the benchmarks pasted as from a
// spreadsheet, and with `preview` its preview «Новая сеть».
void ShowBuildNet(TMainForm& form, const QString& file, bool preview) {
  QStringList lines;
  for (const AltitudeRow& row : SampleBenchmarks()) lines << QString::fromStdString(row.name + "\t" + row.elevation);
  QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
  PictureNextModal(form, file, [preview](QWidget* box) {
    auto* dialog = qobject_cast<NetFromJournalDlg*>(box);
    if (!dialog) return;
    dialog->btnPasteHeights->click();
    if (preview) dialog->btnNext->click();
  });
  form.acBuildNetFromJournal->trigger();
}

void ShowView(TMainForm& form, const QString& view, const QString& file) {
  FillSampleJournal(form.State());
  form.journalPage->RefillMainGrid();
  form.journalPage->SelectMainCell(0, 0);
  form.journalPage->MainStringGridClick();
  if (QStringList{"journal", "netsystem", "adjustment", "elevation", "report"}.contains(view)) {
    ShowPage(form, view, file);
  } else if (view == "netname") {
    form.NetNameDlg().edNameNet->setText(QStringLiteral("Сеть 1"));
    ShowDialogFor(form.NetNameDlg(), file);
  } else if (view == "typepoint") {
    ShowTypeDialog(form, file);
  } else if (view == "equi") {
    ShowEquiDialog(form, file);
  } else if (view == "netsbrowser") {
    ShowNetsBrowser(form, file);
  } else if (view == "buildnet" || view == "buildnetpreview") {
    ShowBuildNet(form, file, view == "buildnetpreview");
  } else if (view == "about") {
    PictureNextModal(form, file);
    form.acAbout->trigger();
  } else if (view == "originaltitude") {
    ShowSampleNet(form);
    form.PageControl1->setCurrentIndex(2);
    PictureNextModal(form, file);
    form.adjustmentPage->btnInputAltitude->click();
  } else if (view == "leastsquares") {
    // Least squares with its accuracy view docked below the page.
    ShowSampleNet(form);
    form.PageControl1->setCurrentIndex(2);
    form.adjustmentPage->btnLeastSquares->click();
    SaveLater(&form, file);
  } else if (view == "diagram") {
    // The net drawn, then adjusted by least squares: its loops with the
    // blunder red, the suspect section thick, σ at the nodal points.
    AddDiagramSampleNet(form.State());
    form.RefillNetSelector();
    form.SelectNet(form.State().CurrentNetIndex);
    form.PageControl1->setCurrentWidget(form.DiagramPage);
    form.DiagramPage->btnDrawNet->click();
    form.adjustmentPage->btnLeastSquares->click();
    BackgroundTask::Of(form).WaitIdle(60000);
    form.accuracyView->hide();
    form.PageControl1->setCurrentWidget(form.DiagramPage);
    SaveLater(&form, file);
  } else if (view == "settlements") {
    // A house's twelve marks over six cycles, the soft corner's marks selected for the plot.
    SettlementView* settlements = ShowSampleSettlements(form);
    if (!settlements) return QCoreApplication::exit(1);
    settlements->SettlementGrid->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int row : {3, 4, 5, 6}) settlements->SettlementGrid->selectRow(row);
    SaveLater(settlements, file);
  } else if (view == "document") {
    // «Сведения для документа» before a PDF of the adjusted example.
    ShowSampleNet(form);
    form.adjustmentPage->btnLeastSquares->click();
    PictureNextModal(form, file, [](QWidget* box) {
      auto* dialog = qobject_cast<DocumentDlg*>(box);
      if (!dialog) return;
      const char* values[] = {"Пос. Озёрный, нивелирная сеть",
                              "IV класс",
                              "Н-3 № 12345",
                              "Сидоров С. С.",
                              "12.10.2026–20.10.2026",
                              "Иванов И. И.",
                              "08.12.2026",
                              "Петров П. П.",
                              ""};
      for (size_t k = 0; k < dialog->TitleEdits.size(); ++k)
        dialog->TitleEdits[k]->setText(QString::fromUtf8(values[k]));
    });
    form.acExportReportPdf->trigger();
  } else if (view == "jobfile") {
    // The example job as a data file, after the adjustment.
    ShowSampleNet(form);
    Must(EquateCurrentNet(form.State()));
    Must(EquateCurrentNet(form.State()));
    SaveDataFileAs(form.State(), file.toStdString());
    QCoreApplication::exit(0);
  }
}

}  // namespace

void StartScreenshot(TMainForm& form, const QString& view, const QString& file) {
  QTimer::singleShot(300, &form, [&form, view, file] { ShowView(form, view, file); });
}

}  // namespace korvado
