#include "shell/dialogs/match_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/platform/shown_text.h"
#include "engine/board_move.h"
#include "engine/fen.h"
#include "engines/engine_roster.h"
#include "match/match_openings.h"
#include "match/match_runner.h"
#include "shell/dialogs/em_size.h"
#include "shell/dialogs/match_board.h"
#include "shell/dialogs/match_clock_text.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"

namespace {

enum Column { NUMBER, RED, BLACK, MOVES, RED_CLOCK, BLACK_CLOCK, RESULT, COLUMNS };
constexpr const char* COLUMN_TITLES[COLUMNS] = {QT_TRANSLATE_NOOP("Texts", "局"), QT_TRANSLATE_NOOP("Texts", "红方"), QT_TRANSLATE_NOOP("Texts", "黑方"), QT_TRANSLATE_NOOP("Texts", "步数"), QT_TRANSLATE_NOOP("Texts", "红方时间"), QT_TRANSLATE_NOOP("Texts", "黑方时间"), QT_TRANSLATE_NOOP("Texts", "结果")};

QPushButton* button(QWidget* parent, const char* text) {
    auto* b = new QPushButton(shownText(text), parent);
    b->setAutoDefault(false);
    return b;
}

QTreeWidgetItem* rowOf(QTreeWidget* list, int index) {
    // The running games are the last rows: look from the end.
    for (int row = list->topLevelItemCount() - 1; row >= 0; --row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (item->data(NUMBER, Qt::UserRole).toInt() == index) return item;
    }
    return nullptr;
}

// "1. 炮二平五 马8进7" a line.
QString movesText(const QStringList& moves) {
    QString text;
    for (int i = 0; i < moves.size(); ++i) {
        if (i % 2 == 0) text += QStringLiteral("%1%2. ").arg(i == 0 ? QString() : QStringLiteral("\n")).arg(i / 2 + 1);
        text += moves[i] + QLatin1Char(' ');
    }
    return text;
}

}  // namespace

MatchWindow& MatchWindow::instance() {
    static MatchWindow window;
    return window;
}

MatchWindow::MatchWindow() : FloatingWindow(QT_TRANSLATE_NOOP("Texts", "引擎比赛")) {}

bool MatchWindow::running() const { return !runner.isNull(); }

void MatchWindow::build(QDialog& w) {
    settingsButton = button(&w, QT_TRANSLATE_NOOP("Texts", "设置..."));
    startButton = button(&w, QT_TRANSLATE_NOOP("Texts", "开始"));
    stopButton = button(&w, QT_TRANSLATE_NOOP("Texts", "停止"));
    status = new QLabel(&w);
    QObject::connect(settingsButton, &QPushButton::clicked, &w, [this] { chooseSettings(); });
    QObject::connect(startButton, &QPushButton::clicked, &w, [this] { startMatch(); });
    QObject::connect(stopButton, &QPushButton::clicked, &w, [this] { stopMatch(); });
    auto* top = new QHBoxLayout;
    top->addWidget(settingsButton);
    top->addWidget(startButton);
    top->addWidget(stopButton);
    top->addWidget(status, 1);

    games = new QTreeWidget(&w);
    games->setObjectName(QStringLiteral("games"));
    games->setColumnCount(COLUMNS);
    QStringList titles;
    for (const char* t : COLUMN_TITLES) titles << shownText(t);
    games->setHeaderLabels(titles);
    games->setRootIsDecorated(false);
    games->setMinimumWidth(emPixels(w) * 30);
    games->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* follow = new QCheckBox(Texts::tr("显示最新一局"), &w);
    follow->setObjectName(QStringLiteral("follow"));
    follow->setChecked(true);
    QObject::connect(games, &QTreeWidget::itemClicked, &w, [this, follow] {
        follow->setChecked(false);
        showSelectedGame();
    });
    QObject::connect(follow, &QCheckBox::toggled, &w, [this] { showSelectedGame(); });

    board = new MatchBoard(&w);
    gameTitle = new QLabel(&w);
    moves = new QPlainTextEdit(&w);
    moves->setReadOnly(true);
    moves->setMaximumWidth(board->width());
    auto* right = new QVBoxLayout;
    right->addWidget(gameTitle);
    right->addWidget(board);
    right->addWidget(moves, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(games, 1);
    left->addWidget(follow);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left, 1);
    middle->addLayout(right);

    standings = new QPlainTextEdit(&w);
    standings->setObjectName(QStringLiteral("standings"));
    standings->setReadOnly(true);
    standings->setLineWrapMode(QPlainTextEdit::NoWrap);
    standings->setMinimumHeight(emPixels(w) * 8);

    auto* layout = new QVBoxLayout(&w);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(new QLabel(Texts::tr("成绩"), &w));
    layout->addWidget(standings);
}

void MatchWindow::opened() {
    for (const auto& [index, track] : tracks) showGameRow(track);
    showSelectedGame();
    showStandings();
    showButtons();
}

void MatchWindow::showButtons() {
    if (!window()) return;
    settingsButton->setEnabled(!running());
    startButton->setEnabled(!running());
    stopButton->setEnabled(running() && runner->running());
}

void MatchWindow::chooseSettings() {
    if (running() || !MainWindow::exists()) return;
    editMatchChoice(window(), MainWindow::instance().engines().list(), choice);
}

void MatchWindow::startMatch() {
    if (running()) return;
    if (choice.settings.players.size() < 2) {
        chooseSettings();
        if (choice.settings.players.size() < 2) return;
    }
    tracks.clear();
    latest = -1;
    lastMessage.clear();
    if (games) games->clear();
    auto* r = new MatchRunner(choice.settings, qApp);
    QObject::connect(r, &MatchRunner::gameStarted, r, [this](int i, const QString& red, const QString& black) {
        gameStarted(i, red, black);
    });
    QObject::connect(r, &MatchRunner::movePlayed, r, [this](int i, const QString& m, qint64 red, qint64 black) {
        movePlayed(i, m, red, black);
    });
    QObject::connect(r, &MatchRunner::gameFinished, r, [this](int i, const QString& result, const QString& how) {
        gameFinished(i, result, how);
    });
    QObject::connect(r, &MatchRunner::standingsChanged, r, [this] { showStandings(); });
    QObject::connect(r, &MatchRunner::finished, r, [this] { matchFinished(); });
    QObject::connect(r, &MatchRunner::message, r, [this](const QString& text) {
        lastMessage = text;
        if (status) status->setText(text);
    });
    runner = r;
    QString problem;
    if (!r->start(&problem)) {
        runner = nullptr;
        delete r;
        ModalScope modal;
        QMessageBox::warning(window(), Texts::tr("提示"), problem);
        showButtons();
        return;
    }
    QString unread;
    openings.clear();
    const int rounds = (std::max(choice.settings.gamesPerPairing, 1) + 1) / 2;
    openingsKnown = loadOpenings(choice.settings, rounds, openings, unread);
    if (status) status->setText(Texts::tr("比赛开始，已有 %1 局在棋谱中").arg(r->resumedGames()));
    showStandings();
    showButtons();
}

void MatchWindow::stopMatch() {
    if (!running() || !runner->running()) return;
    runner->stop();
    if (status) status->setText(Texts::tr("正在停止，进行中的对局不记录……"));
    showButtons();
}

void MatchWindow::matchFinished() {
    showStandings();
    if (runner) runner->deleteLater();
    runner = nullptr;
    if (status)
        status->setText(lastMessage.isEmpty() ? Texts::tr("比赛结束")
                                              : Texts::tr("比赛结束（%1）").arg(lastMessage));
    showButtons();
}

void MatchWindow::gameStarted(int index, const QString& red, const QString& black) {
    MatchGameTrack& track = tracks[index];
    track.begin(index, red, black, startOf(index));
    latest = index;
    showGameRow(track);
    showSelectedGame();
}

std::optional<QString> MatchWindow::startOf(int index) const {
    if (!runner || !openingsKnown || index < 0 || index >= static_cast<int>(runner->schedule().size()))
        return std::nullopt;
    static const MatchOpening standardStart;
    const int number = runner->schedule()[static_cast<std::size_t>(index)].opening;
    if (!openings.empty() && (number < 0 || number >= static_cast<int>(openings.size()))) return std::nullopt;
    const MatchOpening& o = openings.empty() ? standardStart : openings[static_cast<std::size_t>(number)];
    // The opening's moves are played before the engines move; the runner
    // reports only the engines' moves.
    Board90 board = o.board;
    Side side = o.side;
    for (PackedMove m : o.moves) {
        playOnBoard(board, m);
        side = side == SIDE_RED ? SIDE_BLACK : SIDE_RED;
    }
    return QString::fromStdString(writeFen(board, side));
}

void MatchWindow::movePlayed(int index, const QString& move, qint64 redMs, qint64 blackMs) {
    const auto it = tracks.find(index);
    if (it == tracks.end()) return;
    it->second.addMove(move, redMs, blackMs);
    showGameRow(it->second);
    if (const MatchGameTrack* shown = shownGame(); shown && shown->index == index) showSelectedGame();
}

void MatchWindow::gameFinished(int index, const QString& result, const QString& termination) {
    const auto it = tracks.find(index);
    if (it == tracks.end()) return;
    it->second.finish(result, termination);
    showGameRow(it->second);
    if (const MatchGameTrack* shown = shownGame(); shown && shown->index == index) showSelectedGame();
}

void MatchWindow::showGameRow(const MatchGameTrack& t) {
    if (!games) return;
    QTreeWidgetItem* item = rowOf(games, t.index);
    if (!item) {
        item = new QTreeWidgetItem(games);
        item->setData(NUMBER, Qt::UserRole, t.index);
        item->setText(NUMBER, QString::number(t.index + 1));
        item->setText(RED, t.red);
        item->setText(BLACK, t.black);
    }
    item->setText(MOVES, QString::number(t.moves.size()));
    item->setText(RED_CLOCK, clockText(t.redClockMs));
    item->setText(BLACK_CLOCK, clockText(t.blackClockMs));
    item->setText(RESULT, t.running() ? Texts::tr("进行中") : t.result);
    item->setToolTip(RESULT, t.termination);
}

const MatchGameTrack* MatchWindow::shownGame() const {
    int index = latest;
    const auto* follow = window() ? window()->findChild<QCheckBox*>(QStringLiteral("follow")) : nullptr;
    if (follow && !follow->isChecked() && games && games->currentItem())
        index = games->currentItem()->data(NUMBER, Qt::UserRole).toInt();
    const auto it = tracks.find(index);
    return it == tracks.end() ? nullptr : &it->second;
}

void MatchWindow::showSelectedGame() {
    if (!window()) return;
    const MatchGameTrack* t = shownGame();
    board->showPosition(t && t->followed() ? &t->board() : nullptr);
    if (!t) {
        gameTitle->clear();
        moves->clear();
        return;
    }
    gameTitle->setText(Texts::tr("第 %1 局  红方 %2 － 黑方 %3  %4")
                           .arg(t->index + 1)
                           .arg(t->red, t->black, t->running() ? QString() : t->result + QLatin1Char(' ') + t->termination));
    moves->setPlainText(movesText(t->moves));
    moves->moveCursor(QTextCursor::End);
}

void MatchWindow::showStandings() {
    if (!runner) return;
    // The same table morlan-match prints: points, each pairing's Elo from
    // games and from pairs, and the SPRT (which stops the match itself).
    if (standings) standings->setPlainText(standingsText(runner->settings(), runner->standings()));
}

bool MatchWindow::mayEndMatch() {
    if (!running() || !runner->running()) return true;
    int answer = 0;
    {
        ModalScope modal;
        answer = QMessageBox::question(window(), Texts::tr("提示"),
                                       Texts::tr("比赛正在进行。停止比赛吗？已完成的对局保留在棋谱文件中。"));
    }
    if (answer != QMessageBox::Yes) return false;
    stopMatch();
    return true;
}

void MatchWindow::closeRequested() {
    if (mayEndMatch()) close();
}
