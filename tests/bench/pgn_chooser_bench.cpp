// Prints how long the program takes from opening a PGN collection to
// showing its game chooser: the listing of the games, the list built and
// the window shown (offscreen unless a platform is set).
//   pgn_chooser_bench [COLLECTION]
// Without an argument the collection is 300 games of 120 plies each with
// a comment every tenth move (the listing counts the moves without judging
// them, so one line of play serves for all).
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/pgn_collection.h"
#include "shell/main_window/main_window.h"
#include "shell/dialogs/pgn_game_chooser.h"
#include "shell/platform/qt_text.h"

namespace {

constexpr int GAMES = 300;
constexpr int PLY_PAIRS = 60;
constexpr int RUNS = 5;

QByteArray collectionText() {
    QByteArray text;
    for (int g = 1; g <= GAMES; ++g) {
        text += "[Game \"Chinese Chess\"]\n[Event \"联赛 第" + QByteArray::number(g) + "轮\"]\n";
        text += "[Red \"红方" + QByteArray::number(g) + "\"]\n[Black \"黑方" + QByteArray::number(g) + "\"]\n";
        text += "[Date \"2020.01.01\"]\n[Result \"1-0\"]\n\n";
        for (int m = 1; m <= PLY_PAIRS; ++m) {
            text += QByteArray::number(m) + ". 炮二平五 马８进７ ";
            if (m % 5 == 0) text += "{一句评注} ";
            if (m % 4 == 0) text += "\n";
        }
        text += "1-0\n\n";
    }
    return text;
}

// Notes when a chooser is shown and closes it again at once.
class ChooserWatch final : public QObject {
public:
    QElapsedTimer clock;
    qint64 shownAfterNs = -1;
    int listed = 0;
    // Each keystroke of a player's name typed into the filter, one
    // character at a time, then deleted again: milliseconds for each.
    std::vector<double> keystrokes;
    int matched = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* chooser = dynamic_cast<PgnGameChooser*>(watched);
        if (chooser && event->type() == QEvent::Show && shownAfterNs < 0) {
            shownAfterNs = clock.nsecsElapsed();
            listed = chooser->shownCount();
            typeIntoFilter(*chooser);
            QMetaObject::invokeMethod(chooser, "reject", Qt::QueuedConnection);
        }
        return false;
    }

private:
    void typeIntoFilter(PgnGameChooser& chooser) {
        auto* filter = chooser.findChild<QLineEdit*>();
        if (!filter) return;
        const QString name = QStringLiteral("许银川");
        for (const QChar c : name) timeKeystroke([&] { filter->insert(QString(c)); });
        matched = chooser.shownCount();
        for (int i = 0; i < name.size(); ++i) timeKeystroke([&] { filter->backspace(); });
    }
    template <typename F>
    void timeKeystroke(F press) {
        QElapsedTimer t;
        t.start();
        press();
        keystrokes.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program writes its settings where it runs: a folder of its own.
    std::string path = argc > 1 ? pathFromQt(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath()) : "";
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    if (path.empty()) {
        QFile file(QStringLiteral("collection.pgn"));
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(collectionText());
        file.close();
        path = pathFromQt(QFileInfo(file).absoluteFilePath());
    }

    MainWindow& window = MainWindow::instance();
    window.show();
    Game::instance().newGame();

    std::vector<double> listing, toChooser, keystrokes;
    int matched = -1;
    std::size_t games = 0;
    int listed = 0;
    for (int run = 0; run < RUNS; ++run) {
        std::vector<PgnGameSummary> summaries;
        std::string error;
        QElapsedTimer t;
        t.start();
        if (!listPgnGames(path, summaries, error)) {
            std::fprintf(stderr, "cannot list %s\n", path.c_str());
            return 1;
        }
        listing.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        games = summaries.size();

        ChooserWatch watch;
        app.installEventFilter(&watch);
        watch.clock.start();
        window.openRecord(path);
        app.removeEventFilter(&watch);
        if (watch.shownAfterNs < 0) {
            std::fprintf(stderr, "no chooser was shown (%zu games)\n", games);
            return 1;
        }
        toChooser.push_back(static_cast<double>(watch.shownAfterNs) / 1e6);
        listed = watch.listed;
        matched = watch.matched;
        keystrokes.insert(keystrokes.end(), watch.keystrokes.begin(), watch.keystrokes.end());
    }
    std::printf("collection: %s, %zu games, %lld bytes\n", argc > 1 ? argv[1] : "300 made games",
                games, static_cast<long long>(QFileInfo(pathToQt(path)).size()));
    std::printf("listing the games:        median %.1f ms, best %.1f ms (%d runs)\n", median(listing),
                *std::min_element(listing.begin(), listing.end()), RUNS);
    std::printf("open to the chooser shown: median %.1f ms, best %.1f ms (%d games listed)\n", median(toChooser),
                *std::min_element(toChooser.begin(), toChooser.end()), listed);
    if (!keystrokes.empty())
        std::printf("filter, each keystroke of 许银川 typed and deleted: median %.1f ms, worst %.1f ms "
                    "(%zu keystrokes, %d games match the name)\n",
                    median(keystrokes), *std::max_element(keystrokes.begin(), keystrokes.end()),
                    keystrokes.size(), matched);
    return 0;
}
