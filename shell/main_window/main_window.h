// The program's one top-level window: a fixed-size frame with the main
// menu, the toolbar and the board view. It carries out every numbered
// command and is the shell the game model talks to.
#pragma once

#include <QMainWindow>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "engine/think.h"
#include "game/game_info.h"
#include "game/record_format.h"
#include "game/stored_settings.h"
#include "game/shell_port.h"
#include "shell/main_window/main_menu.h"

class BoardView;
class EngineRoster;
class Game;
struct PgnCollection;
class QAction;
class QToolBar;

constexpr int UNSET_POSITION = 800000;
// Where the file dialogs start, and where a game the program was ended with goes.
inline constexpr char GAME_FOLDER[] = "Sav";

class MainWindow final : public QMainWindow, public ShellPort {
public:
    // The program's window, created on first use for Game::instance().
    static MainWindow& instance();
    static bool exists();
    explicit MainWindow(Game& game);
    ~MainWindow() override;

    BoardView& boardView() const { return *view; }
    MainMenu& mainMenu() { return menu; }
    // The outside engines and their list.
    EngineRoster& engines() const { return *roster; }
    // Reads Engines.json (at start-up, before the first game).
    void loadEngineList();
    // The program's icon in the title bar and task bar; set once the
    // window shows, as nothing in the first frame needs it.
    void showProgramIcon();
    QToolBar* toolbar() const { return toolBar; }
    // The toolbar button of a command, or nullptr.
    QAction* toolbarButton(int id) const;
    int toolbarHeight() const;

    // ---- commands ----
    void onCommand(int id);
    void updateCommands();
    // The save prompt: whether the caller may go on.
    bool askToSave();
    // Before the game is replaced (new game, open, set-up, paste): false
    // when the record is locked, after saying why, or the save prompt was
    // cancelled.
    bool askToReplaceRecord();
    // The program is ended from outside (SIGTERM, SIGHUP): no question can
    // be asked, so an unsaved game goes to a recovery file in Sav/, the
    // settings are written as a normal close writes them, and the event
    // loop ends (a dialog open at the time included).
    void endOnSignal();
    // Opens a game file or record; a PGN collection of several games lets
    // the user choose one first (record_opening.cpp).
    void openRecord(const std::string& path);
    // The position as FEN on the clipboard, and a new game from the
    // clipboard's FEN (position_clipboard.cpp).
    void copyPosition();
    void pastePosition();
    void rotateBoard();
    // Gives the board the size ticked in 查看 → 棋盘大小; the window keeps
    // its fixed size around it. fitScreen: also move the grown window into
    // its screen's work area as far as it goes.
    void applyBoardSize(bool fitScreen);
    // The windows show moves in the notation the menu holds.
    void applyNotation();
    // The board draws the pieces of the set the menu holds.
    void applyPieceSet();
    // Greys the sizes whose window would not fit the screen's available
    // area, each with a tooltip saying so.
    void markFittingSizes();
    // The idle steps of the clock, game-information, book and situation windows.
    void toolWindowsIdle();

    // ---- remembered position ----
    int savedX = UNSET_POSITION;
    int savedY = 0;
    void setSavedPosition(int x, int y);

    // ---- ShellPort ----
    void finishAnimation() override;
    bool isAnimating() const override;
    void animateComputerMove(PackedMove move) override;
    void restoreView() override;
    void syncView() override;
    void markViewSynced() override;
    void playMoveSound(bool captured) override;
    bool boardReversed() const override;
    void setBoardReversed(bool reversed) override;
    void refreshCommands() override { updateCommands(); }
    void updateCursor() override;
    void showBusyCursor() override;
    std::string windowTitle() const override { return titleGbk; }
    void setWindowTitle(const std::string& title) override;
    TailAnswer askDropTail(int plies) override;
    LineSaveAnswer askSaveLineOnly() override;
    bool reviewMarksFrom(int i) const override;
    void saveAsPgn() override;
    TextSaveAnswer askTextRecordRefused(const std::string& why) override;
    void saveAsSav() override;
    MessageAnswer showMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok) override;
    // The board size is the one chosen (stored), not always the one shown.
    int selectedItem(RadioGroup group) const override;
    void selectItem(RadioGroup group, int item) override;
    bool isChecked(CheckMark mark) const override { return menu.isChecked(mark); }
    void setChecked(CheckMark mark, bool checked) override { menu.setChecked(mark, checked); }
    // The tool windows' part (tool_windows.cpp).
    void clockReset() override;
    void clockResetAndStart() override;
    void clockGameOver() override;
    void clockGameResumed() override;
    GameInfo gameInfo() const override;
    void setGameInfo(const GameInfo& i) override;
    void setGameInfoResult(const std::string& text) override;
    void situationReset() override;
    void showSearchResult(const SearchResult* result, int skip) override;
    void showPonderRecord(const PonderExport* record) override;
    void showIteration(const IterationReport& report) override;
    // Set-up is open while its window is, or while a test says so.
    bool isSetupOpen() const override;
    void setSetupOpen(bool open) { setupOpen = open; }
    void openSetupWindow() override;
    void createMainWindow(const WindowPlacement* placement) override;
    WindowPlacement windowPlacement(ShellWindow window) const override;
    void placeWindow(ShellWindow window, const WindowPlacement& placement) override;
    WindowPlacement toolWindowPlacement(ShellWindow window) const;
    SearchRequest customLimits() const override;
    void setCustomLimits(const SearchRequest& limits) override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    bool readCollection(const std::string& path, PgnCollection& collection, std::string& error);
    void createToolbar();
    void fixSize();
    void connectRoster();
    void connectReview();
    void undoWithAnimation();
    void redoWithAnimation();
    // Both answer whether the game reached its file (false: cancelled or failed).
    // only: the one type offered (另存为 PGN when a one-line format would leave
    // variations out, 另存为 .sav or PGN when a text record would not read back);
    // Unknown offers every type.
    bool saveWithDialog(RecordFormat only = RecordFormat::Unknown);
    bool saveCommand();
    void openWithDialog();
    // Where the open and save dialogs start: the folder last used in this
    // run, else Sav.
    QString dialogFolder() const;
    void openDroppedFile(const std::string& path);
    void setCommandEnabled(int id, bool enabled, bool inToolbar);
    void shutdown();
    void refreshArrow();
    void runEngineManager();
    QSize windowChrome() const;
    QSize availableArea() const;

    Game& game;
    MainMenu menu;
    BoardView* view = nullptr;
    QToolBar* toolBar = nullptr;
    std::map<int, QAction*> buttons;
    std::unique_ptr<EngineRoster> roster;
    GameInfo info;
    std::string titleGbk;
    int levelShown = 0;
    int sizeChoice = 0;  // 棋盘大小 as chosen and stored
    // What the file dialogs used last in this run.
    QString lastFolder;
    QString lastOpenFilter;
    QString lastSaveFilter;
    // The custom level (depth 8) until the level dialog holds it.
    SearchRequest custom{LIMIT_DEPTH, 8, 10};
    bool closing = false;
    bool setupOpen = false;
};
