#include "tools/screen_shots/screen_shots.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "shell/main_window/app.h"

QString shotFolder(int argc, char** argv) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    return folder;
}

void startProgram(QTimer& idle) {
    App& program = App::instance();
    program.init();
    QObject::connect(&idle, &QTimer::timeout, [&program] { program.idle(); });
    idle.start(IDLE_INTERVAL_MS);
}

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qSleep(2);
    }
}

bool pumpUntil(const std::function<bool()>& cond, int ms) {
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qSleep(2);
    }
    return true;
}

void shootScreen(const QString& folder, const char* name, const QRect& area) {
    QApplication::processEvents();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = area.isEmpty() ? screen->grabWindow(0)
                                        : screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString path = folder + "/" + name;
    shot.save(path);
    std::fprintf(stderr, "%s\n", qPrintable(path));
}
