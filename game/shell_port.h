// What the game model asks of the desktop shell. The game never paints,
// never opens a window and never reads a menu itself: everything of that
// kind goes through this one interface, which the Qt shell implements and
// the tests replace by a recording fake. Texts cross it as GBK bytes.
#pragma once

#include <string>

#include "engine/types.h"

struct GameInfo;
struct SearchResult;
struct PonderExport;
struct SearchRequest;
struct WindowPlacement;
struct IterationReport;

enum class MessageIcon { Error, Information, Warning };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The radio groups of the menu that hold the game's choices and the board's size.
enum class RadioGroup {
    Mode,          // items 0..2: 人机对弈, 两人对弈, 电脑演示
    ComputerSide,  // items 0..1: 电脑执红, 电脑执黑
    Level,         // items 0..3: 初级, 中级, 高级, 自定义
    BoardSize,     // items 0..4: 100%, 125%, 150%, 200%, 250% (查看 → 棋盘大小)
    Rulings,       // items 0..1: 不裁决, 亚洲规则 (设置 → 重复局面裁决)
    Notation,      // items 0..2: 中文, WXF, 坐标 (设置 → 记谱方式), by MoveNotation
    PieceSet,      // items 0..1: 中文棋子, 国际符号 (设置 → 棋子样式)
};

// The check marks of the menu.
enum class CheckMark { Book, Ponder, Animation, Sound, NonstopAnalysis };

// What to do with the rest of a line that a move at a past ply would drop.
enum class TailAnswer { KeepAsVariation, Drop, Cancel };
// Saving a record with variations to a format that keeps one line.
enum class LineSaveAnswer { Continue, SaveAsPgn, Cancel };
// Saving, as a text record, a game that would not come back from one.
enum class TextSaveAnswer { SaveAsSav, SaveAsPgn, Cancel };

// The windows whose placement the settings file remembers.
enum class ShellWindow { Main, Clock, Info, Book, Situation, Graph };

class ShellPort {
public:
    virtual ~ShellPort() = default;

    // ---- board view ----
    // Ends a running move animation at once; its completion still runs.
    virtual void finishAnimation() = 0;
    virtual bool isAnimating() const = 0;
    // Slides the computer's move (already played on the game board); when the
    // slide ends the shell calls Game::onComputerMoveShown.
    virtual void animateComputerMove(PackedMove move) = 0;
    // Shows the game's position again when the view shows something else.
    virtual void restoreView() = 0;
    // The view's idle step: takes the game's position when it changed.
    virtual void syncView() = 0;
    // Takes the view's current position as the game's, without drawing.
    virtual void markViewSynced() = 0;
    // Plays the capture or the move sound when sounds are on.
    virtual void playMoveSound(bool captured) = 0;
    virtual bool boardReversed() const = 0;
    virtual void setBoardReversed(bool reversed) = 0;

    // ---- main window ----
    // Enables and greys the toolbar buttons and menu items.
    virtual void refreshCommands() = 0;
    // Cursor from Game::thinkingStatus, or the busy cursor.
    virtual void updateCursor() = 0;
    virtual void showBusyCursor() = 0;
    virtual std::string windowTitle() const = 0;
    virtual void setWindowTitle(const std::string& title) = 0;
    virtual MessageAnswer showMessage(const std::string& text, const std::string& caption,
                                      MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;

    // ---- menu state ----
    // The selected item of a radio group, -1 when none is selected.
    virtual int selectedItem(RadioGroup group) const = 0;
    virtual void selectItem(RadioGroup group, int item) = 0;
    virtual bool isChecked(CheckMark mark) const = 0;
    virtual void setChecked(CheckMark mark, bool checked) = 0;

    // ---- clock window ----
    virtual void clockReset() = 0;          // stopped at zero
    virtual void clockResetAndStart() = 0;
    virtual void clockGameOver() = 0;
    virtual void clockGameResumed() = 0;

    // ---- game-information window ----
    virtual GameInfo gameInfo() const = 0;
    virtual void setGameInfo(const GameInfo& info) = 0;
    virtual void setGameInfoResult(const std::string& resultText) = 0;

    // ---- situation window ----
    virtual void situationReset() = 0;
    // result null: clear the shown result; skip: leading moves of the
    // principal variation to leave out.
    virtual void showSearchResult(const SearchResult* result, int skip) = 0;
    virtual void showPonderRecord(const PonderExport* record) = 0;
    // An iteration of the built-in engine's running analysis, for the
    // engine lines and the arrow.
    virtual void showIteration(const IterationReport& report) { (void)report; }

    // ---- set-up window ----
    virtual bool isSetupOpen() const = 0;
    virtual void openSetupWindow() = 0;

    // ---- settings ----
    // Creates the main window, at the stored position when one is given.
    virtual void createMainWindow(const WindowPlacement* placement) = 0;
    // Where a window is; visible: the main window exists, a tool window is open.
    virtual WindowPlacement windowPlacement(ShellWindow window) const = 0;
    // Moves a tool window there and opens it when the placement is visible.
    virtual void placeWindow(ShellWindow window, const WindowPlacement& placement) = 0;
    // The custom level the level dialog holds.
    virtual SearchRequest customLimits() const = 0;
    virtual void setCustomLimits(const SearchRequest& limits) = 0;

    // ---- the record's variations ----
    // "放弃后面的 N 步？" with 保留为变着 the default answer.
    virtual TailAnswer askDropTail(int plies) {
        (void)plies;
        return TailAnswer::KeepAsVariation;
    }
    // Whether the review the program shows has marked move i (0 the first)
    // of the line, or a later one.
    virtual bool reviewMarksFrom(int i) const {
        (void)i;
        return false;
    }
    // "此格式只保存当前变着，其余变着将丢失。继续吗？" with 另存为 PGN offered.
    virtual LineSaveAnswer askSaveLineOnly() { return LineSaveAnswer::Cancel; }
    // The player chose 另存为 PGN: the shell asks for a PGN file name and saves there.
    virtual void saveAsPgn() {}
    // why (GBK) says what a text record would lose; offers 另存为 .sav (the
    // default), 另存为 PGN and 取消.
    virtual TextSaveAnswer askTextRecordRefused(const std::string& why) {
        (void)why;
        return TextSaveAnswer::Cancel;
    }
    // The player chose 另存为 .sav: the shell asks for a game file name and saves there.
    virtual void saveAsSav() {}
};
