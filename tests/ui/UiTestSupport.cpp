#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <map>

#include "KorvadoApplication.h"
#include "MainForm.h"

namespace korvado {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "korvado-ui-tests";
  static char* argv[] = {name, nullptr};
  static KorvadoApplication* app = new KorvadoApplication(argc, argv);
  (void)app;
}

namespace {

constexpr const char* kChildRoleVariable = "KORVADO_TEST_CHILD_ROLE";

std::map<QString, std::function<void()>>& ChildRoles() {
  static std::map<QString, std::function<void()>> roles;
  return roles;
}

}  // namespace

bool RegisterChildRole(const QString& name, std::function<void()> role) {
  return ChildRoles().emplace(name, std::move(role)).second;
}

QProcessEnvironment ChildRoleEnvironment(const QString& name) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QString::fromUtf8(kChildRoleVariable), name);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return environment;
}

bool PlayChildRole() {
  const QString name = qEnvironmentVariable(kChildRoleVariable);
  if (name.isEmpty()) return false;
  const auto role = ChildRoles().find(name);
  if (role == ChildRoles().end()) qFatal("no child role %s", qUtf8Printable(name));
  role->second();
  return true;
}

WorkingFolder::WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }

WorkingFolder::~WorkingFolder() { QDir::setCurrent(previous_); }

namespace {

void SendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr) << "no widget has the focus";
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  if (QWidget* now = QApplication::focusWidget()) QApplication::sendEvent(now, &release);
  QCoreApplication::processEvents();
}

int KeyOf(QChar c) {
  if (c.isDigit()) return Qt::Key_0 + c.digitValue();
  if (c.unicode() < 128 && c.isLetter()) return Qt::Key_A + (c.toUpper().unicode() - 'A');
  if (c == QLatin1Char('.')) return Qt::Key_Period;
  if (c == QLatin1Char(',')) return Qt::Key_Comma;
  if (c == QLatin1Char(' ')) return Qt::Key_Space;
  return Qt::Key_unknown;
}

}  // namespace

void TypeKeys(const QString& text) {
  for (QChar c : text) SendKey(KeyOf(c), QString(c), Qt::NoModifier);
}

void PressKey(int key, Qt::KeyboardModifiers modifiers) {
  QString text;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) text = QStringLiteral("\r");
  if (key == Qt::Key_Escape) text = QString(QChar(27));
  if (key == Qt::Key_Backspace) text = QString(QChar(8));
  SendKey(key, modifiers == Qt::NoModifier ? text : QString(), modifiers);
}

bool WaitUntilActive(QWidget* window) {
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000);
}

BoxesSeen AnswerMessageBoxes(const std::function<void()>& action, QMessageBox::StandardButton answer) {
  BoxesSeen seen;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    ++seen.count;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.buttons.clear();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    if (QAbstractButton* button = box->button(answer))
      button->click();
    else
      box->reject();
  });
  QWidget* window = QApplication::activeWindow();
  timer.start();
  action();
  QCoreApplication::processEvents();
  timer.stop();
  // The focus goes back to the window once the box has closed.
  if (window && window->isVisible()) {
    window->activateWindow();
    EXPECT_TRUE(WaitUntilActive(window));
  }
  return seen;
}

void AnswerFileDialog(const std::function<void()>& action, const QString& path, QString* title, QStringList* filters,
                      QString* folder) {
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (title) *title = dialog->windowTitle();
    if (filters) *filters = dialog->nameFilters();
    if (folder) *folder = dialog->directory().absolutePath();
    if (path.isEmpty()) {
      dialog->reject();
      return;
    }
    dialog->selectFile(path);
    // A focused name field ignores selectFile; type the name into it as a user would.
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(path);
    static_cast<QDialog*>(dialog)->accept();
  });
  QWidget* window = QApplication::activeWindow();
  timer.start();
  action();
  timer.stop();
  if (window && window->isVisible()) {
    window->activateWindow();
    EXPECT_TRUE(WaitUntilActive(window));
  }
}

QString WorkingFolderSettings() { return QDir::current().filePath(QStringLiteral("Korvado.ini")); }

std::unique_ptr<TMainForm> ShowMainForm() {
  EnsureApplication();
  auto form = std::make_unique<TMainForm>(WorkingFolderSettings());
  form->show();
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
  return form;
}

void CloseWithoutQuestion(TMainForm& form) {
  form.State().Changed = false;
  form.close();
}

}  // namespace korvado
