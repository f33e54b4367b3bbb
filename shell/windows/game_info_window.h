// 棋局信息: the game's names, date, place and result, the notes of the game
// or the comment of the current move, and the move record, which also
// navigates: click a move, use the scroll bar below the list or the buttons
// beside it, or step into one of the alternatives listed under it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/types.h"
#include "game/game_info.h"
#include "game/move_notation.h"
#include "shell/windows/move_choice_list.h"
#include "shell/windows/tool_window.h"

class QPlainTextEdit;
class QTreeWidgetItem;

constexpr int IDC_RED_PLAYER = 1007;
constexpr int IDC_BLACK_PLAYER = 1008;
constexpr int IDC_DATE = 1028;
constexpr int IDC_PLACE = 1029;
constexpr int IDC_RESULT = 1031;
constexpr int IDC_NOTES = 1030;
constexpr int IDC_RECORD_LIST = 1010;
constexpr int IDC_RECORD_SCROLL = 1052;
constexpr int IDC_COPY_RECORD = 1012;
constexpr int IDC_FIRST_MOVE = 1053;
constexpr int IDC_LAST_MOVE = 1054;
constexpr int IDC_MOVE_CHOICES = 1055;

// Text limits of the edits, in GBK bytes.
constexpr int INFO_TEXT_LIMIT = 32;
constexpr int NOTES_TEXT_LIMIT = 1024;
// The record text put on the clipboard holds at most this many bytes.
constexpr int RECORD_TEXT_CAPACITY = 65536;

class GameInfoWindow final : public ToolWindow {
public:
    static GameInfoWindow& instance();

    const GameInfo& info() const { return info_; }
    // The program's texts (a new game, an opened file): shown, not edits.
    void setInfo(const GameInfo& info);
    void setResultText(const std::string& text);

    // The idle step: the list follows the record, the mark and the notes
    // follow the current ply.
    void idle();
    // The whole record as numbered text on the clipboard.
    void copyRecord();

    // ---- what the list does (also for tests) ----
    void doubleClicked(int row, int column);
    void scrollAction(int action, int sliderPosition, bool thumbHeld);
    void scrollReleased();
    int markedPly() const { return marked; }
    // The alternatives listed at the position shown (0 when it has one move
    // or none) and the chosen one's place (0 the main continuation).
    int choiceCount() const { return choices ? choices->count() : 0; }
    int chosenChoice() const { return choices ? choices->chosen() : -1; }
    // The review wrote into the comments: the notes box and the marks are
    // shown again.
    void commentsChanged();

private:
    GameInfoWindow();
    void createControls() override;
    bool onInitialise() override;
    void onCommand(int id, int code) override;

    struct Shown {
        PackedMove move;
        BoardPiece captured;
        std::string text;  // GBK move text, without the mark
        std::string_view review;  // the review's suffix (?!, ?, ??) from the comment
    };

    void fillControls();
    void editChanged(int id);
    void notesChanged();
    void showNotes();
    void syncList();
    void writeCell(int ply);
    void moveMark(int ply);
    void updateScrollBar();
    void goTo(int target);
    void contextMenu(QPoint at);
    bool recordKey(int key);
    void enterChoice(int place);
    bool lineChangeRefused() const;
    std::string* textOf(int id);

    GameInfo info_;
    std::unique_ptr<MoveChoiceList> choices;
    std::vector<Shown> shown;
    Board90 shownStart{};
    Side shownStartSide = SIDE_RED;
    MoveNotation shownNotation = MoveNotation::Chinese;  // the notation of the texts shown
    int marked = 0;
    int refreshedPly = 0;
    int notesPly = 0;
    bool tracking = false;
    bool filling = false;
};
