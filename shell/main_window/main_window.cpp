#include "shell/main_window/main_window.h"

#include "shell/dialogs/match_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QTimer>
#include <climits>

#include "engine/engine.h"
#include "resources/resources.h"
#include "game/game.h"
#include "game/gbk.h"
#include "shell/main_window/app.h"
#include "shell/board/bitmap_set.h"
#include "shell/board/board_fit.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/windows/move_texts.h"
#include "shell/windows/engine_log_window.h"
#include "engines/engine_roster.h"
#include "shell/windows/keep_on_screen.h"
#include "shell/main_window/menu_resources.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/interface_language.h"
#include "shell/platform/qt_text.h"
#include "review/review_session.h"
#include "shell/windows/setup_window.h"
#include "shell/windows/situation_window.h"
#include "shell/windows/game_info_window.h"
#include "shell/dialogs/review_progress_window.h"
#include "shell/dialogs/score_graph_window.h"
#include "shell/platform/sound_set.h"
#include "shell/platform/shown_text.h"

namespace {

MainWindow* theWindow = nullptr;

constexpr char TITLE_PREFIX[] = "Morlan - ";
// A board size greyed in 查看 → 棋盘大小: the window it needs, the screen's room.
constexpr const char* SIZE_TOO_LARGE = QT_TRANSLATE_NOOP("Texts", "屏幕放不下：窗口需要 %1×%2，屏幕可用区域只有 %3×%4");
constexpr int ICON_PROGRAM = 114;

QIcon programIcon() {
    const std::span<const std::uint8_t> png = findResource("ICON", ICON_PROGRAM);
    QPixmap pixmap;
    // Named, so that no image plugin is loaded to find out what it is.
    if (png.empty() || !pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG")) return {};
    return QIcon(pixmap);
}

}  // namespace

MainWindow& MainWindow::instance() {
    // The engine first: singletons end in reverse order, and the game's
    // end still talks to the engine.
    thinkingEngine();
    static MainWindow* window = new MainWindow(Game::instance());
    return *window;
}

bool MainWindow::exists() { return theWindow != nullptr; }

void MainWindow::showProgramIcon() { setWindowIcon(programIcon()); }

MainWindow::MainWindow(Game& g) : QMainWindow(nullptr), game(g) {
    theWindow = this;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAcceptDrops(true);
    game.attachShell(this);
    roster = std::make_unique<EngineRoster>(game);
    EngineLogWindow::instance().setLog(&roster->log());
    connectRoster();
    connectReview();
    updateCursor();
    BitmapSet::instance();
    createToolbar();
    menu.build(menuBar(), this, [this](int id) { onCommand(id); });
    view = new BoardView(game, this);
    view->setHooks({
        [this] { return menu.isChecked(CheckMark::Animation); },
        [this] { toolWindowsIdle(); },
        [](QPoint screen) { SetupWindow::instance().dragMoved(screen); },
        [] { SetupWindow::instance().dragEnded(); },
        [this] { updateCursor(); },
    });
    setCentralWidget(view);
    menu.selectItem(RadioGroup::BoardSize, 0);
    const int notation = defaultNotationItem(languageInUse());
    menu.selectItem(RadioGroup::Notation, notation);
    MoveTexts::instance().setNotation(static_cast<MoveNotation>(notation));
    menu.selectItem(RadioGroup::PieceSet, 0);
    if (QAction* first = menu.action(CMD_BOARD_SIZE_FIRST)) {
        for (QObject* o : first->associatedObjects()) {
            if (auto* sizes = qobject_cast<QMenu*>(o)) {
                // Greyed sizes say why; the screen may have changed since.
                sizes->setToolTipsVisible(true);
                connect(sizes, &QMenu::aboutToShow, this, [this] { markFittingSizes(); });
            }
        }
    }
    fixSize();
    game.setTitle(GBK_UNTITLED);
    setSavedPosition(savedX, savedY);
    game.setMode(MODE_HUMAN_COMPUTER);
    game.setComputerSide(SIDE_BLACK);
    // Through the game, so the engine gets the 2-second limit from the start.
    game.setLevel(LEVEL_BEGINNER);
    updateCommands();
    syncView();
}

// What the outside engines report goes to the windows that show it.
void MainWindow::connectRoster() {
    const auto error = [this](const QString& text) { showMessage(fromQt(text), GBK_CAPTION_ERROR, MessageIcon::Error); };
    connect(roster.get(), &EngineRoster::listProblem, this, error);
    connect(roster.get(), &EngineRoster::engineFailed, this, error);
    connect(roster.get(), &EngineRoster::arrowChanged, this,
            [this](PackedMove move, const Board90& board) { view->setArrow(move, board); });
    connect(roster.get(), &EngineRoster::linesChanged, this,
            [](const EngineSession& s, int skip) { SituationWindow::instance().setOutsideLines(s, skip); });
}

// The review's progress window and graph follow the review.
void MainWindow::connectReview() {
    ReviewSession& review = ReviewSession::instance();
    review.setEngineList(&roster->list());
    connect(&review, &ReviewSession::starting, this, [] { ReviewProgressWindow::instance().open(); });
    connect(&review, &ReviewSession::progressed, this,
            [](const GameReview& r) { ReviewProgressWindow::instance().update(r); });
    connect(&review, &ReviewSession::ended, this, [] { ReviewProgressWindow::instance().close(); });
    connect(&review, &ReviewSession::started, this, [] { ScoreGraphWindow::instance().open(); });
    connect(&review, &ReviewSession::commentsChanged, this, [] { GameInfoWindow::instance().commentsChanged(); });
}

MainWindow::~MainWindow() {
    roster->shutdown();
    EngineLogWindow::instance().setLog(nullptr);
    ReviewSession::instance().setEngineList(nullptr);
    if (theWindow == this) theWindow = nullptr;
}

void MainWindow::fixSize() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    adjustSize();
}

void MainWindow::applyPieceSet() {
    const int item = menu.selectedItem(RadioGroup::PieceSet);
    if (item < 0) return;
    view->setPieceSet(static_cast<PieceSet>(item));
    SetupWindow& setup = SetupWindow::instance();
    if (setup.isOpen()) setup.fitPalette();  // which draws the palette again
}

QSize MainWindow::windowChrome() const {
    const BoardScale& now = BOARD_SCALES[view->scale()];
    QSize chrome = frameGeometry().size() - QSize(now.width, now.height);
    // Before it is shown the window has no frame yet: count a title bar.
    if (!isVisible()) chrome += QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return chrome;
}

QSize MainWindow::availableArea() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry().size() : QSize(INT_MAX, INT_MAX);
}

void MainWindow::markFittingSizes() {
    const QSize chrome = windowChrome();
    const QSize available = availableArea();
    for (int i = 0; i < BOARD_SCALE_COUNT; ++i) {
        QAction* a = menu.action(CMD_BOARD_SIZE_FIRST + i);
        if (!a) continue;
        const bool fits = i == 0 || scaleFits(i, chrome, available);
        const QSize needs = windowForScale(i, chrome);
        a->setEnabled(fits);
        a->setToolTip(fits ? QString()
                           : shownText(SIZE_TOO_LARGE)
                                 .arg(needs.width())
                                 .arg(needs.height())
                                 .arg(available.width())
                                 .arg(available.height()));
    }
}

void MainWindow::applyBoardSize(bool fitScreen) {
    markFittingSizes();
    // The choice stays as the user made it; the board takes the largest
    // size up to it that fits this screen.
    const int size = largestFittingScale(sizeChoice, windowChrome(), availableArea());
    menu.selectItem(RadioGroup::BoardSize, size);
    if (size == view->scale()) return;
    view->setScale(size);
    fixSize();
    if (fitScreen) keepInsideScreen(*this);
    keepOnScreen(*this);
    SetupWindow& setup = SetupWindow::instance();
    if (setup.isOpen()) setup.fitPalette();
}

int MainWindow::toolbarHeight() const { return toolBar ? toolBar->height() : 0; }

// ------------------------------------------------------------- the toolbar

namespace {

struct ToolbarEntry {
    int icon;  // -1: separator
    int id;
    const char* tooltip;
};

constexpr ToolbarEntry TOOLBAR[] = {
    {0, CMD_NEW_GAME, QT_TRANSLATE_NOOP("MainWindow", "新局")},
    {1, CMD_OPEN, QT_TRANSLATE_NOOP("MainWindow", "打开文件")},
    {11, CMD_SETUP, QT_TRANSLATE_NOOP("MainWindow", "摆子")},
    {2, CMD_SAVE, QT_TRANSLATE_NOOP("MainWindow", "保存文件")},
    {-1, 0, nullptr},
    {3, CMD_UNDO, QT_TRANSLATE_NOOP("MainWindow", "悔棋")},
    {4, CMD_REDO, QT_TRANSLATE_NOOP("MainWindow", "重下")},
    {-1, 0, nullptr},
    {5, CMD_COMPUTER_MOVE, QT_TRANSLATE_NOOP("MainWindow", "电脑走子")},
    {6, CMD_MOVE_NOW, QT_TRANSLATE_NOOP("MainWindow", "立即出招")},
    {8, CMD_ANALYSE, QT_TRANSLATE_NOOP("MainWindow", "分析棋局")},
    {7, CMD_STOP_THINKING, QT_TRANSLATE_NOOP("MainWindow", "停止思考")},
    {-1, 0, nullptr},
    {9, CMD_ROTATE, QT_TRANSLATE_NOOP("MainWindow", "旋转棋盘")},
    {-1, 0, nullptr},
    {10, CMD_ABOUT, QT_TRANSLATE_NOOP("MainWindow", "关于")},
};

}  // namespace

void MainWindow::createToolbar() {
    toolBar = new QToolBar(this);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(TOOLBAR_ICON_SIZE, TOOLBAR_ICON_SIZE));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar->setContentsMargins(3, 0, 0, 0);
    addToolBar(Qt::TopToolBarArea, toolBar);
    const BitmapSet& bitmaps = BitmapSet::instance();
    for (const ToolbarEntry& e : TOOLBAR) {
        if (e.icon < 0) {
            toolBar->addSeparator();
            continue;
        }
        const QString tip = QCoreApplication::translate("MainWindow", e.tooltip);
        QAction* a = toolBar->addAction(bitmaps.toolbarIcon(e.icon), tip);
        a->setToolTip(tip);
        const int id = e.id;
        connect(a, &QAction::triggered, this, [this, id] { onCommand(id); });
        buttons[id] = a;
    }
}

QAction* MainWindow::toolbarButton(int id) const {
    const auto it = buttons.find(id);
    return it == buttons.end() ? nullptr : it->second;
}

// -------------------------------------------------------------- position

void MainWindow::setSavedPosition(int x, int y) {
    if (x == UNSET_POSITION) {
        savedX = pos().x();
        savedY = pos().y();
        return;
    }
    savedX = x;
    savedY = y;
    move(x, y);
    keepOnScreen(*this);
}

void MainWindow::createMainWindow(const WindowPlacement* placement) {
    if (placement) setSavedPosition(placement->x, placement->y);
}

WindowPlacement MainWindow::windowPlacement(ShellWindow window) const {
    if (window != ShellWindow::Main) return toolWindowPlacement(window);
    return {true, savedX == UNSET_POSITION ? pos().x() : savedX, savedX == UNSET_POSITION ? pos().y() : savedY};
}

void MainWindow::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    savedX = pos().x();
    savedY = pos().y();
}

// ------------------------------------------------------- view (ShellPort)

void MainWindow::finishAnimation() { view->stopAnimation(); }
bool MainWindow::isAnimating() const { return view->animating(); }

void MainWindow::animateComputerMove(PackedMove move) {
    view->startAnimation(move, [this] { game.onComputerMoveShown(); });
}

void MainWindow::restoreView() { view->restoreView(); }
void MainWindow::syncView() { view->syncView(); }
void MainWindow::markViewSynced() { view->markViewSynced(); }

void MainWindow::playMoveSound(bool captured) {
    if (menu.isChecked(CheckMark::Sound)) SoundSet::instance().play(captured);
}

bool MainWindow::boardReversed() const { return view->reversed(); }
void MainWindow::setBoardReversed(bool reversed) { view->setReversed(reversed); }
void MainWindow::rotateBoard() { view->rotateBoard(); }

void MainWindow::updateCursor() {
    const ThinkingStatus status = game.thinkingStatus();
    if (status == THINKING_MOVE || status == THINKING_ANALYSIS) {
        showBusyCursor();
        return;
    }
    setCursor(view && view->wantsHandCursor() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void MainWindow::showBusyCursor() { setCursor(Qt::BusyCursor); }

int MainWindow::selectedItem(RadioGroup group) const {
    return group == RadioGroup::BoardSize ? sizeChoice : menu.selectedItem(group);
}

void MainWindow::selectItem(RadioGroup group, int item) {
    if (group == RadioGroup::BoardSize) {
        if (item < 0 || item >= BOARD_SCALE_COUNT) return;
        sizeChoice = item;
        applyBoardSize(false);
        return;
    }
    menu.selectItem(group, item);
    if (group == RadioGroup::Level) levelShown = item;
    if (group == RadioGroup::Notation) applyNotation();
    if (group == RadioGroup::PieceSet) applyPieceSet();
}

// --------------------------------------------------- title and messages

void MainWindow::setWindowTitle(const std::string& title) {
    titleGbk = title;
    // The file name in the title is the file system's, not GBK; an untitled
    // game's name (未命名) is the program's own GBK text.
    const std::string& path = game.fileName();
    const std::string untitled = std::string(TITLE_PREFIX) + GBK_UNTITLED;
    if (path == GBK_UNTITLED && title.compare(0, untitled.size(), untitled) == 0) {
        // "Morlan - 未命名", then " (the record's file)" and the change mark.
        QMainWindow::setWindowTitle(QString::fromLatin1(TITLE_PREFIX) + shownGbk(GBK_UNTITLED) + toQt(title.substr(untitled.size())));
        return;
    }
    if (path == GBK_UNTITLED) {
        QMainWindow::setWindowTitle(toQt(title));
        return;
    }
    const std::string base = path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    const std::string prefix = std::string(TITLE_PREFIX) + base;
    QString text;
    if (!base.empty() && title.compare(0, prefix.size(), prefix) == 0) {
        text = QString::fromLatin1(TITLE_PREFIX) + pathToQt(base) + shownGbk(title.substr(prefix.size()));
    } else {
        text = shownGbk(title);
    }
    QMainWindow::setWindowTitle(text);
}

MessageAnswer MainWindow::showMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                      MessageButtons buttons) {
    const QMessageBox::Icon qtIcon = icon == MessageIcon::Error         ? QMessageBox::Critical
                                     : icon == MessageIcon::Warning     ? QMessageBox::Warning
                                                                        : QMessageBox::Information;
    const QMessageBox::StandardButtons qtButtons =
        buttons == MessageButtons::YesNoCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                               : QMessageBox::Ok;
    QMessageBox box(qtIcon, shownGbk(caption), shownGbk(text), qtButtons, this);
    ModalScope modal;
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
}

// "放弃后面的 N 步？": 保留为变着 (the default), 放弃, 取消.
TailAnswer MainWindow::askDropTail(int plies) {
    std::string text = GBK_DROP_TAIL;
    text.replace(text.find("%d"), 2, std::to_string(plies));
    QMessageBox box(QMessageBox::Question, QMainWindow::windowTitle(), shownGbk(text),
                    QMessageBox::NoButton, this);
    QPushButton* keep = box.addButton(shownGbk(GBK_KEEP_AS_VARIATION), QMessageBox::AcceptRole);
    QPushButton* drop = box.addButton(Texts::tr("放弃"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(keep);
    {
        ModalScope modal;
        box.exec();
    }
    if (box.clickedButton() == keep) return TailAnswer::KeepAsVariation;
    if (box.clickedButton() == drop) return TailAnswer::Drop;
    return TailAnswer::Cancel;
}

bool MainWindow::reviewMarksFrom(int i) const {
    const GameReview* r = ReviewSession::instance().review();
    if (!r) return false;
    for (int m = std::max(0, i); m < r->moves(); ++m)
        if (r->move(m).assessed) return true;
    return false;
}

// "此格式只保存当前变着，其余变着将丢失。继续吗？": 继续, 另存为 PGN, 取消.
LineSaveAnswer MainWindow::askSaveLineOnly() {
    QMessageBox box(QMessageBox::Warning, QMainWindow::windowTitle(), shownGbk(GBK_SAVE_LINE_ONLY), QMessageBox::NoButton, this);
    QPushButton* go = box.addButton(Texts::tr("继续"), QMessageBox::AcceptRole);
    QPushButton* pgn = box.addButton(shownGbk(GBK_SAVE_AS_PGN), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(pgn);
    {
        ModalScope modal;
        box.exec();
    }
    if (box.clickedButton() == go) return LineSaveAnswer::Continue;
    if (box.clickedButton() == pgn) return LineSaveAnswer::SaveAsPgn;
    return LineSaveAnswer::Cancel;
}

void MainWindow::saveAsPgn() {
    QTimer::singleShot(0, this, [this] { saveWithDialog(RecordFormat::Pgn); });
}

// Why a text record would not read back: 另存为 .sav (the default), 另存为 PGN, 取消.
TextSaveAnswer MainWindow::askTextRecordRefused(const std::string& why) {
    QMessageBox box(QMessageBox::Warning, QMainWindow::windowTitle(), shownGbk(why), QMessageBox::NoButton, this);
    QPushButton* sav = box.addButton(shownGbk(GBK_SAVE_AS_SAV), QMessageBox::AcceptRole);
    QPushButton* pgn = box.addButton(shownGbk(GBK_SAVE_AS_PGN), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(sav);
    {
        ModalScope modal;
        box.exec();
    }
    if (box.clickedButton() == sav) return TextSaveAnswer::SaveAsSav;
    if (box.clickedButton() == pgn) return TextSaveAnswer::SaveAsPgn;
    return TextSaveAnswer::Cancel;
}

void MainWindow::saveAsSav() {
    QTimer::singleShot(0, this, [this] { saveWithDialog(RecordFormat::Sav); });
}

// ------------------------------------------------------------- closing

void MainWindow::closeEvent(QCloseEvent* e) {
    if (closing) {
        e->accept();
        return;
    }
    if (!MatchWindow::instance().mayEndMatch() || !askToSave()) {
        e->ignore();
        return;
    }
    closing = true;
    shutdown();
    e->accept();
}

void MainWindow::endOnSignal() {
    if (closing) return;
    closing = true;
    game.finishAnimation();
    game.stopThinking();
    if (game.modified()) game.saveRecovery(GAME_FOLDER);
    shutdown();
    QCoreApplication::exit(0);
}

void MainWindow::shutdown() {
    game.finishAnimation();
    // The user has answered the save prompt: a running search ends without
    // playing its move.
    // Through the game, so that it knows no job is out any more.
    game.stopThinking();
    ReviewSession::instance().shutdown();
    thinkingEngine().shutdownEngine();
    roster->shutdown();
    game.saveSettings();
    SoundSet::instance().release();
    BitmapSet::instance().release();
    MenuResources::instance().release();
}
