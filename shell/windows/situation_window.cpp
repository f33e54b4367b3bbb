#include "shell/platform/shown_text.h"
#include "shell/windows/situation_window.h"

#include <QDialog>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <utility>

#include "engine/board_move.h"
#include "engine/engine.h"
#include "game/game.h"
#include "game/iteration_feed.h"
#include "game/score_scale.h"
#include "game/rules.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/windows/dialog_units.h"
#include "shell/windows/engine_lines_panel.h"
#include "engines/engine_list.h"
#include "engines/engine_roster.h"
#include "engines/engine_session.h"
#include "shell/windows/eval_bar.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/menu_resources.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/qt_text.h"
#include "shell/windows/move_texts.h"

namespace {

constexpr DialogTemplate SITUATION_TEMPLATE{126, QT_TRANSLATE_NOOP("Texts", "局势"), 175, 230};
// With an outside engine at work its lines take a column beside the rest.
constexpr int LINES_PANEL_X = 174;
constexpr int LINES_PANEL_WIDTH = 200;
constexpr const char* UNKNOWN_VERDICT = QT_TRANSLATE_NOOP("Texts", "局势未知");

// By Verdict.
constexpr const char* VERDICT_TEXTS[] = {QT_TRANSLATE_NOOP("Texts", "黑方必胜"), QT_TRANSLATE_NOOP("Texts", "黑方胜势"), QT_TRANSLATE_NOOP("Texts", "黑方优势"), QT_TRANSLATE_NOOP("Texts", "双方均势"), QT_TRANSLATE_NOOP("Texts", "红方优势"), QT_TRANSLATE_NOOP("Texts", "红方胜势"), QT_TRANSLATE_NOOP("Texts", "红方必胜")};

Game& game() { return Game::instance(); }

std::uint64_t keyOf(const std::uint32_t key[2]) { return static_cast<std::uint64_t>(key[1]) << 32 | key[0]; }

bool isZero(const PonderExport& p) {
    return p.limits.flags == 0 && p.limits.depth == 0 && p.limits.seconds == 0 && keyOf(p.keyBefore) == 0;
}

}  // namespace

const char* verdictText(int s) { return VERDICT_TEXTS[static_cast<int>(verdictOf(s))]; }

SituationWindow& SituationWindow::instance() {
    static SituationWindow window;
    return window;
}

SituationWindow::SituationWindow() : ToolWindow(SITUATION_TEMPLATE, false) {}

void SituationWindow::createControls() {
    addGroup(QT_TRANSLATE_NOOP("Texts", "基本"), 7, 7, 160, 29);
    auto* bar = new EvalBar(parentForControls());
    placeControl(bar, IDC_EVAL_BAR, 17, 22, 97, 5);
    bar->setScore(analysis.score);
    addStatic(IDC_VERDICT, UNKNOWN_VERDICT, 124, 21, 33, 8);
    addGroup(QT_TRANSLATE_NOOP("Texts", "主要变化"), 7, 41, 160, 109);
    addMoveList(IDC_VARIATION_LIST, IDC_VARIATION_SCROLL, 15, 53, 143, 73, 132,
                {[this](int row, int column) { doubleClicked(row, column); },
                 [this](QPoint at) { contextMenu(at); },
                 [this](int action, int position, bool held) { scrollAction(action, position, held); },
                 [this] { scrollReleased(); }});
    addGroup(QT_TRANSLATE_NOOP("Texts", "后台思考"), 7, 155, 160, 49);
    addStatic(0, QT_TRANSLATE_NOOP("Texts", "猜测着法"), 25, 170);
    addStatic(0, QT_TRANSLATE_NOOP("Texts", "应对着法"), 25, 186);
    for (int id : {IDC_GUESSED_MOVE, IDC_PREPARED_REPLY}) {
        QLineEdit* edit = addEdit(id, 74, id == IDC_GUESSED_MOVE ? 168 : 184, 67, 12);
        edit->setReadOnly(true);
    }
    addButton(ID_OK, QT_TRANSLATE_NOOP("Texts", "关闭"), 68, 210, 38, 14, true);
    // The engine lines: the built-in engine's analysis shows there as an outside one's.
    window()->setFixedSize(
        dialogUnits().toPixels(SITUATION_TEMPLATE.width + LINES_PANEL_WIDTH, SITUATION_TEMPLATE.height));
    auto* panel = new EngineLinesPanel(parentForControls(),
                                       {[this](int line) { chooseOutsideLine(line); },
                                        [](int count) {
                                            if (MainWindow::exists()) MainWindow::instance().engines().setAnalysisLines(count);
                                        }});
    placeControl(panel, IDC_ENGINE_LINES, LINES_PANEL_X, 7, LINES_PANEL_WIDTH - 7, SITUATION_TEMPLATE.height - 14);
}

EngineLinesPanel* SituationWindow::linesPanel() const { return control<EngineLinesPanel>(IDC_ENGINE_LINES); }

bool SituationWindow::onInitialise() {
    ToolWindow::onInitialise();
    if (auto* close = control<QPushButton>(ID_OK)) close->setFocus();
    analysisShown = ponderShown = SHOWN_NONE;
    step_ = 0;
    tracking = false;
    texts.clear();
    outside.dirty = outside.valid;
    idle();
    return false;
}

void SituationWindow::onCommand(int id, int code) {
    if (id == CMD_RESTORE_PV) {
        applyStep(0);
        updateScrollBar();
        return;
    }
    ToolWindow::onCommand(id, code);
}

void SituationWindow::onDestroy() {
    // Whatever the view shows goes back to the game's position, previewed
    // step or not; the set-up's own board stays where it is.
    if (!game().isSetupOpen() && !(MainWindow::exists() && MainWindow::instance().isAnimating())) restoreBoard();
    step_ = 0;
}

void SituationWindow::restoreBoard() {
    if (!MainWindow::exists()) return;
    MainWindow::instance().boardView().showPosition(game().board(), game().sideToMove());
}

// --------------------------------------------------------------- new data

void SituationWindow::setSearchResult(const SearchResult* r, int first) {
    if (!r) {
        analysis.valid = false;
        analysis.key = 0;
        dropOutsideLines();
        return;
    }
    // The built-in engine's own lines go on showing beside its result.
    if (!outside.builtIn) dropOutsideLines();
    const Game& g = game();
    Engine& rules = plainEngine();
    rules.setPosition(g.board(), g.sideToMove());
    analysis.key = rules.getHashKey();
    analysis.valid = true;
    analysis.score = r->score;
    analysis.board = g.board();
    analysis.side = g.sideToMove();
    analysis.variation.clear();
    const int n = r->iterations;
    if (n > 1 && n <= static_cast<int>(std::size(r->lines))) {
        const SearchResultLine& line = r->lines[n - 1];
        const int end = std::min<int>(line.length, r->depth);
        for (int i = std::max(first, 0); i < end; ++i) analysis.variation.push_back(line.moves[i]);
    }
    analysisShown = SHOWN_NEW;
}

void SituationWindow::setBuiltInLines(const IterationReport& report) {
    outside.valid = true;
    outside.builtIn = true;
    outside.points = report.score;
    outside.engine = QString::fromLatin1(BUILT_IN_ENGINE_NAME);
    outside.lines.assign(1, builtInEngineInfo(report));
    outside.board = game().board();
    outside.side = game().sideToMove();
    outside.skip = 0;
    outside.count = outside.maxLines = 1;
    outside.dirty = true;
    outside.key = game().positionKey();
    takeOutsideLine();
}

void SituationWindow::setOutsideLines(const EngineSession& s, int skip) {
    outside.valid = true;
    outside.builtIn = false;
    outside.engine = s.name();
    outside.lines = s.lines();
    outside.board = s.searchedBoard();
    outside.side = s.searchedSide();
    outside.skip = skip;
    outside.count = s.lineCount();
    outside.maxLines = s.maxLines();
    outside.dirty = true;
    outside.key = game().positionKey();
    takeOutsideLine();
}

void SituationWindow::dropOutsideLines() {
    if (!outside.valid && outside.lines.empty()) return;
    outside.valid = outside.builtIn = false;
    outside.lines.clear();
    outside.dirty = true;
}

void SituationWindow::chooseOutsideLine(int i) {
    outside.chosen = std::max(i, 0);
    if (!outside.valid) return;
    takeOutsideLine();
    idle();
}

void SituationWindow::takeOutsideLine() {
    if (outside.lines.empty() || outside.lines[0].pv.empty()) return;
    const int chosen = std::min<int>(outside.chosen, static_cast<int>(outside.lines.size()) - 1);
    const EngineInfo& line = outside.lines[static_cast<std::size_t>(outside.lines[chosen].pv.empty() ? 0 : chosen)];
    const Game& g = game();
    Engine& rules = plainEngine();
    rules.setPosition(g.board(), g.sideToMove());
    analysis.key = rules.getHashKey();
    analysis.valid = true;
    analysis.score = static_cast<std::int16_t>(outside.builtIn ? outside.points : outsideScore(outside.lines[0]));
    analysis.board = g.board();
    analysis.side = g.sideToMove();
    const std::vector<PackedMove> before = analysis.variation;
    analysis.variation.clear();
    // After the engine's move the line goes on from the board, if the move played was its first.
    const RecordEntry* last = g.recordEntry(g.moveCount() - 1);
    const bool fits = outside.skip == 0 || (last && !line.pv.empty() && line.pv[0] == last->move);
    if (fits) analysis.variation.assign(line.pv.begin() + std::min<std::size_t>(outside.skip, line.pv.size()), line.pv.end());
    // A step being looked at stays while the line still begins with it.
    const bool samePrefix = step_ > 0 && step_ <= static_cast<int>(analysis.variation.size()) &&
                            static_cast<int>(before.size()) >= step_ &&
                            std::equal(before.begin(), before.begin() + step_, analysis.variation.begin());
    stepToKeep = samePrefix ? step_ : 0;
    analysisShown = SHOWN_NEW;
}

void SituationWindow::setPonderRecord(const PonderExport* record) {
    ponder.valid = record && !isZero(*record);
    ponder.record = ponder.valid ? *record : PonderExport{};
    ponderShown = SHOWN_NEW;
}

void SituationWindow::notationChanged() {
    // Written again on the next idle pass, the step looked at kept.
    if (analysisShown == SHOWN_DATA) {
        stepToKeep = step_;
        analysisShown = SHOWN_NEW;
    }
    if (ponderShown == SHOWN_DATA) ponderShown = SHOWN_NEW;
    outside.dirty = true;
}

void SituationWindow::reset() {
    analysis.score = 0;
    if (auto* bar = control<EvalBar>(IDC_EVAL_BAR)) bar->setScore(0);
}

void SituationWindow::idle() {
    if (!isOpen()) return;
    if (MainWindow::exists() && MainWindow::instance().isAnimating()) return;
    // While set-up is open the key is 0, and nothing stored belongs to it.
    const std::uint64_t k = game().positionKey();
    if (k != 0 && analysis.valid && k == analysis.key) {
        if (analysisShown != SHOWN_DATA) showResult();
        analysisShown = SHOWN_DATA;
    } else {
        if (analysisShown != SHOWN_UNKNOWN) showUnknown();
        analysisShown = SHOWN_UNKNOWN;
    }
    // The engines' lines go with the position they were found for.
    if (outside.valid && k != outside.key) dropOutsideLines();
    if (outside.dirty) showOutside();
    if (k != 0 && ponder.valid && k == keyOf(ponder.record.keyBefore)) {
        if (ponderShown != SHOWN_DATA) showGuess();
        ponderShown = SHOWN_DATA;
    } else {
        if (ponderShown != SHOWN_UNKNOWN) clearGuess();
        ponderShown = SHOWN_UNKNOWN;
    }
}

// --------------------------------------------------------------- displays

void SituationWindow::showResult() {
    if (auto* bar = control<EvalBar>(IDC_EVAL_BAR)) bar->setScore(analysis.score);
    if (auto* verdict = control<QLabel>(IDC_VERDICT)) verdict->setText(shownText(verdictText(analysis.score)));
    fillVariation();
    step_ = 0;
    applyStep(std::exchange(stepToKeep, 0));
    updateScrollBar();
}

void SituationWindow::showOutside() {
    outside.dirty = false;
    EngineLinesPanel* panel = linesPanel();
    if (!panel) return;
    panel->setChosenLine(outside.chosen);
    panel->show(outside.engine, outside.lines, outside.board, outside.side, outside.count, outside.maxLines);
}

void SituationWindow::showUnknown() {
    if (auto* verdict = control<QLabel>(IDC_VERDICT)) verdict->setText(shownText(UNKNOWN_VERDICT));
    if (auto* list = control<QTreeWidget>(IDC_VARIATION_LIST)) list->clear();
    texts.clear();
    // No variation, no step: 还原 has nothing to go back from.
    step_ = 0;
    if (auto* scroll = control<QScrollBar>(IDC_VARIATION_SCROLL)) scroll->setEnabled(false);
}

void SituationWindow::showGuess() {
    const Board90& board = game().board();
    const PackedMove guess = ponder.record.guessedMove;
    Board90 after = board;
    playOnBoard(after, guess);
    if (auto* e = control<QLineEdit>(IDC_GUESSED_MOVE)) e->setText(toQt(MoveTexts::instance().text(board, guess)));
    if (auto* e = control<QLineEdit>(IDC_PREPARED_REPLY)) {
        e->setText(guess != 0 ? toQt(MoveTexts::instance().text(after, ponder.record.preparedReply)) : QString());
    }
}

void SituationWindow::clearGuess() {
    if (auto* e = control<QLineEdit>(IDC_GUESSED_MOVE)) e->clear();
    if (auto* e = control<QLineEdit>(IDC_PREPARED_REPLY)) e->clear();
}

void SituationWindow::fillVariation() {
    auto* list = control<QTreeWidget>(IDC_VARIATION_LIST);
    if (!list) return;
    list->clear();
    texts.clear();
    Board90 board = analysis.board;
    for (std::size_t i = 0; i < analysis.variation.size(); ++i) {
        const PackedMove m = analysis.variation[i];
        texts.push_back(MoveTexts::instance().text(board, m));
        if (i % 2 == 0) {
            auto* item = new QTreeWidgetItem(list);
            item->setText(0, QString::number(static_cast<int>(i / 2 + 1)));
        }
        setCell(static_cast<int>(i), false);
        playOnBoard(board, m);
    }
}

void SituationWindow::setCell(int i, bool mark) {
    auto* list = control<QTreeWidget>(IDC_VARIATION_LIST);
    if (!list || i < 0 || i >= static_cast<int>(texts.size())) return;
    QTreeWidgetItem* item = list->topLevelItem(i / 2);
    if (!item) return;
    item->setText(1 + i % 2, toQt(mark ? texts[i] + '*' : texts[i]));
    if (mark) list->scrollToItem(item);
}

// -------------------------------------------------------------- stepping

void SituationWindow::applyStep(int t) {
    if (step_ > 0) setCell(step_ - 1, false);
    step_ = t;
    if (t > 0) setCell(t - 1, true);
    if (game().isSetupOpen() || !MainWindow::exists()) return;
    Board90 board = analysis.board;
    Side side = analysis.side;
    for (int i = 0; i < t && i < static_cast<int>(analysis.variation.size()); ++i) {
        playOnBoard(board, analysis.variation[i]);
        side ^= 1;
    }
    MainWindow::instance().boardView().showPosition(board, side);
}

void SituationWindow::updateScrollBar() {
    auto* scroll = control<QScrollBar>(IDC_VARIATION_SCROLL);
    if (!scroll || tracking) return;
    // The variation as the list shows it: empty while "unknown" is shown.
    const int length = static_cast<int>(texts.size());
    scroll->setRange(0, length);
    scroll->setPageStep(1);
    scroll->setValue(step_);
    scroll->setEnabled(length > 0);
}

void SituationWindow::doubleClicked(int row, int column) {
    const int target = 2 * row + column;
    if (row < 0 || column < 0 || target > static_cast<int>(texts.size()) || target == step_) return;
    applyStep(target);
    updateScrollBar();
}

void SituationWindow::scrollAction(int action, int sliderPosition, bool thumbHeld) {
    // Only a thumb held down is a drag; a wheel notch is a move and done.
    tracking = action == QAbstractSlider::SliderMove && thumbHeld;
    const int target = pagedStep(action, step_, sliderPosition, static_cast<int>(texts.size()));
    if (target != step_) applyStep(target);
    updateScrollBar();
}

void SituationWindow::scrollReleased() {
    tracking = false;
    updateScrollBar();
}

void SituationWindow::contextMenu(QPoint at) {
    if (step_ == 0) return;
    QMenu* menu = MenuResources::instance().pvMenu();
    QAction* chosen = nullptr;
    {
        ModalScope modal;
        chosen = menu->exec(at);
    }
    if (chosen && chosen->data().toInt() == CMD_RESTORE_PV) onCommand(CMD_RESTORE_PV, NOTIFY_CLICKED);
}
