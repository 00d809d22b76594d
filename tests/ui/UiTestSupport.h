#pragma once
// Helpers for the GUI tests: the application object, a fresh working folder
// for Korvado.ini, typing at the keyboard, and answering message boxes.

#include <QDir>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace korvado {

class TMainForm;

// Creates the program's application object once per test program.
void EnsureApplication();

// A test that needs a second program (one to be killed) starts its own test
// program again with the environment ChildRoleEnvironment(name): main then
// plays the role registered under that name instead of running the tests, so
// the role is no test of its own. Register at namespace scope:
// `const bool registered = RegisterChildRole("name", [] { ... });`
bool RegisterChildRole(const QString& name, std::function<void()> role);
QProcessEnvironment ChildRoleEnvironment(const QString& name);
// For main: plays the role the environment names; false when it names none.
bool PlayChildRole();

// Makes a new empty folder the working directory for the life of the object.
class WorkingFolder {
 public:
  WorkingFolder();
  ~WorkingFolder();
  QString Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// Types text key by key into whatever widget has the focus, as a keyboard does.
void TypeKeys(const QString& text);
// One key (Return, Escape, arrows...) to the focused widget.
void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Waits until window is the application's active window, so that keys reach
// it. Offscreen, a dialog counts as active together with its parent before its
// own activation has happened, which the usual wait does not see.
bool WaitUntilActive(QWidget* window);

// What the message boxes shown during an action said.
struct BoxesSeen {
  int count = 0;
  QString title;
  QString text;
  QStringList buttons;
};
// Runs action and answers every message box it shows with `answer`.
BoxesSeen AnswerMessageBoxes(const std::function<void()>& action, QMessageBox::StandardButton answer);

// Runs action and answers the file dialog it opens: the path typed as the
// file name and accepted, or the dialog cancelled when path is empty. What the
// dialog showed goes into the optional outputs.
void AnswerFileDialog(const std::function<void()>& action, const QString& path, QString* title = nullptr,
                      QStringList* filters = nullptr, QString* folder = nullptr);

// Korvado.ini in the current folder: each test's own settings file, never the user's.
QString WorkingFolderSettings();
// A main window shown and active, its settings file WorkingFolderSettings().
std::unique_ptr<TMainForm> ShowMainForm();
// Closes a main window whose data need not be saved (no question).
void CloseWithoutQuestion(TMainForm& form);

}  // namespace korvado
