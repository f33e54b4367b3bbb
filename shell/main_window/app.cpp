#include "shell/main_window/app.h"

#include <QApplication>
#include <thread>

#include "engine/book.h"
#include "engine/engine.h"
#include "engine/thread_start.h"
#include "game/game.h"
#include "shell/board/board_view.h"
#include "shell/main_window/after_first_paint.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/menu_resources.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/end_signals.h"
#include "shell/platform/resource_blob.h"
#include "review/review_session.h"
#include "shell/platform/sound_set.h"
#include "shell/platform/start_marks.h"

namespace {

constexpr int DAT_BOOK = 124;

void readBook() {
    ResourceBlob book;
    book.load("DAT", DAT_BOOK);
    if (book.size() > 0) openingBook().loadBook(book.data(), book.size());
}

}  // namespace

App& App::instance() {
    static App app;
    return app;
}

ModalScope::ModalScope() { App::instance().enterModal(); }
ModalScope::~ModalScope() { App::instance().leaveModal(); }

// The window shows first; what its first frame does not need follows.
void App::init() {
    MenuResources::instance();
    SoundSet::instance().load();
    MainWindow& window = MainWindow::instance();
    startMark("window made");
    Game::instance().loadSettings();
    window.show();
    window.repaint();
    startMark("shown");
    quitIfOnlyStarting();
    window.raise();
    window.activateWindow();
    // The book is read beside the engine list; both are in before the
    // first game starts.
    std::thread bookReader = startThread(readBook);
    window.showProgramIcon();
    window.loadEngineList();
    bookReader.join();
    Game::instance().newGame();
    startMark("ready");
    // The sounds' player once the board is on the screen (a move played
    // before that loads it itself).
    afterFirstPaint(&window.boardView(), [] { SoundSet::instance().preparePlayer(); });
    // Once the loop runs, so that the window is up before the message.
    QTimer::singleShot(0, &window, [] { Game::instance().announceRecovery(); });
}

void App::openStartFile(const std::string& path) {
    if (!path.empty()) MainWindow::instance().openRecord(path);
}

int App::run() {
    if (!timer) {
        timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, [this] { idle(); });
    }
    if (!watchingEndSignals) {
        watchingEndSignals = watchEndSignals(qApp, [](int) {
            if (MainWindow::exists()) MainWindow::instance().endOnSignal();
            else QCoreApplication::exit(0);
        });
    }
    timer->start(IDLE_INTERVAL_MS);
    const int code = QApplication::exec();
    timer->stop();
    return code;
}

bool App::idleSuspended() const {
    return inIdle || modalDepth > 0 || QApplication::activeModalWidget() != nullptr;
}

void App::idle() {
    if (idleSuspended()) {
        // A dialog of the program's own holds the board: the game's clocks stop.
        if (!inIdle) Game::instance().holdClocks();
        return;
    }
    inIdle = true;
    thinkingEngine().pollEngine();
    ReviewSession::instance().idle();
    if (MainWindow::exists()) {
        MainWindow::instance().syncView();
        MainWindow::instance().toolWindowsIdle();
    }
    Game::instance().idle();
    inIdle = false;
}
