// morlan-review-shot GAME.sav OUT.png [SECONDS]: opens the game in the
// desktop program, reviews it with the built-in engine (SECONDS per
// position, default 1), and saves the 局势图 window as a picture, the ply
// shown being the last. Runs under any display, offscreen included.
#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "game/game.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/qt_text.h"
#include "review/review_session.h"
#include "shell/dialogs/score_graph_window.h"
#include "tools/screen_shots/screen_shots.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: morlan-review-shot GAME.sav OUT.png [SECONDS]\n");
        return 1;
    }
    QTimer idle;
    startProgram(idle);
    Game& game = Game::instance();
    game.setMode(MODE_TWO_HUMANS);
    game.openFile(pathFromQt(QString::fromLocal8Bit(argv[1])));
    ReviewOptions options;
    if (argc > 3) options.limit.moveTimeMs = static_cast<int>(std::atof(argv[3]) * 1000);
    if (!ReviewSession::instance().start(0, options)) return 1;
    pumpUntil([] { return !ReviewSession::instance().running(); }, 3'600'000);
    ScoreGraphWindow& graph = ScoreGraphWindow::instance();
    graph.open();
    graph.idle();
    pump(300);
    const bool saved = graph.window() && graph.window()->grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
    // The review wrote into the comments; the picture is all that is wanted.
    game.setModified(false);
    MainWindow::instance().close();
    return saved ? 0 : 1;
}
