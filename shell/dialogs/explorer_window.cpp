#include "shell/dialogs/explorer_window.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "database/games_database.h"
#include "database/stored_game.h"
#include "game/game.h"
#include "shell/dialogs/database_commands.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/qt_text.h"
#include "shell/windows/move_texts.h"
#include "review/review_session.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr const char* MOVE_TITLES[] = {QT_TRANSLATE_NOOP("Texts", "着法"), QT_TRANSLATE_NOOP("Texts", "局数"), QT_TRANSLATE_NOOP("Texts", "红胜"), QT_TRANSLATE_NOOP("Texts", "和"), QT_TRANSLATE_NOOP("Texts", "黑胜"), QT_TRANSLATE_NOOP("Texts", "平均年份"), ""};
constexpr const char* GAME_TITLES[] = {QT_TRANSLATE_NOOP("Texts", "序号"), QT_TRANSLATE_NOOP("Texts", "红方"), QT_TRANSLATE_NOOP("Texts", "黑方"), QT_TRANSLATE_NOOP("Texts", "结果"), QT_TRANSLATE_NOOP("Texts", "日期"), QT_TRANSLATE_NOOP("Texts", "赛事")};
constexpr int BAR_COLUMN = 6;
constexpr int GAMES_SHOWN = 500;
constexpr int MOVE_ROLE = Qt::UserRole;
constexpr int BAR_WIDTH = 120;

// Red wins, draws and Black wins side by side, in proportion.
class ScoreBar final : public QWidget {
public:
    ScoreBar(int r, int d, int b, QWidget* parent) : QWidget(parent), parts{r, d, b} { setMinimumWidth(BAR_WIDTH); }

protected:
    void paintEvent(QPaintEvent*) override {
        const int total = parts[0] + parts[1] + parts[2];
        if (total == 0) return;
        QPainter p(this);
        const QColor colours[] = {QColor(200, 40, 40), QColor(160, 160, 160), QColor(30, 30, 30)};
        const QRect area = rect().adjusted(1, 3, -1, -3);
        int x = area.left();
        for (int i = 0; i < 3; ++i) {
            const int w = i == 2 ? area.right() + 1 - x : area.width() * parts[i] / total;
            p.fillRect(QRect(x, area.top(), w, area.height()), colours[i]);
            x += w;
        }
    }

private:
    int parts[3];
};

QTreeWidget* makeList(const char* const* titles, int count, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setColumnCount(count);
    QStringList header;
    for (int i = 0; i < count; ++i) header << shownText(titles[i]);
    list->setHeaderLabels(header);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

bool gameAllowsMoves() {
    const Game& game = Game::instance();
    return game.mode() == MODE_TWO_HUMANS && !game.isSetupOpen() && !ReviewSession::instance().running();
}

}  // namespace

QString shareText(int part, int total) {
    if (total <= 0) return QStringLiteral("-");
    return QString::number(100.0 * part / total, 'f', 1) + QLatin1Char('%');
}

ExplorerWindow& ExplorerWindow::instance() {
    static ExplorerWindow window;
    return window;
}

ExplorerWindow::ExplorerWindow() : QWidget(nullptr, Qt::Tool) {
    setWindowTitle(Texts::tr("开局浏览"));
    heading = new QLabel(this);
    moves = makeList(MOVE_TITLES, static_cast<int>(std::size(MOVE_TITLES)), this);
    games = makeList(GAME_TITLES, static_cast<int>(std::size(GAME_TITLES)), this);
    note = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(moves, 1);
    layout->addWidget(note);
    layout->addWidget(games, 1);
    resize(520, 560);
    connect(moves, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item, int) { chooseMove(moves->indexOfTopLevelItem(item)); });
    connect(games, &QTreeWidget::itemDoubleClicked, this, [](QTreeWidgetItem* item, int) {
        openDatabaseGame(item->data(0, Qt::UserRole).toLongLong());
    });
}

void ExplorerWindow::open() {
    shownSide = 2;
    show();
    raise();
    activateWindow();
    idle();
}

void ExplorerWindow::databaseChanged() {
    shownSide = 2;
    idle();
}

void ExplorerWindow::idle() {
    if (!isVisible()) return;
    if (MainWindow::exists() && MainWindow::instance().isAnimating()) return;
    const Game& game = Game::instance();
    if (game.board() == shownBoard && game.sideToMove() == shownSide) return;
    shownBoard = game.board();
    shownSide = game.sideToMove();
    showPosition(shownBoard, shownSide);
}

void ExplorerWindow::notationChanged() {
    if (isVisible()) showPosition(shownBoard, shownSide);
}

void ExplorerWindow::showPosition(const Board90& board, Side side) {
    moves->clear();
    games->clear();
    note->clear();
    const GamesDatabase& db = openGamesDatabase();
    if (!db.isOpen()) {
        heading->setText(Texts::tr("没有打开棋库（文件 → 打开棋库）"));
        return;
    }
    PositionStats stats;
    db.positionStats(board, side, stats);
    heading->setText(Texts::tr("%1：本局面 %2 局").arg(QFileInfo(pathToQt(db.path())).fileName()).arg(stats.games));
    for (const MoveStats& m : stats.moves) {
        auto* item = new QTreeWidgetItem(moves);
        item->setText(0, toQt(MoveTexts::instance().text(board, m.move)));
        item->setData(0, MOVE_ROLE, static_cast<qulonglong>(m.move));
        item->setText(1, QString::number(m.games));
        item->setText(2, shareText(m.redWins, m.games));
        item->setText(3, shareText(m.draws, m.games));
        item->setText(4, shareText(m.blackWins, m.games));
        item->setText(5, m.datedGames ? QString::number(m.averageYear(), 'f', 0) : QStringLiteral("-"));
        moves->setItemWidget(item, BAR_COLUMN, new ScoreBar(m.redWins, m.draws, m.blackWins, moves));
    }
    GameFilter filter;
    filter.atPosition = true;
    filter.board = board;
    filter.side = side;
    filter.limit = GAMES_SHOWN;
    std::vector<GameRow> rows;
    db.findGames(filter, rows);
    for (const GameRow& r : rows) {
        auto* item = new QTreeWidgetItem(games);
        item->setData(0, Qt::UserRole, static_cast<qlonglong>(r.id));
        item->setText(0, QString::number(r.id));
        item->setText(1, toQt(r.red));
        item->setText(2, toQt(r.black));
        item->setText(3, QString::fromLatin1(resultTag(r.result)));
        item->setText(4, toQt(r.date));
        item->setText(5, toQt(r.event));
    }
}

void ExplorerWindow::chooseMove(int row) {
    QTreeWidgetItem* item = moves->topLevelItem(row);
    if (!item) return;
    const auto move = static_cast<PackedMove>(item->data(0, MOVE_ROLE).toULongLong());
    if (gameAllowsMoves() && Game::instance().tryUserMove(move)) return;
    note->setText(Texts::tr("大师着法：%1（两人对弈时点击可走）").arg(item->text(0)));
}
