#include "shell_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimerEvent>

#include "game/game.h"
#include "shell/main_window/app.h"
#include "shell/board/board_view.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/menu_resources.h"
#include "shell/platform/sound_set.h"

std::map<std::string, ShellTestFactory>& shellTests() {
    static std::map<std::string, ShellTestFactory> tests;
    return tests;
}

MainWindow& startedWindow() {
    static bool started = false;
    MainWindow& w = MainWindow::instance();
    if (!started) {
        started = true;
        MenuResources::instance();
        SoundSet::instance().load();
        w.show();
        QApplication::setActiveWindow(&w);
        static QTimer idleTimer;
        QObject::connect(&idleTimer, &QTimer::timeout, [] { App::instance().idle(); });
        idleTimer.start(IDLE_INTERVAL_MS);
    }
    return w;
}

QStringList secondRunLines(const char* testClass, const char* folderVariable, const QString& prefix,
                           int* exitCode) {
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(folderVariable), QDir::currentPath());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(testClass)});
    const bool ended = second.waitForFinished(120000);
    *exitCode = ended ? second.exitCode() : -1;
    QStringList found;
    for (const QString& line : QString::fromUtf8(second.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(prefix)) found << line.mid(prefix.size()).trimmed();
    }
    return found;
}

void enterFirstRunFolder(const char* folderVariable) {
    const QByteArray folder = qgetenv(folderVariable);
    if (!folder.isEmpty()) QDir::setCurrent(QString::fromLocal8Bit(folder));
}

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }
}

bool pumpUntil(const std::function<bool()>& cond, int ms) {
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }
    return true;
}

QPoint pointCentre(const BoardView& view, GridPoint p) { return view.cellCentre(p); }

void dragMouse(BoardView& view, QPoint from, QPoint to) {
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from);
    const int steps = 4;
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
    }
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, to);
}

void dragPoint(BoardView& view, GridPoint from, GridPoint to) {
    dragMouse(view, pointCentre(view, from), pointCentre(view, to));
}

// ------------------------------------------------------------ answerers

MessageAnswerer::MessageAnswerer(QMessageBox::StandardButton b) : button(b) { timerId = startTimer(5); }
MessageAnswerer::~MessageAnswerer() { killTimer(timerId); }

void MessageAnswerer::timerEvent(QTimerEvent*) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool()) return;
    const qint64 now = BoardView::now();
    if (seenAt < 0) seenAt = now;
    if (now - seenAt < delayMs) return;
    seenAt = -1;
    idleWasSuspended = App::instance().idleSuspended();
    box->setProperty("answered", true);
    texts << box->text();
    titles << box->windowTitle();
    icons << box->icon();
    QAbstractButton* b = box->button(button);
    if (!b) b = box->buttons().value(0);
    QMetaObject::invokeMethod(b, "click", Qt::QueuedConnection);
}

FileDialogAnswerer::FileDialogAnswerer(QString n, QString f) : name(std::move(n)), filter(std::move(f)) {
    timerId = startTimer(5);
}
FileDialogAnswerer::~FileDialogAnswerer() { killTimer(timerId); }

void FileDialogAnswerer::timerEvent(QTimerEvent*) {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || seen) return;
    seen = true;
    filters = dialog->nameFilters();
    directory = dialog->directory().absolutePath();
    selectedFilter = dialog->selectedNameFilter();
    if (auto* edit = dialog->findChild<QLineEdit*>()) initialName = edit->text();
    if (name.isEmpty()) {
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        return;
    }
    if (!filter.isEmpty()) {
        dialog->selectNameFilter(filter);
        Q_EMIT dialog->filterSelected(filter);
    }
    if (auto* edit = dialog->findChild<QLineEdit*>()) edit->setText(name);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}
