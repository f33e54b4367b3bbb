// What the screenshot tools share: the program started as its own start-up
// starts it, running the event loop for a while or until something holds,
// and saving a picture of the whole screen.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QTimer;

// The folder named on the command line (or the current one), created.
QString shotFolder(int argc, char** argv);
// Starts the program (menus, sounds, main window) with its idle pass on
// the given timer.
void startProgram(QTimer& idle);
// Runs the event loop for ms milliseconds.
void pump(int ms);
// Runs it until cond holds or ms have passed; answers whether it holds.
bool pumpUntil(const std::function<bool()>& cond, int ms);
// Saves the whole screen, or the area of it given, as folder/name and
// names the file on stderr.
void shootScreen(const QString& folder, const char* name, const QRect& area = {});
