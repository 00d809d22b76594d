// The surveyor's whole job through the real windows: the journal keyed in,
// saved and opened again, the net built by search and double clicks with one
// merged run, the benchmarks typed in, sweeps until nothing moves, the section
// table, the net report and its copy for a spreadsheet; then a reading
// corrected afterwards. The elevations are checked against a least-squares
// solution worked out here on its own, from the readings.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>

#include "AdjustmentPage.h"
#include "ElevationPage.h"
#include "EquiDlg.h"
#include "JournalPage.h"
#include "MainForm.h"
#include "NetConstructionSupport.h"
#include "NetSystemPage.h"
#include "NetsBrowserSupport.h"
#include "NumberText.h"
#include "OriginAltitudeForm.h"
#include "SeparatorScope.h"
#include "UiTestSupport.h"

// Failures show the texts themselves.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace korvado {
namespace {

using namespace nettest;

// ---- The survey as observed ----

// One instrument setup as read off the two staffs, main and additional scale.
struct StaffReadings {
  int backMain;
  int backAux;
  int foreMain;
  int foreAux;
};

struct ObservedRun {
  std::string back;
  std::string fore;
  std::vector<StaffReadings> setups;
};

// Benchmarks Rp1 and Rp2, nodal points U1 and U2, intermediate points p1 and
// p2. The line Rp1 - p1 - U1 - U2 - Rp2 and the loop U1 - U2 - p2 - U1; the
// stretch U1 - U2 was levelled twice, the second time from U2.
std::vector<ObservedRun> Journal() {
  return {{"Rp1", "p1", {{1482, 4497, 1457, 4474}, {2215, 5230, 2193, 5206}}},
          {"p1", "U1", {{1730, 4745, 1675, 4694}}},
          {"U1", "U2", {{2604, 5619, 2567, 5582}, {1358, 4373, 1322, 4333}}},
          {"U2", "U1", {{1911, 4926, 1935, 4952}, {2477, 5492, 2501, 5514}, {1625, 4640, 1648, 4667}}},
          {"U2", "p2", {{2083, 5098, 2114, 5131}}},
          {"p2", "U1", {{1794, 4809, 1817, 4828}, {2350, 5365, 2372, 5387}}},
          {"U2", "Rp2", {{1540, 4555, 1503, 4520}, {2190, 5205, 2154, 5167}}}};
}

constexpr double kRp1 = 50.0;
constexpr double kRp2 = 62.34;

// ---- The surveyor's own arithmetic, independent of the program ----

double Round2(double x) { return std::round(x * 100.0) / 100.0; }

// The two scale differences averaged, in the journal's unit.
double SetupHeight(const StaffReadings& s) {
  return Round2(((s.backMain - s.foreMain) + (s.backAux - s.foreAux)) / 40.0);
}

double RunHeight(const ObservedRun& run) {
  double sum = 0.0;
  for (const StaffReadings& setup : run.setups) sum += SetupHeight(setup);
  return Round2(sum);
}

struct Leg {
  std::string back;
  std::string fore;
  double height;
  double setups;
};

// A section as the net must hold it: its runs from one end to the other.
struct Section {
  std::vector<Leg> legs;
  const std::string& From() const { return legs.front().back; }
  const std::string& To() const { return legs.back().fore; }
  double Height() const {
    double h = 0.0;
    for (const Leg& leg : legs) h += leg.height;
    return h;
  }
  double Setups() const {
    double n = 0.0;
    for (const Leg& leg : legs) n += leg.setups;
    return n;
  }
};

Leg Forward(const ObservedRun& run) { return {run.back, run.fore, RunHeight(run), double(run.setups.size())}; }

// Two levellings of one stretch weighted by the inverse of their setup counts.
Leg Merged(const ObservedRun& first, const ObservedRun& secondReversed) {
  const double n1 = double(first.setups.size());
  const double n2 = double(secondReversed.setups.size());
  const double weight = 1.0 / n1 + 1.0 / n2;
  const double height = Round2((RunHeight(first) / n1 - RunHeight(secondReversed) / n2) / weight);
  return {first.back, first.fore, height, 1.0 / weight};
}

std::vector<Section> NetSections(const std::vector<ObservedRun>& j) {
  return {
      {{Forward(j[0]), Forward(j[1])}}, {{Merged(j[2], j[3])}}, {{Forward(j[4]), Forward(j[5])}}, {{Forward(j[6])}}};
}

using Heights = std::map<std::string, double>;

// Weighted least squares: every section observes the difference of its end
// elevations with the weight 1/n; the normal equations solved by elimination.
Heights LeastSquares(const std::vector<Section>& sections, const Heights& fixed) {
  std::vector<std::string> unknown;
  for (const Section& s : sections)
    for (const std::string& name : {s.From(), s.To()})
      if (!fixed.count(name) && std::find(unknown.begin(), unknown.end(), name) == unknown.end())
        unknown.push_back(name);
  const size_t u = unknown.size();
  const auto column = [&](const std::string& name) {
    return static_cast<size_t>(std::find(unknown.begin(), unknown.end(), name) - unknown.begin());
  };
  std::vector<std::vector<double>> normal(u, std::vector<double>(u + 1, 0.0));
  for (const Section& s : sections) {
    // To - From = h, the known ends moved to the right-hand side.
    std::vector<double> row(u + 1, 0.0);
    double rhs = s.Height();
    if (fixed.count(s.From()))
      rhs += fixed.at(s.From());
    else
      row[column(s.From())] -= 1.0;
    if (fixed.count(s.To()))
      rhs -= fixed.at(s.To());
    else
      row[column(s.To())] += 1.0;
    row[u] = rhs;
    const double p = 1.0 / s.Setups();
    for (size_t a = 0; a < u; ++a)
      for (size_t b = 0; b <= u; ++b) normal[a][b] += p * row[a] * row[b];
  }
  for (size_t k = 0; k < u; ++k) {
    size_t pivot = k;
    for (size_t r = k + 1; r < u; ++r)
      if (std::fabs(normal[r][k]) > std::fabs(normal[pivot][k])) pivot = r;
    std::swap(normal[k], normal[pivot]);
    for (size_t r = 0; r < u; ++r) {
      if (r == k) continue;
      const double f = normal[r][k] / normal[k][k];
      for (size_t c = k; c <= u; ++c) normal[r][c] -= f * normal[k][c];
    }
  }
  Heights result = fixed;
  for (size_t k = 0; k < u; ++k) result[unknown[k]] = normal[k][u] / normal[k][k];
  return result;
}

// Mean square error of unit weight (one setup) from the misclosures left.
double UnitWeightError(const std::vector<Section>& sections, const Heights& h, size_t fixedCount) {
  double q = 0.0;
  for (const Section& s : sections) {
    const double v = s.Height() + h.at(s.From()) - h.at(s.To());
    q += v * v / s.Setups();
  }
  const double redundancy = double(sections.size()) - double(h.size()) + double(fixedCount);
  return std::sqrt(q / redundancy);
}

// The points along a section: the misclosure left by the adjusted ends is
// spread over its runs in proportion to their numbers of setups.
std::vector<std::pair<std::string, double>> AlongSection(const Section& s, const Heights& h) {
  const double misclosure = s.Height() + h.at(s.From()) - h.at(s.To());
  double setups = 0.0;
  for (const Leg& leg : s.legs) setups += leg.setups;
  std::vector<std::pair<std::string, double>> points{{s.From(), h.at(s.From())}};
  double carried = h.at(s.From());
  for (const Leg& leg : s.legs) {
    carried += leg.height - misclosure * leg.setups / setups;
    points.push_back({leg.fore, carried});
  }
  return points;
}

// Everything the nets hold as text, to compare the nets saved with those read back.
std::string NetsText(const TNetList& nets) {
  std::ostringstream out;
  out.precision(17);
  const auto refs = [&](const TIndexLists& lists, int32_t i) {
    for (int32_t ref : lists.ListAt(i).Items()) out << ' ' << ref;
  };
  for (int32_t i = 0; i < nets.NetCount(); ++i) {
    const TKorNet& net = nets.NetAt(i);
    out << "net " << net.Name << '\n';
    for (int32_t s = 0; s < net.SectionCount(); ++s) {
      out << " section " << net.SectionStarts[s] << ' ' << net.SectionEnds[s] << ' ' << net.SectionStartTypes.GetItem(s)
          << ' ' << net.SectionEndTypes.GetItem(s) << ' ' << net.SectionHeights.GetItem(s) << ' '
          << net.SectionSetups.GetItem(s) << '\n';
      const TKorNetDetailTable& table = net.SectionTables.TableAt(s);
      for (int32_t r = 0; r < table.RunCount(); ++r) {
        out << "  run " << table.RunBackPoints[r] << ' ' << table.RunForePoints[r] << ' '
            << table.RunBackTypes.GetItem(r) << ' ' << table.RunForeTypes.GetItem(r) << ' '
            << table.RunHeights.GetItem(r) << ' ' << table.RunSetups.GetItem(r);
        refs(table.RunRefs, r);
        out << '\n';
      }
    }
    for (int32_t p = 0; p < net.PointCount(); ++p)
      out << " point " << net.PointNames[p] << ' ' << net.PointTypes.GetItem(p) << ' ' << net.PointElevations.GetItem(p)
          << '\n';
  }
  return out.str();
}

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Fixed2(double x) { return FormatFixed(2, x); }

// ---- The job through the windows ----

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    form = ShowMainForm();
    // After the application took the locale's: a Russian desktop's separators.
    separators.emplace(',', " ");
  }
  void TearDown() override { CloseWithoutQuestion(*form); }

  AppState& State() { return form->State(); }
  const TKorNet& Net() { return State().Nets.NetAt(0); }

  // A click on the page's tab, which also brings the window to the front.
  void ShowPage(int index) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == form.get(); }));
    QTabBar* tabs = form->PageControl1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    ASSERT_EQ(form->PageControl1->currentIndex(), index);
  }
  static void ClickCell(QAbstractItemView* view, int row, int column) {
    const QRect cell = view->visualRect(view->model()->index(row, column));
    ASSERT_TRUE(cell.isValid()) << "cell " << row << "," << column << " is not on screen";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  }
  static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  static void Enter(const QString& text) {
    TypeKeys(text);
    PressKey(Qt::Key_Return);
  }
  void Answer(std::vector<ModalScript::Step> steps, const std::function<void()>& action) {
    const int expected = static_cast<int>(steps.size());
    ModalScript script(std::move(steps));
    script.Run(action);
    EXPECT_EQ(script.Answered(), expected) << "a dialog that should have opened did not";
    EXPECT_EQ(script.Unexpected(), 0) << "a dialog or message that was not expected";
  }

  // Page "Исходные данные", input mode: names, setup count, then every reading,
  // each closed by Enter; the cursor walks by itself.
  void KeyInJournal(const std::vector<ObservedRun>& runs) {
    ShowPage(0);
    JournalPage* page = form->journalPage;
    form->acInputMode->trigger();
    ASSERT_TRUE(form->acInputMode->isChecked());
    ClickCell(page->MainStringGrid, 0, kMainBack);
    for (const ObservedRun& run : runs) {
      Enter(Q(run.back));
      Enter(Q(run.fore));
      Enter(QString::number(run.setups.size()));
      for (const StaffReadings& s : run.setups)
        for (int reading : {s.backMain, s.backAux, s.foreMain, s.foreAux}) Enter(QString::number(reading));
    }
    // The last reading opened a record at the end of the journal; it is not wanted.
    ASSERT_EQ(State().Journal.RecordCount(), static_cast<int32_t>(runs.size()) + 1);
    const BoxesSeen asked = AnswerMessageBoxes([&] { form->acDeleteRec->trigger(); }, QMessageBox::Yes);
    EXPECT_EQ(asked.text, "Удалить запись?");
    form->acInputMode->trigger();
    ExpectJournal(runs);
  }

  void ExpectJournal(const std::vector<ObservedRun>& runs) {
    const TKorData& journal = State().Journal;
    ASSERT_EQ(journal.RecordCount(), static_cast<int32_t>(runs.size()));
    for (int32_t r = 0; r < journal.RecordCount(); ++r) {
      SCOPED_TRACE(r);
      EXPECT_EQ(journal.BackPoints[r], runs[r].back);
      EXPECT_EQ(journal.ForePoints[r], runs[r].fore);
      EXPECT_EQ(journal.SetupCounts.GetItem(r), static_cast<int32_t>(runs[r].setups.size()));
      EXPECT_NEAR(journal.HeightDiffs.GetItem(r), RunHeight(runs[r]), 1e-9);
      const QString shown = form->journalPage->MainStringGrid->model()->index(r, kMainHeight).data().toString();
      EXPECT_EQ(shown.trimmed(), Q(Fixed2(RunHeight(runs[r]))));
    }
  }

  // acSave asks for a name the first time; then the data are closed and opened again.
  QString SaveCloseAndOpen() {
    QString title;
    AnswerFileDialog([&] { form->acSave->trigger(); }, folder.Path("нивелировка"), &title);
    EXPECT_EQ(title, "Сохранить как");
    const QString path = folder.Path("нивелировка.kor");
    EXPECT_EQ(form->StatusPanel2->text(), path);
    EXPECT_TRUE(QFileInfo::exists(path));
    ReopenFile(path);
    return path;
  }

  void ReopenFile(const QString& path) {
    const TKorData journal = State().Journal;
    const std::string nets = NetsText(State().Nets);
    const BoxesSeen closing = AnswerMessageBoxes([&] { form->acCloseData->trigger(); }, QMessageBox::Cancel);
    EXPECT_EQ(closing.count, 0) << "saved data are closed without a question";
    EXPECT_EQ(State().Journal.RecordCount(), 0);
    EXPECT_FALSE(form->journalPage->DataShown());
    AnswerFileDialog([&] { form->acOpen->trigger(); }, path);
    EXPECT_EQ(form->StatusPanel2->text(), path);
    EXPECT_TRUE(State().Journal == journal) << "the journal comes back as it was saved";
    EXPECT_EQ(NetsText(State().Nets), nets) << "the nets come back as they were saved";
    EXPECT_TRUE(form->journalPage->DataShown());
  }

  // Page "Система нивелирных ходов".
  void Search(const QString& point) {
    NetSystemPage* page = form->netSystemPage;
    page->EditFindBP->setFocus();
    page->EditFindBP->selectAll();
    TypeInto(page->EditFindBP, point);
    QTest::keyClick(page->EditFindBP, Qt::Key_Return);
  }
  // The first result row that leads to `fore`.
  int RowTo(const QString& fore) {
    const QTableWidget* grid = form->netSystemPage->FindStringGrid;
    for (int r = 0; r < grid->rowCount(); ++r)
      if (grid->item(r, 0) && grid->item(r, 0)->text() == fore) return r;
    ADD_FAILURE() << "no run to " << fore.toStdString() << " among " << GridRows(*grid).join(" / ").toStdString();
    return 0;
  }
  void DoubleClickRunTo(const QString& fore, std::vector<ModalScript::Step> steps) {
    QTableWidget* grid = form->netSystemPage->FindStringGrid;
    const int row = RowTo(fore);
    Answer(std::move(steps), [&] { DoubleClickRow(*grid, row); });
  }

  // Rp1 -> p1 -> U1 | U1 => U2 (merged) | U2 -> p2 -> U1 | U2 -> Rp2.
  void BuildNet(const std::vector<ObservedRun>& runs) {
    ShowPage(1);
    NetSystemPage* page = form->netSystemPage;
    Search("Rp1");
    ClickCell(page->FindStringGrid, RowTo("p1"), 0);
    Answer({NameNet("Объект 7"), ChooseTypes(kFixedPoint, kIntermediatePoint)}, [&] { Click(page->btnAddNet); });
    EXPECT_EQ(form->ComboBox1->currentText(), "Объект 7");

    DoubleClickRunTo("U1", {ChooseTypes(-1, kNodalPoint)});
    ASSERT_EQ(page->EditFindBP->text(), "U1") << "the search goes on from the section's end";

    // Both levellings of U1 - U2 merged into the next section.
    ClickCell(page->FindStringGrid, RowTo("U2"), 0);
    Click(page->AddEquiSecSpeedButton);
    ASSERT_TRUE(page->EquiSecSpeedButton->isVisible());
    const QString first = "U1|U2|2|" + Q(Fixed2(RunHeight(runs[2]))) + "|";
    const QString second = "U1|U2|3|" + Q(Fixed2(-RunHeight(runs[3]))) + "|";
    const Leg merged = Merged(runs[2], runs[3]);
    Answer({[&](QWidget* window) {
              auto* dialog = qobject_cast<TEquiDlg*>(window);
              ASSERT_NE(dialog, nullptr) << "expected the merge dialog";
              EXPECT_EQ(GridRows(*dialog->EquiStringGrid1), QStringList({first, second}));
              Click(dialog->btnAdd);
              Click(dialog->btnAdd);
              EXPECT_EQ(GridRows(*dialog->EquiStringGrid2), QStringList({first, second}));
              EXPECT_EQ(dialog->lbEquiSection->text(), "U1 --> U2:  " + Q(FormatGeneral(merged.setups)) + " шт.   " +
                                                           Q(FormatGeneral(merged.height)) + " мм");
              Click(dialog->OKBtn);
            },
            ChooseTypes(kNodalPoint, kNodalPoint)},
           [&] { Click(page->EquiSecSpeedButton); });
    ASSERT_EQ(page->EditFindBP->text(), "U2");

    DoubleClickRunTo("p2", {ChooseTypes(kNodalPoint, kIntermediatePoint)});
    DoubleClickRunTo("U1", {ChooseTypes(-1, kNodalPoint)});
    Search("U2");
    DoubleClickRunTo("Rp2", {ChooseTypes(kNodalPoint, kFixedPoint)});
    EXPECT_EQ(ListRows(*page->DetSecListView), QStringList({"U2|Rp2|2|" + Q(Fixed2(RunHeight(runs[6])))}));
    ExpectNet(runs);
  }

  void ExpectNet(const std::vector<ObservedRun>& runs) {
    ASSERT_EQ(State().Nets.NetCount(), 1);
    const std::vector<Section> expected = NetSections(runs);
    ASSERT_EQ(Net().SectionCount(), static_cast<int32_t>(expected.size()));
    for (int32_t s = 0; s < Net().SectionCount(); ++s) {
      SCOPED_TRACE(s);
      EXPECT_EQ(Net().SectionStarts[s], expected[s].From());
      EXPECT_EQ(Net().SectionEnds[s], expected[s].To());
      EXPECT_NEAR(Net().SectionHeights.GetItem(s), expected[s].Height(), 1e-9);
      EXPECT_NEAR(Net().SectionSetups.GetItem(s), expected[s].Setups(), 1e-12);
      EXPECT_EQ(Net().SectionTables.TableAt(s).RunCount(), static_cast<int32_t>(expected[s].legs.size()));
    }
  }

  // Page "Уравнивание нивелирной сети": zero elevations, the benchmarks typed
  // into their dialog, then one sweep after another until the list stops
  // changing. Returns the number of sweeps.
  int Adjust() {
    ShowPage(2);
    AdjustmentPage* page = form->adjustmentPage;
    Answer({[](QWidget* window) {
             auto* dialog = qobject_cast<TOriginAltitudeForm*>(window);
             ASSERT_NE(dialog, nullptr) << "expected the benchmark dialog";
             EXPECT_EQ(dialog->windowTitle(), "Отметки жестких точек   Объект 7");
             ASSERT_EQ(dialog->StringGrid1->rowCount(), 2);
             EXPECT_EQ(dialog->StringGrid1->item(0, 0)->text(), "Rp1");
             EXPECT_EQ(dialog->StringGrid1->item(1, 0)->text(), "Rp2");
             // Keys go to the window in front; a dialog counts as active with
             // its parent, so wait for the application's own word.
             dialog->activateWindow();
             ASSERT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
             // The cursor waits in the first elevation; Down leads to the next.
             ASSERT_EQ(QApplication::focusWidget(), dialog->StringGrid1);
             Enter("50");
             PressKey(Qt::Key_Down);
             Enter("62,34");
             Click(dialog->btnOk);
           }},
           [&] { Click(page->btnUpDateSeries); });
    QStringList previous;
    for (int sweep = 1; sweep <= 500; ++sweep) {
      Click(page->btnEquate);
      const QStringList shown = EquateRows();
      if (shown == previous) return sweep;
      previous = shown;
    }
    ADD_FAILURE() << "the elevations never stopped changing";
    return 0;
  }

  QStringList EquateRows() {
    QStringList rows;
    const QTreeWidget* list = form->adjustmentPage->EquateListView;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
      rows << list->topLevelItem(r)->text(0) + "|" + list->topLevelItem(r)->toolTip(1);
    return rows;
  }

  // The adjusted list against the independent solution.
  void ExpectAdjustment(const std::vector<ObservedRun>& runs, int sweeps) {
    const std::vector<Section> sections = NetSections(runs);
    const Heights solution = LeastSquares(sections, {{"Rp1", kRp1}, {"Rp2", kRp2}});
    const QTreeWidget* list = form->adjustmentPage->EquateListView;
    ASSERT_EQ(list->topLevelItemCount(), 4);
    const char* const order[] = {"Rp1", "U1", "U2", "Rp2"};
    for (int r = 0; r < 4; ++r) {
      SCOPED_TRACE(order[r]);
      EXPECT_EQ(list->topLevelItem(r)->text(0), order[r]);
      // Two decimals shown, the full value in the tooltip.
      const double shown = ParseDouble(list->topLevelItem(r)->toolTip(1).toStdString());
      EXPECT_NEAR(shown, solution.at(order[r]), 1e-6);
      EXPECT_NEAR(Net().PointElevations.GetItem(r), shown, 1e-12) << "the list shows what the net holds";
      EXPECT_EQ(list->topLevelItem(r)->text(1), Q(Fixed2(shown)));
    }
    EXPECT_EQ(list->topLevelItem(0)->text(1), "50,00");
    EXPECT_EQ(list->topLevelItem(3)->text(1), "62,34");
    EXPECT_EQ(list->headerItem()->text(2), "Итерация: " + QString::number(sweeps));
    EXPECT_EQ(list->headerItem()->text(3), "СКО: " + Q(Fixed2(UnitWeightError(sections, solution, 2))) + " мм");
  }

  std::vector<std::pair<std::string, double>> ExpectedReport(const std::vector<ObservedRun>& runs) {
    const std::vector<Section> sections = NetSections(runs);
    const Heights solution = LeastSquares(sections, {{"Rp1", kRp1}, {"Rp2", kRp2}});
    std::vector<std::pair<std::string, double>> rows;
    for (const Section& s : sections)
      for (const auto& point : AlongSection(s, solution)) rows.push_back(point);
    return rows;
  }

  QStringList ElevationGrid() {
    QStringList rows;
    const QAbstractItemModel& grid = *form->elevationPage->AltitudeStrGrid->model();
    for (int r = 0; r < grid.rowCount(); ++r)
      rows << grid.index(r, 0).data().toString() + "|" + grid.index(r, 1).data().toString();
    return rows;
  }

  static QStringList Lines(const std::vector<std::pair<std::string, double>>& points) {
    QStringList rows;
    for (const auto& [name, elevation] : points) rows << Q(name) + "|" + Q(Fixed2(elevation));
    return rows;
  }

  // The optional SeparatorScope is made after the application exists.
  WorkingFolder folder;
  std::unique_ptr<TMainForm> form;
  std::optional<SeparatorScope> separators;
};

TEST_F(EndToEnd, FromTheJournalToTheAdjustedElevationsCopiedForASpreadsheet) {
  const std::vector<ObservedRun> runs = Journal();
  KeyInJournal(runs);
  SaveCloseAndOpen();
  BuildNet(runs);

  const int sweeps = Adjust();
  ASSERT_GT(sweeps, 1);
  ExpectAdjustment(runs, sweeps);

  // Page "Отметки точек": the tree, the first section point by point, the net report.
  ShowPage(3);
  ElevationPage* page = form->elevationPage;
  Click(page->btnUpDateTree);
  QTreeView* tree = page->AltitudeTree;
  const AltitudeTreeModel& nodes = *page->AltitudeNodes;
  ASSERT_EQ(nodes.NetCount(), 1);
  const QModelIndex net = nodes.NetIndex(0);
  EXPECT_EQ(net.data().toString(), "Объект 7");
  ASSERT_EQ(nodes.SectionCount(0), 4);
  EXPECT_EQ(nodes.SectionIndex(0, 1).data().toString(), "2  [U1 --> U2]");

  const std::vector<Section> sections = NetSections(runs);
  const Heights solution = LeastSquares(sections, {{"Rp1", kRp1}, {"Rp2", kRp2}});
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(nodes.SectionIndex(0, 2)).center());
  EXPECT_EQ(ElevationGrid(), Lines(AlongSection(sections[2], solution)));

  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(net).center());
  Click(page->btnNetReport);
  const std::vector<std::pair<std::string, double>> report = ExpectedReport(runs);
  ASSERT_EQ(report.size(), 10u) << "four sections one below the other, junction points with each";
  EXPECT_EQ(ElevationGrid(), Lines(report));

  QApplication::clipboard()->clear();
  page->AltitudeStrGrid->setFocus();
  QTest::keyClick(page->AltitudeStrGrid, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(page->AltitudeStrGrid, Qt::Key_Z, Qt::ControlModifier);
  QStringList lines;
  for (const auto& [name, elevation] : report) lines << Q(name) + "\t" + Q(Fixed2(elevation));
  EXPECT_EQ(QApplication::clipboard()->text(), lines.join("\r\n"));
}

TEST_F(EndToEnd, AReadingCorrectedAfterwardsReachesTheNetAndTheNewAdjustment) {
  std::vector<ObservedRun> runs = Journal();
  KeyInJournal(runs);
  const QString path = SaveCloseAndOpen();
  BuildNet(runs);
  const int firstSweeps = Adjust();
  ExpectAdjustment(runs, firstSweeps);
  const double oldU1 = Net().PointElevations.GetItem(1);

  // The net goes into the file and comes back, merged run and all.
  const BoxesSeen saving = AnswerMessageBoxes([&] { form->acSave->trigger(); }, QMessageBox::Cancel);
  EXPECT_EQ(saving.count, 0) << "a file with a name is saved without a question";
  ReopenFile(path);

  // The second setup of the repeated U2 - U1 run: the fore staff's main scale read 2501, not 2497.
  ShowPage(0);
  JournalPage* journal = form->journalPage;
  ClickCell(journal->MainStringGrid, 3, kMainBack);
  ASSERT_EQ(journal->DetailStringGrid->model()->rowCount(), 6);
  ClickCell(journal->DetailStringGrid, 3, 1);
  ASSERT_EQ(journal->DetailStringGrid->currentIndex().data().toString(), "2501");
  Enter("2497");
  runs[3].setups[1].foreMain = 2497;
  EXPECT_EQ(journal->DetailStringGrid->model()->index(2, 3).data().toString(),
            Q(Fixed2(SetupHeight(runs[3].setups[1]))));
  ExpectJournal(runs);

  const BoxesSeen update = AnswerMessageBoxes([&] { form->acUpDateNets->trigger(); }, QMessageBox::Ok);
  EXPECT_EQ(update.count, 0) << update.text.toStdString();
  ExpectNet(runs);
  const Leg merged = Merged(runs[2], runs[3]);
  EXPECT_NEAR(Net().SectionTables.TableAt(1).RunHeights.GetItem(0), merged.height, 1e-9)
      << "the merged run is merged again from both records";

  const int sweeps = Adjust();
  ExpectAdjustment(runs, sweeps);
  EXPECT_GT(std::fabs(Net().PointElevations.GetItem(1) - oldU1), 1e-4) << "the correction moved U1";
}

}  // namespace
}  // namespace korvado
