// The process: the start-up sequence, the event loop and its idle pass.
// All interface work and all polling of the thinking engine happen on this
// one thread; the idle pass runs every 20 ms.
#pragma once

#include <QTimer>
#include <string>

constexpr int IDLE_INTERVAL_MS = 20;

class App {
public:
    static App& instance();

    // Menus, sounds, the main window and its settings, the window shown;
    // then the program's icon, the engine list and the book, a new game;
    // the sounds' player once the board has painted.
    void init();
    // Opens the game file or record the command line names, if it names one.
    void openStartFile(const std::string& path);
    // The event loop; returns the exit code when the main window has closed,
    // or when SIGTERM or SIGHUP ended the program (MainWindow::endOnSignal).
    int run();
    // One idle pass: engine poll, view, tool windows, the game's idle step.
    // Skipped while a modal dialog is open or when called from inside itself.
    void idle();
    bool idleSuspended() const;

    void enterModal() { ++modalDepth; }
    void leaveModal() { --modalDepth; }

private:
    App() = default;
    QTimer* timer = nullptr;
    int modalDepth = 0;
    bool inIdle = false;
    bool watchingEndSignals = false;
};
