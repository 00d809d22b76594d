#include "JournalPage.h"

#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "CellEditEnd.h"
#include "CommandGuard.h"
#include "KorvadoApplication.h"
#include "NumberColumns.h"
#include "ShowOutcome.h"

namespace korvado {

namespace {

using EditEnd = JournalGridView::EditEnd;

std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace

JournalPage::JournalPage(AppState& state, QAction* acInputMode, QAction* acTechTableKor, QWidget* parent)
    : QWidget(parent),
      state_(state),
      acInputMode_(acInputMode),
      acTechTableKor_(acTechTableKor),
      mainModel_(new MainGridModel(state.Journal, this)),
      detailModel_(new ReadingGridModel(state.Journal, ReadingLayout::Precise, this)),
      techModel_(new ReadingGridModel(state.Journal, ReadingLayout::Technical, this)) {
  Splitter1 = new QSplitter(Qt::Horizontal, this);
  Splitter1->setChildrenCollapsible(false);
  MainStringGrid = MakeGrid(JournalGrid::Main, mainModel_, Splitter1);
  MainStringGrid->setObjectName("MainStringGrid");
  QFont fixed(QStringLiteral("Courier New"));
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPixelSize(13);
  MainStringGrid->setFont(fixed);

  PanelDT = new QWidget(Splitter1);
  PanelDT->setObjectName("PanelDT");
  auto* panelLayout = new QVBoxLayout(PanelDT);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  DetailStringGrid = MakeGrid(JournalGrid::Detail, detailModel_, PanelDT);
  DetailStringGrid->setObjectName("DetailStringGrid");
  TechStringGrid = MakeGrid(JournalGrid::Technical, techModel_, PanelDT);
  TechStringGrid->setObjectName("TechStringGrid");
  for (JournalGridView* grid : {DetailStringGrid, TechStringGrid}) {
    panelLayout->addWidget(grid);
  }
  Splitter1->addWidget(MainStringGrid);
  Splitter1->addWidget(PanelDT);
  Splitter1->setStretchFactor(0, 1);
  Splitter1->setStretchFactor(1, 0);
  connect(Splitter1, &QSplitter::splitterMoved, this, [this] { panelDtWidth_ = PanelDT->width(); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Splitter1);

  connect(MainStringGrid, &JournalGridView::cellTextEdited, this, &JournalPage::MainStringGridSetEditText);
  connect(MainStringGrid, &JournalGridView::editFinished, this, &JournalPage::MainStringGridEditDone);
  ConnectCommand(MainStringGrid, &JournalGridView::currentCellChanged, this, &JournalPage::MainStringGridClick);
  MainStringGrid->SetKeyDownHandler([this](int key) { return MainStringGridKeyDown(key); });
  for (JournalGridView* grid : {DetailStringGrid, TechStringGrid}) {
    connect(grid, &JournalGridView::cellTextEdited, this,
            [this, grid](const QModelIndex& index, const QString& text) { ReadingGridSetEditText(grid, index, text); });
    connect(grid, &JournalGridView::editFinished, this,
            [this, grid](const QModelIndex& index, EditEnd how) { ReadingGridEditDone(grid, index, how); });
    grid->SetKeyDownHandler([this, grid](int key) { return ReadingGridKeyDown(grid, key); });
  }
  ShowData(false);
}

JournalGridView* JournalPage::MakeGrid(JournalGrid grid, QAbstractItemModel* model, QWidget* parent) {
  auto* view = new JournalGridView(grid, parent);
  view->setModel(model);
  return view;
}

int32_t JournalPage::CurrentRecord() const {
  const QModelIndex current = MainStringGrid->currentIndex();
  if (!current.isValid() || current.row() >= state_.Journal.RecordCount()) return -1;
  return current.row();
}

std::vector<int32_t> JournalPage::SelectedRecords() const {
  std::set<int32_t> rows;
  for (const QModelIndex& index : MainStringGrid->selectionModel()->selectedIndexes())
    if (index.row() < state_.Journal.RecordCount()) rows.insert(index.row());
  return {rows.begin(), rows.end()};
}

void JournalPage::SelectMainCell(int32_t record, int column) { MainStringGrid->SelectCell(record, column); }

JournalGridView* JournalPage::ReadingGrid() const {
  return acTechTableKor_->isChecked() ? TechStringGrid : DetailStringGrid;
}

ReadingGridModel* JournalPage::ReadingModel() const { return acTechTableKor_->isChecked() ? techModel_ : detailModel_; }

void JournalPage::ShowData(bool open) {
  dataShown_ = open;
  MainStringGrid->setVisible(open);
  PanelDT->setVisible(open);
  DetailStringGrid->setVisible(open && !acTechTableKor_->isChecked());
  TechStringGrid->setVisible(open && acTechTableKor_->isChecked());
  if (open) ApplyPanelDtWidth();
}

void JournalPage::ShowOpenData() {
  ShowData(true);
  RefillMainGrid();
  SelectMainCell(0, 0);
  MainStringGridClick();
}

void JournalPage::SetPanelDtWidth(int width) {
  panelDtWidth_ = width;
  ApplyPanelDtWidth();
}

void JournalPage::ApplyPanelDtWidth() {
  const int total = Splitter1->width() - Splitter1->handleWidth();
  if (total > panelDtWidth_) Splitter1->setSizes({total - panelDtWidth_, panelDtWidth_});
}

namespace {

// Keys of the settings file: the main grid's columns 0..4, the precise reading
// grid's columns as 5..8, the technical grid's as t0..t2.
QString ColumnKey(JournalGrid grid, int column) {
  if (grid == JournalGrid::Technical) return QStringLiteral("t%1").arg(column);
  return QString::number(grid == JournalGrid::Detail ? column + kMainColumnCount : column);
}

const QString kColumnSection = QStringLiteral("ColumnWidth");
constexpr int kMinColumnWidth = 20;
// Room for a point name or a note of this many characters.
constexpr int kNameChars = 10;
constexpr int kNoteChars = 16;

int TitleWidth(const JournalGridView* grid, int column) { return grid->horizontalHeader()->sectionSizeHint(column); }

int DefaultColumnWidth(const JournalGridView* grid, int column) {
  QString widest;
  if (grid->Grid() == JournalGrid::Main) {
    if (column == kMainSetups)
      widest = WidestSetups();
    else if (column == kMainHeight)
      widest = WidestHeight();
    else
      widest = QString(column == kMainNote ? kNoteChars : kNameChars, QLatin1Char('W'));
  } else {
    const int heightColumn = grid->Grid() == JournalGrid::Detail ? ReadingHeightColumn(ReadingLayout::Precise)
                                                                 : ReadingHeightColumn(ReadingLayout::Technical);
    if (column == 0)
      widest = QString(kNameChars, QLatin1Char('W'));
    else if (column == heightColumn)
      widest = WidestHeight();
    else
      widest = WidestReading();
  }
  return std::max(TitleWidth(grid, column), CellWidthFor(grid, widest));
}

int ScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().width() : 4096;
}

int SumOfColumns(const JournalGridView* grid) {
  int sum = grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth();
  for (int c = 0; c < grid->model()->columnCount(); ++c) sum += grid->columnWidth(c);
  return sum;
}

}  // namespace

void JournalPage::RestoreColumnWidths(const SettingsFile& ini) {
  const int widest = ScreenWidth();
  for (JournalGridView* grid : {MainStringGrid, DetailStringGrid, TechStringGrid})
    for (int c = 0; c < grid->model()->columnCount(); ++c)
      grid->setColumnWidth(c, ini.ReadBounded(kColumnSection, ColumnKey(grid->Grid(), c), DefaultColumnWidth(grid, c),
                                              kMinColumnWidth, widest));
  const int readings = std::max(SumOfColumns(DetailStringGrid), SumOfColumns(TechStringGrid));
  SetPanelDtWidth(ini.ReadBounded(kColumnSection, QStringLiteral("dtWidth"), readings, kMinColumnWidth, widest));
}

void JournalPage::SaveColumnWidths(SettingsFile& ini) const {
  for (JournalGridView* grid : {MainStringGrid, DetailStringGrid, TechStringGrid})
    for (int c = 0; c < grid->model()->columnCount(); ++c)
      ini.WriteInteger(kColumnSection, ColumnKey(grid->Grid(), c), grid->columnWidth(c));
  ini.WriteInteger(kColumnSection, QStringLiteral("dtWidth"), PanelDtWidth());
}

int JournalPage::ColumnsWidth() const {
  return SumOfColumns(MainStringGrid) + Splitter1->handleWidth() + panelDtWidth_;
}

void JournalPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ApplyPanelDtWidth();
}

void JournalPage::RefillMainGrid() { mainModel_->Refill(); }

void JournalPage::MainStringGridClick() {
  const int32_t record = CurrentRecord();
  ReadingModel()->Refresh(record);
}

void JournalPage::acAddExecute() {
  if (!MainStringGrid->hasFocus()) return;
  AddRecordAtEnd();
}

void JournalPage::AddRecordAtEnd() {
  const Result<int32_t> appended = AppendJournalRecord(state_);
  if (!ShowOutcome(appended)) return;
  const int32_t record = *appended;
  RefillMainGrid();
  SelectMainCell(record, kMainBack);
  MainStringGrid->setFocus();
  MainStringGridClick();
}

void JournalPage::acInsertExecute() {
  if (!MainStringGrid->hasFocus()) return;
  const Result<int32_t> inserted = InsertJournalRecord(state_, CurrentRecord());
  if (!ShowOutcome(inserted)) return;
  const int32_t record = *inserted;
  RefillMainGrid();
  SelectMainCell(record, kMainBack);
  MainStringGrid->setFocus();
  // The row now shows the new record, whichever column was current.
  MainStringGridClick();
}

void JournalPage::acDeleteRecExecute() {
  if (!MainStringGrid->hasFocus() || !CanDeleteJournalRecord(state_)) return;
  if (QMessageBox::question(this, ApplicationTitle(), QString::fromUtf8(kDeleteRecordQuestion),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::No)
    return;
  if (!ShowOutcome(DeleteJournalRecord(state_, CurrentRecord()))) return;
  RefillMainGrid();
  // The row now shows another record; the reading grid must not keep the deleted one's setups.
  MainStringGridClick();
}

bool JournalPage::ConfirmHeightRecompute(bool technical) {
  const QString formula = technical ? QStringLiteral("технического нивелирования (по основной шкале)")
                                    : QStringLiteral("высокоточного нивелирования (по двум шкалам)");
  const QString text = QStringLiteral("Превышения всех штативов и записей журнала будут пересчитаны по формуле ") +
                       formula + QStringLiteral(" и изменятся. Продолжить?");
  return QMessageBox::question(this, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

void JournalPage::acTechTableKorExecute() {
  const bool technical = acTechTableKor_->isChecked();
  if (TechModeSwitchChangesHeights(state_, technical) && !ConfirmHeightRecompute(technical)) {
    acTechTableKor_->setChecked(!technical);
    return;
  }
  SetTechMode(state_, technical);
  if (dataShown_) ShowData(true);
  // The grid now shown is filled for the current record, so that nothing stale can be typed over.
  MainStringGridClick();
}

void JournalPage::MainStringGridSetEditText(const QModelIndex& index, const QString& text) {
  RunGuarded([&] {
    // Text that is no number yet ("," alone) stays in the editor unwritten and
    // unrefused; CheckCellNumber names it once when the edit ends.
    if (!ShowOutcome(WriteMainCell(state_, index.row(), index.column(), Utf8(text)))) {
      if (CellEditor* editor = MainStringGrid->Editor())
        editor->setText(QString::fromStdString(MainGridText(state_.Journal, index.row(), index.column())));
    }
    MainStringGridClick();
  });
}

void JournalPage::ReadingGridSetEditText(JournalGridView* grid, const QModelIndex& index, const QString& text) {
  RunGuarded([&] {
    auto* model = static_cast<ReadingGridModel*>(grid->model());
    const int32_t record = model->Record();
    if (!ShowOutcome(WriteReadingCell(state_, record, model->Layout(), index.row(), index.column(), Utf8(text)))) {
      if (CellEditor* editor = grid->Editor())
        editor->setText(QString::fromStdString(ReadingGridText(state_.Journal, record, model->Layout(), index.row(),
                                                               index.column(), HeightForm::General)));
      return;
    }
    model->ShowTypedHeights();
    mainModel_->ShowTypedHeight(record);
  });
}

void JournalPage::MainStringGridEditDone(const QModelIndex& index, EditEnd how) {
  RunGuarded([&] {
    const bool cancelled = how == EditEnd::Escape;
    ShowOutcome(EndMainCellEdit(state_, index.row(), index.column(),
                                cancelled ? std::optional(Utf8(MainStringGrid->OriginalText())) : std::nullopt));
    RefillMainGrid();
    MainStringGridClick();
    // A refused number keeps the cursor in its cell rather than following the entry path.
    if (how != EditEnd::Escape &&
        !ShowOutcome(CheckCellNumber(JournalGrid::Main, index.column(), Utf8(MainStringGrid->FinishedText()))))
      return;
    if (how == EditEnd::Enter && acInputMode_->isChecked())
      FollowEntryPath(NextAfterMainEdit(index.row(), index.column()));
  });
}

void JournalPage::ReadingGridEditDone(JournalGridView* grid, const QModelIndex& index, EditEnd how) {
  RunGuarded([&] {
    auto* model = static_cast<ReadingGridModel*>(grid->model());
    const int32_t record = model->Record();
    const bool cancelled = how == EditEnd::Escape;
    ShowOutcome(EndReadingCellEdit(state_, record, model->Layout(), index.row(), index.column(),
                                   cancelled ? std::optional(Utf8(grid->OriginalText())) : std::nullopt));
    MainStringGridClick();
    if (how != EditEnd::Escape &&
        !ShowOutcome(CheckCellNumber(grid->Grid(), index.column(), Utf8(grid->FinishedText()))))
      return;
    if (how != EditEnd::Enter || !acInputMode_->isChecked()) return;
    FollowEntryPath(NextAfterReadingEdit(model->Layout(), index.row(), index.column(), model->rowCount(), record,
                                         state_.Journal.RecordCount()));
  });
}

void JournalPage::FollowEntryPath(const EntryTarget& target) {
  switch (target.kind) {
    case EntryTarget::Stay:
      return;
    case EntryTarget::MainCell:
      SelectMainCell(target.row, target.column);
      MainStringGrid->setFocus();
      return;
    case EntryTarget::ReadingCell:
      ReadingGrid()->SelectCell(target.row, target.column);
      ReadingGrid()->setFocus();
      return;
    case EntryTarget::NewRecord:
      MainStringGrid->setFocus();
      AddRecordAtEnd();
      return;
  }
}

bool JournalPage::MainStringGridKeyDown(int key) {
  if (key != Qt::Key_Right || MainStringGrid->currentIndex().column() != kMainNote) return false;
  ReadingGrid()->setFocus();
  return true;
}

bool JournalPage::ReadingGridKeyDown(JournalGridView* grid, int key) {
  if (key != Qt::Key_Left || grid->currentIndex().column() != 0) return false;
  MainStringGrid->setFocus();
  return true;
}

}  // namespace korvado
