// The main window's commands: one switch for menu, accelerators and
// toolbar, the rules that enable and grey them, the save prompt and the
// file dialogs.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

#include "game/game.h"
#include "game/gbk.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/board/board_view.h"
#include "shell/dialogs/database_commands.h"
#include "shell/dialogs/explorer_window.h"
#include "shell/windows/book_window.h"
#include "shell/main_window/language_menu.h"
#include "shell/main_window/command_ids.h"
#include "shell/windows/engine_log_window.h"
#include "shell/dialogs/engine_manager_dialog.h"
#include "engines/engine_roster.h"
#include "shell/windows/game_info_window.h"
#include "shell/dialogs/level_dialog.h"
#include "shell/dialogs/match_window.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"
#include "shell/main_window/save_name.h"
#include "shell/platform/qt_text.h"
#include "shell/dialogs/review_dialog.h"
#include "shell/dialogs/time_control_dialog.h"
#include "review/review_session.h"
#include "shell/dialogs/score_graph_window.h"
#include "shell/windows/situation_window.h"
#include "shell/windows/timer_window.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr const char* SAV_FILTER = QT_TRANSLATE_NOOP("Texts", "象棋文件 (*.sav)");
constexpr const char* TXT_FILTER = QT_TRANSLATE_NOOP("Texts", "文本文件 (*.txt)");
constexpr const char* PGN_FILTER = QT_TRANSLATE_NOOP("Texts", "PGN 棋谱 (*.pgn)");
constexpr const char* XQF_FILTER = QT_TRANSLATE_NOOP("Texts", "XQF 棋谱 (*.xqf)");
constexpr const char* RECORDS_FILTER = QT_TRANSLATE_NOOP("Texts", "所有棋谱 (*.sav *.txt *.pgn *.pgn.gz *.xqf)");
// The caption keeps its "*.*"; the pattern is "*", since on this file
// system a name needs no dot.
constexpr const char* ALL_FILTER = QT_TRANSLATE_NOOP("Texts", "所有文件 (*)");

// The extension a name typed without one gets, by the save dialog's type.
QString suffixOfFilter(const QString& filter) {
    if (filter == shownText(TXT_FILTER)) return QStringLiteral("txt");
    if (filter == shownText(PGN_FILTER)) return QStringLiteral("pgn");
    if (filter == shownText(XQF_FILTER)) return QStringLiteral("xqf");
    return QStringLiteral("sav");
}

// The commands on the game: enabled by the first rule, all greyed while
// set-up is open, some greyed by the later rules.
constexpr int GAME_COMMANDS[] = {CMD_NEW_GAME,       CMD_OPEN, CMD_SETUP, CMD_SAVE,          CMD_SAVE_AS,
                                 CMD_COPY_POSITION,  CMD_PASTE_POSITION,
                                 CMD_UNDO,           CMD_REDO, CMD_COMPUTER_MOVE, CMD_ANALYSE, CMD_REVIEW};

}  // namespace

void MainWindow::onCommand(int id) {
    switch (id) {
    case CMD_NEW_GAME:
        if (askToReplaceRecord()) game.newGame();
        break;
    case CMD_OPEN:
        if (askToReplaceRecord()) openWithDialog();
        break;
    case CMD_SETUP:
        if (askToReplaceRecord()) game.enterSetup();
        break;
    case CMD_SAVE: saveCommand(); break;
    case CMD_SAVE_AS: saveWithDialog(); break;
    case CMD_COPY_POSITION: copyPosition(); break;
    case CMD_PASTE_POSITION: pastePosition(); break;
    case CMD_EXIT: QTimer::singleShot(0, this, [this] { close(); }); break;
    case CMD_UNDO: undoWithAnimation(); break;
    case CMD_REDO: redoWithAnimation(); break;
    case CMD_COMPUTER_MOVE: game.computerMove(); break;
    case CMD_MOVE_NOW: game.moveNow(); break;
    case CMD_ANALYSE: game.analyse(); break;
    case CMD_STOP_THINKING: game.stopThinking(); break;
    case CMD_ROTATE: rotateBoard(); break;
    case CMD_MODE_HUMAN_COMPUTER: game.setMode(MODE_HUMAN_COMPUTER); break;
    case CMD_MODE_TWO_HUMANS: {
        game.setMode(MODE_TWO_HUMANS);
        const ThinkingStatus s = game.thinkingStatus();
        if (s == THINKING_MOVE || s == THINKING_ANALYSIS) game.stopThinking();
        break;
    }
    case CMD_MODE_DEMO:
        game.setMode(MODE_DEMO);
        game.computerMove();
        break;
    case CMD_COMPUTER_RED: game.setComputerSide(SIDE_RED); break;
    case CMD_COMPUTER_BLACK: game.setComputerSide(SIDE_BLACK); break;
    case CMD_LEVEL_BEGINNER: game.setLevel(LEVEL_BEGINNER); break;
    case CMD_LEVEL_INTERMEDIATE: game.setLevel(LEVEL_INTERMEDIATE); break;
    case CMD_LEVEL_ADVANCED: game.setLevel(LEVEL_ADVANCED); break;
    case CMD_LEVEL_CUSTOM:
        // The level dialog selects 自定义 itself when closed with OK; until
        // then the level shown stays what it was.
        menu.selectItem(RadioGroup::Level, levelShown);
        LevelDialog::instance().run();
        break;
    // The menu has already moved the check marks of the four switches.
    case CMD_BOOK: game.setUseBook(menu.isChecked(CheckMark::Book)); break;
    case CMD_PONDER: game.setPonderEnabled(menu.isChecked(CheckMark::Ponder)); break;
    case CMD_ANIMATION:
    case CMD_SOUND:
    case CMD_NONSTOP_ANALYSIS: break;
    case CMD_KEEP_VARIATIONS:
        if (QAction* a = menu.action(CMD_KEEP_VARIATIONS)) game.setKeepVariations(a->isChecked());
        break;
    case CMD_RULINGS_OFF: game.setRepetitionRulings(false); break;
    case CMD_RULINGS_ASIAN: game.setRepetitionRulings(true); break;
    case CMD_TIME_CONTROL: {
        TimeControl red = game.timeControl(SIDE_RED), black = game.timeControl(SIDE_BLACK);
        if (TimeControlDialog::run(red, black)) game.setTimeControls(red, black);
        break;
    }
    case CMD_VIEW_TIMER: TimerWindow::instance().open(); break;
    case CMD_VIEW_GAME_INFO: GameInfoWindow::instance().open(); break;
    case CMD_VIEW_BOOK: BookWindow::instance().open(); break;
    case CMD_VIEW_SITUATION: SituationWindow::instance().open(); break;
    case CMD_ABOUT: AboutBox::instance().run(); break;
    case CMD_REVIEW:
        if (!game.refuseRecordChange() && ReviewDialog::instance().run())
            ReviewSession::instance().start(ReviewDialog::instance().engineIndex(), ReviewDialog::instance().options());
        break;
    case CMD_VIEW_GRAPH: ScoreGraphWindow::instance().open(); break;
    // A match plays in its own window and never touches the game here.
    case CMD_ENGINE_MATCH: MatchWindow::instance().open(); break;
    case CMD_OPEN_DATABASE: openGamesDatabaseFile(this, false); break;
    case CMD_NEW_DATABASE: openGamesDatabaseFile(this, true); break;
    case CMD_IMPORT_DATABASE: importIntoGamesDatabase(this); break;
    case CMD_VIEW_EXPLORER: ExplorerWindow::instance().open(); break;
    case CMD_ENGINE_MANAGER: runEngineManager(); break;
    case CMD_VIEW_ENGINE_LOG: EngineLogWindow::instance().open(); break;
    case CMD_BEST_MOVE_ARROW: roster->setShowArrow(menu.action(CMD_BEST_MOVE_ARROW)->isChecked()); break;
    default:
        if (id >= CMD_BOARD_SIZE_FIRST && id <= CMD_BOARD_SIZE_LAST) {
            sizeChoice = id - CMD_BOARD_SIZE_FIRST;
            applyBoardSize(true);
        }
        if (id >= CMD_NOTATION_FIRST && id <= CMD_NOTATION_LAST) applyNotation();
        if (id >= CMD_PIECE_SET_FIRST && id <= CMD_PIECE_SET_LAST) applyPieceSet();
        if (id >= CMD_LANGUAGE_FIRST && id <= CMD_LANGUAGE_LAST) chooseLanguage(id, this);
        break;
    }
}

// ------------------------------------------------------------- enabling

void MainWindow::setCommandEnabled(int id, bool enabled, bool inToolbar) {
    if (inToolbar) {
        if (QAction* b = toolbarButton(id)) b->setEnabled(enabled);
    } else {
        menu.setEnabled(id, enabled);
    }
}

void MainWindow::updateCommands() {
    const bool setup = game.isSetupOpen();
    const ThinkingStatus status = game.thinkingStatus();
    // The game's own choice: a record turns 保留变着 on for its game.
    if (QAction* a = menu.action(CMD_KEEP_VARIATIONS)) a->setChecked(game.keepVariations());
    menu.selectItem(RadioGroup::Rulings, game.repetitionRulings() ? 1 : 0);
    for (const bool inToolbar : {false, true}) {
        for (int id : GAME_COMMANDS) setCommandEnabled(id, true, inToolbar);
        setCommandEnabled(CMD_MOVE_NOW, false, inToolbar);
        setCommandEnabled(CMD_STOP_THINKING, false, inToolbar);
        if (inToolbar) {
            setCommandEnabled(CMD_ROTATE, true, true);
            setCommandEnabled(CMD_ABOUT, true, true);
        }
        if (!game.modified()) setCommandEnabled(CMD_SAVE, false, inToolbar);
        if (setup) {
            for (int id : GAME_COMMANDS) setCommandEnabled(id, false, inToolbar);
        }
        if (game.moveCount() == 0) setCommandEnabled(CMD_UNDO, false, inToolbar);
        if (game.moveCount() == game.recordSize()) setCommandEnabled(CMD_REDO, false, inToolbar);
        if (game.result() != RESULT_IN_PLAY) {
            setCommandEnabled(CMD_COMPUTER_MOVE, false, inToolbar);
            setCommandEnabled(CMD_ANALYSE, false, inToolbar);
        }
        if (status == THINKING_MOVE) {
            setCommandEnabled(CMD_COMPUTER_MOVE, false, inToolbar);
            setCommandEnabled(CMD_REVIEW, false, inToolbar);
            setCommandEnabled(CMD_MOVE_NOW, true, inToolbar);
            setCommandEnabled(CMD_ANALYSE, false, inToolbar);
            setCommandEnabled(CMD_STOP_THINKING, true, inToolbar);
        } else if (status == THINKING_ANALYSIS) {
            setCommandEnabled(CMD_COMPUTER_MOVE, false, inToolbar);
            setCommandEnabled(CMD_ANALYSE, false, inToolbar);
            setCommandEnabled(CMD_STOP_THINKING, true, inToolbar);
        }
    }
    refreshArrow();
}

void MainWindow::refreshArrow() {
    // The arrow belongs to a running analysis only.
    if (view && game.thinkingStatus() != THINKING_ANALYSIS) view->setArrow(0, {});
}

void MainWindow::runEngineManager() {
    EngineManagerDialog dialog(roster->list(), this, &roster->log());
    int accepted = 0;
    {
        ModalScope modal;
        accepted = dialog.exec();
    }
    if (accepted != QDialog::Accepted || dialog.list() == roster->list()) return;
    roster->applyList(dialog.list());
    // The situation window's engine lines start afresh with the new engines.
    SituationWindow& situation = SituationWindow::instance();
    if (situation.isOpen()) {
        situation.close();
        situation.open();
    }
}

void MainWindow::loadEngineList() {
    roster->loadList();
    if (QAction* arrow = menu.action(CMD_BEST_MOVE_ARROW)) arrow->setChecked(roster->list().showArrow);
}

// ------------------------------------------------------------ undo, redo

void MainWindow::undoWithAnimation() {
    if (game.refuseRecordChange()) return;
    // Through the game, so that a computer move cut short ends demo play.
    game.finishAnimation();
    view->restoreView();
    game.stopThinking();
    if (game.moveCount() == 0 || !game.undo()) return;
    const RecordEntry* e = game.recordEntry(game.moveCount());
    if (!e) return;
    view->animateUndo(*e, [this] {
        game.setModified(true);
        view->syncView();
        if (menu.isChecked(CheckMark::Sound)) playMoveSound(false);
    });
    updateCommands();
}

void MainWindow::redoWithAnimation() {
    if (game.refuseRecordChange()) return;
    game.finishAnimation();
    view->restoreView();
    game.stopThinking();
    if (game.moveCount() == game.recordSize() || !game.redo()) return;
    const RecordEntry* e = game.recordEntry(game.moveCount() - 1);
    if (!e) return;
    const bool captured = e->captured != NO_PIECE;
    view->animateRedo(*e, [this, captured] {
        game.setModified(true);
        view->syncView();
        playMoveSound(captured);
    });
    updateCommands();
}

// ------------------------------------------------------------ saving

bool MainWindow::askToReplaceRecord() { return !game.refuseRecordChange() && askToSave(); }

bool MainWindow::askToSave() {
    if (!game.modified()) return true;
    switch (showMessage(GBK_ASK_SAVE, GBK_CAPTION_NOTICE, MessageIcon::Warning, MessageButtons::YesNoCancel)) {
    // A save that did not happen, cancelled or failed, keeps the game:
    // the command does not go on.
    case MessageAnswer::Yes: return saveCommand();
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool MainWindow::saveCommand() {
    if (game.fileName() == GBK_UNTITLED) return saveWithDialog();
    return game.saveFile(game.fileName());
}

QString MainWindow::dialogFolder() const {
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists()) return lastFolder;
    return QString::fromLatin1(GAME_FOLDER);
}

bool MainWindow::saveWithDialog(RecordFormat only) {
    const bool oneType = only != RecordFormat::Unknown;
    QDir().mkdir(QString::fromLatin1(GAME_FOLDER));
    QFileDialog dialog(this);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (only == RecordFormat::Pgn) dialog.setNameFilters({shownText(PGN_FILTER)});
    else if (only == RecordFormat::Sav) dialog.setNameFilters({shownText(SAV_FILTER)});
    else dialog.setNameFilters({shownText(SAV_FILTER), shownText(TXT_FILTER), shownText(PGN_FILTER), shownText(XQF_FILTER)});
    dialog.setDirectory(dialogFolder());
    dialog.selectFile(proposedSaveName(game.fileName(), game.recordSource(), gameInfo()));
    // A name typed without an extension gets the chosen type's, so a game
    // saved as a game file is not written as a text record.
    const QString filter = oneType || !dialog.nameFilters().contains(lastSaveFilter) ? dialog.nameFilters().first() : lastSaveFilter;
    dialog.selectNameFilter(filter);
    dialog.setDefaultSuffix(suffixOfFilter(filter));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(suffixOfFilter(f));
    });
    int accepted = 0;
    {
        ModalScope modal;
        accepted = dialog.exec();
    }
    if (accepted != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString chosen = dialog.selectedFiles().first();
    if (!oneType) lastSaveFilter = dialog.selectedNameFilter();
    if (!game.saveFile(pathFromQt(QDir::toNativeSeparators(chosen)))) return false;
    // A folder the game could not be written to is not offered again.
    lastFolder = QFileInfo(chosen).absolutePath();
    return true;
}

void MainWindow::openWithDialog() {
    const QString current = QDir::currentPath();
    QFileDialog dialog(this);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({shownText(SAV_FILTER), shownText(TXT_FILTER), shownText(PGN_FILTER), shownText(XQF_FILTER), shownText(RECORDS_FILTER), shownText(ALL_FILTER)});
    dialog.setDirectory(dialogFolder());
    if (dialog.nameFilters().contains(lastOpenFilter)) dialog.selectNameFilter(lastOpenFilter);
    int accepted = 0;
    {
        ModalScope modal;
        accepted = dialog.exec();
    }
    if (accepted != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QDir::setCurrent(current);
    const QString chosen = dialog.selectedFiles().first();
    lastFolder = QFileInfo(chosen).absolutePath();
    lastOpenFilter = dialog.selectedNameFilter();
    openRecord(pathFromQt(chosen));
}
