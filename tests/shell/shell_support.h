// What the desktop tests share: the program's window built as start-up
// builds it, a pump for the event loop with its idle pass, mouse drags in
// board coordinates, and answers to the message boxes and file dialogs
// the window opens.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <string>

#include "engine/types.h"

class MainWindow;
class BoardView;

// Registry of the test classes, one process per class (see the main).
using ShellTestFactory = std::function<QObject*()>;
std::map<std::string, ShellTestFactory>& shellTests();
struct ShellTestRegistration {
    ShellTestRegistration(const char* name, ShellTestFactory f) { shellTests()[name] = std::move(f); }
};
#define SHELL_TEST(Class) \
    static ShellTestRegistration registration##Class(#Class, [] { return static_cast<QObject*>(new Class); })

// The program's window after the start-up steps (menus, sounds, window).
MainWindow& startedWindow();
// Runs the event loop (and so the 20 ms idle pass) for ms milliseconds.
void pump(int ms);
// Runs it until cond holds or ms have passed; answers whether it holds.
bool pumpUntil(const std::function<bool()>& cond, int ms);

// Two runs of the program: runs test class `testClass` of this test program
// in a second process, in this working folder (named to it in the
// environment variable `folderVariable`), under the offscreen platform;
// answers the lines of its output that begin with `prefix`, cut off, and
// its exit code (-1 when it did not end within two minutes).
QStringList secondRunLines(const char* testClass, const char* folderVariable, const QString& prefix,
                           int* exitCode);
// The second run's first step: into the folder the first run named.
void enterFirstRunFolder(const char* folderVariable);

// Centre of a point's cell in the view's pixels.
QPoint pointCentre(const BoardView& view, GridPoint p);
// Presses at from, moves (in steps) to to, releases, with the left button.
void dragMouse(BoardView& view, QPoint from, QPoint to);
void dragPoint(BoardView& view, GridPoint from, GridPoint to);

// Answers the message boxes that open from now on with `button`, keeping
// their texts in order; stop() ends it.
class MessageAnswerer : public QObject {
public:
    explicit MessageAnswerer(QMessageBox::StandardButton button);
    ~MessageAnswerer() override;
    void setButton(QMessageBox::StandardButton b) { button = b; }
    // Leaves each box open this long before answering.
    int delayMs = 0;
    // Whether the idle pass was suspended while the last box was open.
    bool idleWasSuspended = false;
    QStringList texts;
    QStringList titles;
    QList<QMessageBox::Icon> icons;

private:
    QMessageBox::StandardButton button;
    int timerId = 0;
    qint64 seenAt = -1;
    void timerEvent(QTimerEvent*) override;
};

// Accepts the next file dialog with `name` typed into it (and, when given,
// the name filter chosen first), or rejects it when name is empty. What the
// dialog showed is kept.
class FileDialogAnswerer : public QObject {
public:
    FileDialogAnswerer(QString name, QString filter = {});
    ~FileDialogAnswerer() override;
    bool seen = false;
    QStringList filters;
    QString directory;
    QString initialName;
    QString selectedFilter;

private:
    QString name;
    QString filter;
    int timerId = 0;
    void timerEvent(QTimerEvent*) override;
};
