#pragma once
// Helpers for the GUI tests of net construction: a journal keyed in as
// finished runs, a script that answers the modal dialogs an action opens, and
// the mouse and text of the search grid.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "AppState.h"
#include "JournalRuns.h"

// Own namespace: every support file is linked into every GUI test program.
namespace korvado::nettest {

// Replaces the journal by these runs.
void SetJournal(AppState& state, const std::vector<JournalRun>& runs);

// Answers, in order, the modal windows an action opens: each step gets the
// window that became modal. Windows beyond the steps are rejected and counted.
class ModalScript {
 public:
  using Step = std::function<void(QWidget*)>;
  explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {}
  void Run(const std::function<void()>& action);
  int Answered() const { return answered_; }
  int Unexpected() const { return unexpected_; }

 private:
  void Poll();

  std::vector<Step> steps_;
  int answered_ = 0;
  int unexpected_ = 0;
  bool running_ = false;
  QPointer<QWidget> last_;
  // Owns the pending polls, so that none outlives the script.
  QObject context_;
};

// Types text into the widget key by key, whichever widget has the focus.
void TypeInto(QWidget* widget, const QString& text);

// Steps for the two dialogs of net construction.
ModalScript::Step NameNet(const QString& name);
// Chooses the types (-1 leaves a selector as it is) and confirms.
ModalScript::Step ChooseTypes(int backType, int foreType);
ModalScript::Step CancelDialog();
// A message box: its text is kept in `text`, then OK.
ModalScript::Step AcceptMessage(QString* text);

// The texts of the search grid's rows, cells joined by "|".
QStringList GridRows(const QTableWidget& grid);
QStringList ListRows(const QTreeWidget& list);
void DoubleClickRow(QTableWidget& grid, int row);

}  // namespace korvado::nettest
