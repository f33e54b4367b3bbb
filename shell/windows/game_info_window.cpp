#include "shell/windows/game_info_window.h"

#include <QAction>
#include <QDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTreeWidget>

#include "engine/board_move.h"
#include "game/game.h"
#include "game/notation.h"
#include "game/review_comment.h"
#include "game/rules.h"
#include "review/review_session.h"
#include "shell/main_window/clipboard_text.h"
#include "shell/main_window/command_ids.h"
#include "shell/windows/gbk_text_limit.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/menu_resources.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/qt_text.h"
#include "shell/windows/move_texts.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr DialogTemplate INFO_TEMPLATE{110, QT_TRANSLATE_NOOP("Texts", "棋局信息"), 304, 224};

// The five single-line edits, in the order of GameInfo's texts.
constexpr int INFO_EDITS[] = {IDC_RED_PLAYER, IDC_BLACK_PLAYER, IDC_DATE, IDC_PLACE, IDC_RESULT};

struct EditPlace {
    int id;
    const char* label;
    int labelX;
    int y;
};

constexpr EditPlace EDIT_PLACES[] = {
    {IDC_RED_PLAYER, QT_TRANSLATE_NOOP("Texts", "红方"), 13, 20}, {IDC_BLACK_PLAYER, QT_TRANSLATE_NOOP("Texts", "黑方"), 13, 36}, {IDC_DATE, QT_TRANSLATE_NOOP("Texts", "日期"), 14, 52},
    {IDC_PLACE, QT_TRANSLATE_NOOP("Texts", "地点"), 14, 68},      {IDC_RESULT, QT_TRANSLATE_NOOP("Texts", "结果"), 14, 84},
};

Game& game() { return Game::instance(); }

// The notes and comments keep their line breaks as CR LF, as the game
// files carry them; the box shows plain line feeds.
std::string storedNotes(const QString& shown) {
    QString text = shown;
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return fromQt(text);
}

QString shownNotes(const std::string& stored) {
    QString text = toQt(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The limit of the notes box, with each line break counted as its two bytes.
QString limitNotes(const QString& before, const QString& after, int* cursor) {
    QString b = before;
    QString a = after;
    b.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    a.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    int at = -1;
    QString kept = limitGbkEdit(b, a, NOTES_TEXT_LIMIT, &at);
    if (at >= 0) at -= static_cast<int>(kept.left(at).count(QLatin1Char('\r')));
    *cursor = at;
    kept.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return kept;
}

// The record list's own keys, before the list or the window sees them.
class RecordKeys final : public QObject {
public:
    RecordKeys(QObject* parent, std::function<bool(int)> handle) : QObject(parent), handle(std::move(handle)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && handle(static_cast<QKeyEvent*>(event)->key())) return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(int)> handle;
};

}  // namespace

GameInfoWindow& GameInfoWindow::instance() {
    static GameInfoWindow window;
    return window;
}

GameInfoWindow::GameInfoWindow() : ToolWindow(INFO_TEMPLATE, false) {}

void GameInfoWindow::createControls() {
    addGroup(QT_TRANSLATE_NOOP("Texts", "基本信息"), 7, 8, 128, 96);
    for (const EditPlace& p : EDIT_PLACES) {
        addStatic(0, p.label, p.labelX, p.y + 2);
        addEdit(p.id, 36, p.y, 92, 12);
    }
    addGroup(QT_TRANSLATE_NOOP("Texts", "备注"), 7, 111, 128, 89);
    auto* notes = new QPlainTextEdit(parentForControls());
    placeControl(notes, IDC_NOTES, 13, 123, 115, 70);
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notes->setTabChangesFocus(true);
    QObject::connect(notes, &QPlainTextEdit::textChanged, notes, [this] { notesChanged(); });

    addGroup(QT_TRANSLATE_NOOP("Texts", "棋谱"), 142, 8, 155, 192);
    QTreeWidget* list =
        addMoveList(IDC_RECORD_LIST, IDC_RECORD_SCROLL, 149, 20, 140, 100, 123,
                    {[this](int row, int column) { doubleClicked(row, column); },
                     [this](QPoint at) { contextMenu(at); },
                     [this](int action, int position, bool held) { scrollAction(action, position, held); },
                     [this] { scrollReleased(); }});
    // The bar leaves room for the buttons to the start and the end of the line.
    placeControl(control<QScrollBar>(IDC_RECORD_SCROLL), IDC_RECORD_SCROLL, 164, 123, 110, 11);
    addButton(IDC_FIRST_MOVE, "|<", 149, 123, 14, 11);
    addButton(IDC_LAST_MOVE, ">|", 275, 123, 14, 11);
    QTreeWidget* choiceList = addReportList(IDC_MOVE_CHOICES, 149, 138, 140, 56, {{QT_TRANSLATE_NOOP("Texts", "变着"), 180}});
    choices = std::make_unique<MoveChoiceList>(choiceList);
    QObject::connect(choiceList, &QTreeWidget::itemClicked, choiceList, [this, choiceList](QTreeWidgetItem* item) {
        enterChoice(choiceList->indexOfTopLevelItem(item));
    });
    choiceList->installEventFilter(new RecordKeys(choiceList, [this](int key) { return recordKey(key); }));
    // One click on a move goes to it, as a double-click does.
    QObject::connect(list, &QTreeWidget::itemClicked, list, [this, list](QTreeWidgetItem* item, int column) {
        doubleClicked(list->indexOfTopLevelItem(item), column);
    });
    list->installEventFilter(new RecordKeys(list, [this](int key) { return recordKey(key); }));
    addButton(IDC_COPY_RECORD, QT_TRANSLATE_NOOP("Texts", "复制棋谱"), 199, 205, 40, 14);
    addButton(ID_CANCEL, QT_TRANSLATE_NOOP("Texts", "关闭"), 247, 205, 40, 14, true);
}

bool GameInfoWindow::onInitialise() {
    ToolWindow::onInitialise();
    if (auto* close = control<QPushButton>(ID_CANCEL)) close->setFocus();
    fillControls();
    shown.clear();
    marked = 0;
    refreshedPly = 0;
    notesPly = 0;
    tracking = false;
    idle();
    return false;
}

void GameInfoWindow::onCommand(int id, int code) {
    if (id == IDC_COPY_RECORD || id == CMD_COPY_RECORD) {
        if (code == NOTIFY_CLICKED) copyRecord();
        return;
    }
    if (id == IDC_FIRST_MOVE || id == IDC_LAST_MOVE) {
        if (code == NOTIFY_CLICKED) recordKey(id == IDC_FIRST_MOVE ? Qt::Key_Home : Qt::Key_End);
        return;
    }
    if (code == NOTIFY_CHANGE && textOf(id)) {
        editChanged(id);
        return;
    }
    ToolWindow::onCommand(id, code);
}

// ------------------------------------------------------------- the texts

std::string* GameInfoWindow::textOf(int id) {
    switch (id) {
    case IDC_RED_PLAYER: return &info_.redPlayer;
    case IDC_BLACK_PLAYER: return &info_.blackPlayer;
    case IDC_DATE: return &info_.date;
    case IDC_PLACE: return &info_.place;
    case IDC_RESULT: return &info_.result;
    default: return nullptr;
    }
}

void GameInfoWindow::setInfo(const GameInfo& info) {
    info_ = info;
    fillControls();
    // The notes box is filled again at the next idle step, once the record
    // it may belong to is in place.
    refreshedPly = -1;
}

void GameInfoWindow::setResultText(const std::string& text) {
    info_.result = text;
    if (auto* edit = control<QLineEdit>(IDC_RESULT)) edit->setText(toQt(text));
}

void GameInfoWindow::fillControls() {
    if (!isOpen()) return;
    for (int id : INFO_EDITS) {
        if (auto* edit = control<QLineEdit>(id)) edit->setText(toQt(*textOf(id)));
    }
    showNotes();
}

void GameInfoWindow::editChanged(int id) {
    auto* edit = control<QLineEdit>(id);
    std::string* stored = textOf(id);
    if (!edit || !stored) return;
    int cursor = -1;
    const QString kept = limitGbkEdit(toQt(*stored), edit->text(), INFO_TEXT_LIMIT, &cursor);
    if (kept != edit->text()) {
        edit->setText(kept);
        edit->setCursorPosition(cursor);
    }
    const std::string text = fromQt(kept);
    if (text == *stored) return;
    *stored = text;
    game().setModified(true);
}

// Ply 0 shows the game's notes; ply n the comment of the n-th move.
void GameInfoWindow::showNotes() {
    auto* box = control<QPlainTextEdit>(IDC_NOTES);
    if (!box) return;
    notesPly = game().moveCount();
    const RecordEntry* e = game().recordEntry(notesPly - 1);
    const std::string& text = notesPly == 0 || !e ? info_.notes : e->comment;
    filling = true;
    box->setPlainText(shownNotes(text));
    filling = false;
}

void GameInfoWindow::notesChanged() {
    if (filling) return;
    auto* box = control<QPlainTextEdit>(IDC_NOTES);
    if (!box) return;
    const RecordEntry* e = notesPly > 0 ? game().recordEntry(notesPly - 1) : nullptr;
    if (notesPly > 0 && !e) return;
    const std::string stored = e ? e->comment : info_.notes;
    const QString typed = box->toPlainText();
    int cursor = -1;
    const QString kept = limitNotes(shownNotes(stored), typed, &cursor);
    if (kept != typed) {
        filling = true;
        box->setPlainText(kept);
        QTextCursor c = box->textCursor();
        c.setPosition(cursor);
        box->setTextCursor(c);
        filling = false;
    }
    const std::string text = storedNotes(kept);
    if (text == stored) return;
    if (e) game().setComment(notesPly - 1, text);
    else info_.notes = text;
    game().setModified(true);
}

// ------------------------------------------------------------- the record

void GameInfoWindow::idle() {
    if (!isOpen()) return;
    const int before = static_cast<int>(shown.size());
    syncList();
    if (game().moveCount() != refreshedPly || before != game().recordSize()) {
        refreshedPly = game().moveCount();
        moveMark(refreshedPly);
        updateScrollBar();
        showNotes();
    }
    const Game& g = game();
    if (choices) choices->follow(g.tree(), g.currentNode(), g.board(), g.lineNode(g.moveCount()));
}

void GameInfoWindow::syncList() {
    auto* list = control<QTreeWidget>(IDC_RECORD_LIST);
    if (!list) return;
    const Game& g = game();
    const int size = g.recordSize();
    // Another start position (set-up, an opened file) makes every text new.
    // So does another notation, the mark staying where it is.
    const bool newStart = g.startBoard() != shownStart || g.startSide() != shownStartSide;
    if (newStart || MoveTexts::instance().notation() != shownNotation) {
        shown.clear();
        list->clear();
        if (newStart) marked = 0;
        shownStart = g.startBoard();
        shownStartSide = g.startSide();
        shownNotation = MoveTexts::instance().notation();
    }
    if (static_cast<int>(shown.size()) > size) {
        shown.resize(static_cast<std::size_t>(size / 2 * 2));
        while (list->topLevelItemCount() > size / 2) delete list->takeTopLevelItem(size / 2);
        if (marked > static_cast<int>(shown.size())) marked = 0;
    }
    Board90 board = g.startBoard();
    // Once one move differs, the positions after it do too: every later
    // text is written again.
    bool rewrite = false;
    for (int i = 0; i < size; ++i) {
        const RecordEntry& e = *g.recordEntry(i);
        const bool known = i < static_cast<int>(shown.size());
        const std::string_view review = markSuffix(reviewMarkOf(e.comment));
        if (!known || rewrite || shown[i].move != e.move || shown[i].captured != e.captured ||
            shown[i].review != review) {
            rewrite = rewrite || !known || shown[i].move != e.move || shown[i].captured != e.captured;
            const Shown s{e.move, e.captured, MoveTexts::instance().text(board, e.move), review};
            if (known) {
                shown[i] = s;
            } else {
                shown.push_back(s);
            }
            writeCell(i);
        }
        playOnBoard(board, e.move);
    }
}

void GameInfoWindow::writeCell(int ply) {
    auto* list = control<QTreeWidget>(IDC_RECORD_LIST);
    if (!list) return;
    const int row = ply / 2;
    if (ply % 2 == 0 && list->topLevelItemCount() <= row) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, QString::number(row + 1));
    }
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (!item) return;
    std::string text = shown[ply].text;
    text += shown[ply].review;
    if (ply == marked - 1) text += '*';
    item->setText(1 + ply % 2, toQt(text));
}

void GameInfoWindow::moveMark(int ply) {
    auto* list = control<QTreeWidget>(IDC_RECORD_LIST);
    if (!list) return;
    const int old = marked;
    marked = ply;
    if (old > 0 && old <= static_cast<int>(shown.size())) writeCell(old - 1);
    if (ply > 0 && ply <= static_cast<int>(shown.size())) {
        writeCell(ply - 1);
        if (QTreeWidgetItem* item = list->topLevelItem((ply - 1) / 2)) list->scrollToItem(item);
    } else if (QTreeWidgetItem* first = list->topLevelItem(0)) {
        list->scrollToItem(first);
    }
}

void GameInfoWindow::updateScrollBar() {
    auto* bar = control<QScrollBar>(IDC_RECORD_SCROLL);
    if (!bar || tracking) return;
    const int size = game().recordSize();
    bar->setRange(0, size);
    bar->setPageStep(1);
    bar->setValue(game().moveCount());
    bar->setEnabled(size > 0);
}

void GameInfoWindow::scrollAction(int action, int sliderPosition, bool thumbHeld) {
    // Only a thumb held down is a drag; a wheel notch is a move and done.
    tracking = action == QAbstractSlider::SliderMove && thumbHeld;
    const int ply = game().moveCount();
    const int target = pagedStep(action, ply, sliderPosition, game().recordSize());
    if (target == ply) {
        updateScrollBar();
        return;
    }
    game().finishAnimation();
    game().stopThinking();
    if (game().goToPly(target)) game().setModified(true);
    game().shell().syncView();
    idle();
    updateScrollBar();
}

void GameInfoWindow::scrollReleased() {
    tracking = false;
    updateScrollBar();
}

void GameInfoWindow::commentsChanged() { refreshedPly = -1; }

void GameInfoWindow::doubleClicked(int row, int column) {
    const int target = 2 * row + column;
    if (column < 0 || row < 0 || target > game().recordSize() || target == marked) return;
    goTo(target);
}

void GameInfoWindow::goTo(int target) {
    game().finishAnimation();
    game().stopThinking();
    if (game().goToPly(target)) game().setModified(true);
}

// Home and End go to the start and the end of the line; Enter goes to the
// move under the cursor instead of closing the window; Left steps back and
// Right steps on: along the line, or where alternatives are listed, into
// the one Up and Down chose.
bool GameInfoWindow::recordKey(int key) {
    const Game& g = game();
    const bool choosing = choices && choices->count() > 1;
    switch (key) {
    case Qt::Key_Home: goTo(0); break;
    case Qt::Key_End: goTo(g.recordSize()); break;
    case Qt::Key_Left: goTo(std::max(0, g.moveCount() - 1)); break;
    case Qt::Key_Right:
        if (choosing) {
            enterChoice(choices->chosen());
            return true;
        }
        goTo(std::min(g.recordSize(), g.moveCount() + 1));
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!choosing) return false;
        choices->step(key == Qt::Key_Up ? -1 : 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        auto* list = control<QTreeWidget>(IDC_RECORD_LIST);
        if (list && list->currentItem())
            doubleClicked(list->indexOfTopLevelItem(list->currentItem()), std::max(1, list->currentColumn()));
        break;
    }
    default: return false;
    }
    game().shell().syncView();
    idle();
    return true;
}

// Steps into the alternative at place; one that leaves the line shown waits
// until no review holds the record.
void GameInfoWindow::enterChoice(int place) {
    Game& g = game();
    const int node = g.tree().child(g.currentNode(), place);
    if (node == MoveTree::NONE || (node != g.lineNode(g.moveCount()) && lineChangeRefused())) return;
    g.finishAnimation();
    g.stopThinking();
    g.enterVariation(place);
    g.setModified(true);
    g.shell().syncView();
    idle();
}

bool GameInfoWindow::lineChangeRefused() const { return game().refuseRecordChange(); }

// The menu on a move: copying the record, the move's alternatives (the
// main one first; choosing one shows its line), and the tree edits.
void GameInfoWindow::contextMenu(QPoint at) {
    if (shown.empty()) return;
    auto* list = control<QTreeWidget>(IDC_RECORD_LIST);
    const QPoint local = list ? list->viewport()->mapFromGlobal(at) : QPoint();
    QTreeWidgetItem* item = list ? list->itemAt(local) : nullptr;
    const int column = list ? list->columnAt(local.x()) : 0;
    const int ply = item && column > 0 ? 2 * list->indexOfTopLevelItem(item) + column - 1 : -1;
    Game& g = game();
    const int node = ply >= 0 ? g.lineNode(ply) : MoveTree::NONE;
    QMenu menu;
    QAction* copy = menu.addAction(Texts::tr("复制棋谱(&C)"));
    std::vector<std::pair<QAction*, int>> alternatives;
    QAction *promote = nullptr, *makeMain = nullptr, *remove = nullptr, *comment = nullptr;
    if (node != MoveTree::NONE && node != MoveTree::ROOT) {
        const MoveTree& t = g.tree();
        Board90 board = g.startBoard();
        for (int i = 0; i < ply; ++i) playOnBoard(board, g.recordEntry(i)->move);
        if (t.childCount(t.parent(node)) > 1) {
            menu.addSeparator();
            for (int c = t.firstChild(t.parent(node)); c != MoveTree::NONE; c = t.nextSibling(c)) {
                QAction* a = menu.addAction(toQt(MoveTexts::instance().text(board, t.move(c))));
                a->setCheckable(true);
                a->setChecked(c == node);
                alternatives.emplace_back(a, c);
            }
        }
        menu.addSeparator();
        promote = menu.addAction(shownGbk(GBK_PROMOTE_VARIATION));
        promote->setEnabled(t.placeAmongSiblings(node) > 0);
        makeMain = menu.addAction(shownGbk(GBK_MAKE_MAIN_LINE));
        makeMain->setEnabled(t.mainLine().size() < static_cast<std::size_t>(t.depth(node)) ||
                             t.mainLine()[static_cast<std::size_t>(t.depth(node) - 1)] != node);
        remove = menu.addAction(shownGbk(GBK_DELETE_VARIATION));
        remove->setEnabled(t.placeAmongSiblings(node) > 0);
        comment = menu.addAction(shownGbk(GBK_EDIT_COMMENT));
    }
    QAction* chosen = nullptr;
    {
        ModalScope modal;
        chosen = menu.exec(at);
    }
    if (!chosen) return;
    if (chosen == copy) return onCommand(CMD_COPY_RECORD, NOTIFY_CLICKED);
    if (chosen != comment && lineChangeRefused()) return;
    g.finishAnimation();
    g.stopThinking();
    bool changed = chosen == comment;
    for (const auto& [a, n] : alternatives)
        if (chosen == a) changed = g.goToNode(n);
    if (chosen == promote) changed = g.promoteVariation(node);
    if (chosen == makeMain) changed = g.makeMainLine(node);
    if (chosen == remove) changed = g.removeVariation(node);
    if (chosen == comment) {
        bool ok = false;
        QString text;
        {
            ModalScope modal;
            text = QInputDialog::getMultiLineText(parentForControls(), shownGbk(GBK_EDIT_COMMENT), QString(),
                                                  toQt(g.tree().comment(node)), &ok);
        }
        if (ok) g.setNodeComment(node, fromQt(text));
        commentsChanged();
    }
    if (changed) g.setModified(true);
    g.shell().syncView();
    g.shell().refreshCommands();
    idle();
}

void GameInfoWindow::copyRecord() {
    const Game& g = game();
    std::vector<PackedMove> moves;
    moves.reserve(static_cast<std::size_t>(g.recordSize()));
    for (int i = 0; i < g.recordSize(); ++i) moves.push_back(g.recordEntry(i)->move);
    std::string text(RECORD_TEXT_CAPACITY, '\0');
    formatRecord(g.startBoard(), moves.data(), static_cast<int>(moves.size()), text.data(), text.size());
    text.resize(std::char_traits<char>::length(text.c_str()));
    copyTextToClipboard(text);
}
