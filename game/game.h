// The one game being played: current and start position, the record with
// its redo tail, the result, the file name and the unsaved-changes flag,
// and the hand-off to the thinking engine. Runs on the user-interface
// thread only; talks to the shell through ShellPort and judges every move
// with plainEngine().
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/types.h"
#include "game/game_document.h"
#include "game/game_clocks.h"
#include "game/game_end.h"
#include "game/game_info.h"
#include "game/iteration_feed.h"
#include "game/move_tree.h"
#include "game/shell_port.h"

class OutsideEngine;
struct OutsideSearch;
struct PgnCollection;

// One move of the record.
struct RecordEntry {
    PackedMove move = 0;
    BoardPiece captured = NO_PIECE;  // what stood on the to cell before the move
    std::string comment;             // GBK
};

enum GameMode : int {
    MODE_HUMAN_COMPUTER = 1,
    MODE_TWO_HUMANS = 2,
    MODE_DEMO = 3,
};

enum Level : int {
    LEVEL_BEGINNER = 1,
    LEVEL_INTERMEDIATE = 2,
    LEVEL_ADVANCED = 3,
    LEVEL_CUSTOM = 4,
};

// The seconds a move of the fixed levels, by Level (the custom level's are the player's).
inline constexpr std::int16_t LEVEL_SECONDS[4] = {0, 2, 6, 18};

// What the thinking engine is doing, as the shell shows it.
enum ThinkingStatus : int {
    THINKING_IDLE = 1,
    THINKING_MOVE = 2,
    THINKING_ANALYSIS = 3,
    THINKING_PONDER = 4,
};

class Game {
public:
    // The program's game. Tests may build their own.
    static Game& instance();
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The shell to talk to; attached before the first game starts.
    void attachShell(ShellPort* port);
    ShellPort& shell() const { return *shellPort; }

    // ---- accessors ----
    const Board90& board() const { return board_; }
    const Board90& startBoard() const { return startBoard_; }
    Side sideToMove() const { return sideToMove_; }
    Side startSide() const { return startSide_; }
    int moveCount() const { return moveCount_; }
    int recordSize() const { return static_cast<int>(record.size()); }
    const RecordEntry* recordEntry(int i) const;
    GameResult result() const { return result_; }
    // The result the game's record states (GBK: 红方胜, 黑方胜, 和棋 or a
    // record's own text) while the game is still the record's: the game
    // information shows it where the rules see the game in play, and saving
    // keeps it. Empty once a move the record does not hold is played.
    const std::string& statedResult() const { return statedResult_; }
    const std::string& fileName() const { return fileName_; }
    // The record an untitled game was read from (its title names it); empty
    // when it came from none.
    const std::string& recordSource() const { return recordSource_; }
    bool modified() const { return modified_; }
    bool isSetupOpen() const { return shellPort->isSetupOpen(); }
    int lastCaptureCount() const { return lastCaptureCount_; }

    // ---- record (game_record.cpp) ----
    // Each returns false, changing nothing, when the record is locked (or,
    // for a move, when the rules or the user refuse it).
    bool makeMove(PackedMove move);
    bool tryUserMove(PackedMove move);
    bool undo();
    bool redo();
    bool goToPly(int n);
    // The comment of ply i of the line shown (0 the first move), GBK. A
    // comment is not the record's moves: a lock does not hold it.
    void setComment(int ply, const std::string& text);

    // ---- the record lock (record_lock.cpp) ----
    // A long job (a review) holds the record while it reads it: every
    // change of the record's moves or of the position shown is refused
    // then, telling the user the holder's reason (GBK).
    void lockRecord(const std::string& reason);
    void unlockRecord();
    bool recordLocked() const { return recordLocked_; }
    // True, after telling the user why, when the record is locked; commands
    // ask it before their own questions (the save prompt).
    bool refuseRecordChange() const;

    // ---- the record's tree (game_tree.cpp) ----
    // The record is a tree of moves; the record entries above are the line
    // being shown (the path to the position shown and its redo tail), so
    // that undo, redo and goToPly step along it.
    const MoveTree& tree() const { return tree_; }
    // The tree's node of ply i of the line shown (0 the first move);
    // MoveTree::ROOT for i < 0, NONE past the line.
    int lineNode(int i) const;
    int currentNode() const { return lineNode(moveCount_ - 1); }
    bool hasVariations() const { return tree_.variationCount() > 0; }
    // Shows the line through node (carried on along main continuations),
    // at node's position.
    bool goToNode(int node);
    // Steps into the k-th move after the position shown (0: the main
    // continuation); false when there is none.
    bool enterVariation(int k);
    // Tree edits: each keeps the position shown when it is still in the
    // tree, else shows the position before the removed move.
    bool promoteVariation(int node);
    bool makeMainLine(int node);
    bool removeVariation(int node);
    void setNodeComment(int node, const std::string& text);
    // Adds move beside move i of the line shown (a new child of the same
    // position, after the others; an existing child playing it is kept) and
    // leaves the line as it is. Returns the variation's node; NONE when i is
    // off the line, the move is the line's own or the tree is full.
    int addVariation(int i, PackedMove move);
    // 保留变着: a move played at a past ply becomes a variation and the old
    // continuation stays. The game's own choice, and the one a new game
    // starts with (the stored setting); opening a record turns it on for
    // that game.
    bool keepVariations() const { return keepVariations_; }
    bool keepVariationsByDefault() const { return keepVariationsDefault; }
    void setKeepVariations(bool on);

    // ---- game life (game.cpp) ----
    void newGame();
    void enterSetup();
    // 取消 in set-up: the game comes back as enterSetup found it (record,
    // position, title, unsaved mark, information, board rotation); false
    // when no set-up is waiting to be cancelled.
    bool cancelSetup();
    void setBoard(const Board90& board, Side side);
    void commitStartPosition();
    GameResult checkResult() const;
    // Why the position ends the game (or not), under the game's rulings.
    GameEnd judgeEnd() const;
    // The end as updateResult last found it.
    const GameEnd& lastEnd() const { return lastEnd_; }
    // 设置 → 重复局面裁决: off (不裁决, the original game), or the Asian
    // rules (亚洲规则) on a position that occurs the third time.
    bool repetitionRulings() const { return repetitionRulings_; }
    void setRepetitionRulings(bool on);
    void updateResult();
    void idle();
    std::uint64_t positionKey() const;
    void setTitle(const std::string& path);
    // Untitled ("未命名"), the title naming the record the game came from:
    // "Morlan - 未命名 (name.pgn)".
    void setTitleFromRecord(const std::string& sourcePath);
    void setModified(bool flag);

    // ---- time controls (game_time.cpp) ----
    // 设置 → 时限: each side's control, 不限时 (Unlimited) by default. A new
    // control takes effect at once: both clocks start afresh.
    const TimeControl& timeControl(Side side) const { return clocks_.control(side); }
    void setTimeControls(const TimeControl& red, const TimeControl& black);
    const GameClocks& clocks() const { return clocks_; }
    // Whether the clock of the side to move runs: the game is in play at
    // the end of its record, no job holds the record, set-up is closed, no
    // slide runs and no dialog of the program's own holds the board.
    bool clockRuns() const;
    // A modal dialog of the program is open: the clocks stop until the
    // next idle pass (which no modal dialog lets run).
    void holdClocks();
    // Where the clocks read the time (steadyMillis unless a test gives its own).
    void setClockSource(std::int64_t (*source)()) { clockSource_ = source; }
    std::int64_t clockNow() const { return clockSource_(); }

    // ---- files and settings (game_io.cpp, game_settings.cpp) ----
    // Opens a game file (.sav), a text record (.txt), the first game of a
    // PGN collection (.pgn, .pgn.gz) or an XQF record (.xqf); any other
    // name is tried as a game file, then as a text record. A record from
    // the world (PGN, XQF) becomes an untitled game whose title names the
    // file it came from, so that saving asks for a name and never writes
    // over it. On failure a message is shown and the game stays as it was;
    // returns whether the game was replaced. The save prompt is the
    // shell's, before the call.
    bool openFile(const std::string& path);
    // Opens game number index (1 for the first) of the PGN collection at
    // path, as openFile opens its first one.
    bool openRecordGame(const std::string& path, int index);
    // The same for a game of a collection already read from path.
    bool openCollectionGame(const std::string& path, const PgnCollection& collection, int index);
    // Opens a game read from elsewhere (a games database) as openRecordGame
    // opens one; sourcePath names where it came from in the title. A game
    // the program cannot hold is reported and changes nothing.
    bool openDocument(GameDocument doc, const std::string& sourcePath);
    // Saves by the path's extension: .sav a game file, .pgn one PGN game,
    // anything else a text record. A failed write is reported and leaves
    // the title and the unsaved-changes mark as they were.
    bool saveFile(const std::string& path);
    // Starts a new, untitled game from a pasted FEN. A text that is not a
    // FEN, or a position set-up would refuse, is reported with set-up's
    // messages and changes nothing; returns whether the game was replaced.
    bool newGameFromFen(const std::string& fen);
    void saveSettings();
    void loadSettings();
    // The program is being ended without a chance to ask (SIGTERM, SIGHUP):
    // writes the game, unasked, to a new file in folder named by the local
    // date and time ("恢复-20261209-103100.sav"; .pgn when it has
    // variations), and the next saveSettings names it so that the next start
    // can say where it is. The title and the unsaved mark stay. Answers the
    // file's path, empty when it could not be written.
    std::string saveRecovery(const std::string& folder);
    // After start-up: says where the recovery file the settings named is,
    // once; the settings then forget it.
    void announceRecovery();

    // ---- computer play (computer_play.cpp) ----
    void resumePlay();
    void computerMove();
    void analyse();
    void moveNow();
    void stopThinking();
    void startPondering();
    void onComputerMoveFound();
    void onAnalysisDone();
    void onPonderDone();
    // The board view calls this when the slide of a computer move ends. It
    // shows the move; demo play goes on from the next idle(), after that
    // pass has judged the new position.
    void onComputerMoveShown();
    ThinkingStatus thinkingStatus() const;
    GameMode mode() const;
    void setMode(int mode);
    Level level() const;
    void setLevel(int level);
    bool computerPlaysRed() const;
    void setComputerSide(Side side);
    void setUseBook(bool use);
    void setPonderEnabled(bool enabled);
    // Ends a running move animation because something else needs the board
    // (the shell's undo and redo commands end a slide through this too): a
    // computer move cut short this way is shown, but demo play does not go
    // on from it.
    void finishAnimation();

    // ---- engines outside the program (computer_play.cpp) ----
    // The engines that play and analyse in place of the built-in one; null
    // for the built-in engine. A search running on an engine that is
    // replaced is abandoned.
    void setOutsideEngines(OutsideEngine* player, OutsideEngine* analyst);
    OutsideEngine* outsidePlayer() const { return outsidePlayer_; }
    OutsideEngine* outsideAnalyst() const { return outsideAnalyst_; }
    // The engine running a search for the game, null when none runs.
    OutsideEngine* outsideSearching() const { return outsideBusy; }
    // An outside engine's answer to a move search. It waits for the next
    // idle pass, as the built-in engine's waits for its poll (so never
    // under an open question); there it is judged by the rule book, played
    // and slid like the built-in engine's. An answer from an engine that is
    // no longer searching for the game by then is dropped.
    void onOutsideMoveFound(OutsideEngine* from, PackedMove move);
    // An outside engine failed: it is dropped from its roles and the
    // built-in engine takes over the search it was running.
    void onOutsideEngineFailed(OutsideEngine* engine);

private:
    // The record's changes themselves, asking no lock.
    void addMove(PackedMove move);
    void stepBack();
    void stepForward();
    void showPly(int n);
    bool openImportedGame(const std::string& path, int loaded, const GameDocument& doc, const std::string& detail);
    void clearRecord();
    void addRulingComment(GameDocument& doc) const;
    void addClocks(GameDocument& doc) const;
    void showLine(const std::vector<int>& nodes, int ply);
    void syncLineComments();
    bool tailWorthAsking() const;
    void replaceGame(const GameDocument& doc);
    GameDocument documentToSave(bool withTree) const;
    bool textRecordAgreed(const GameDocument& doc);
    void startReplacedGame();
    void resetGameInfo();
    void settleBoard();
    void loadThinkingPosition();
    void ponderIfDue(std::uint64_t key);
    void forwardIteration();
    void unhookIterations();
    void startThinking(bool analysis);
    bool continueDemoIfDue();
    bool startOutsideSearch(OutsideEngine* engine, bool analysis);
    void playComputerMove(PackedMove m);
    void playOutsideAnswer();
    void abandonOutsideSearch();
    void restartClocks();
    void clockMove(Side mover);
    void updateClocks();
    void endOnTime(Side loser);
    std::int32_t clockLimitMs() const;

    ShellPort* shellPort = nullptr;
    std::string fileName_;
    std::string recordSource_;
    bool modified_ = false;
    GameResult result_ = RESULT_IN_PLAY;
    std::string statedResult_;
    std::string recoveryFile;     // written this run, for the settings (absolute, GBK)
    std::string recoveryToAnnounce;  // named by the settings read at start
    Board90 startBoard_ = INITIAL_BOARD;
    Side startSide_ = SIDE_RED;
    Board90 board_ = INITIAL_BOARD;
    Side sideToMove_ = SIDE_RED;
    std::vector<RecordEntry> record;
    MoveTree tree_;
    std::vector<int> lineNodes;  // the tree's node of each record entry
    bool recordLocked_ = false;
    std::string lockReason;
    bool keepVariations_ = false;
    bool repetitionRulings_ = false;
    GameEnd lastEnd_;
    GameClocks clocks_;
    std::int64_t (*clockSource_)() = steadyMillis;
    bool clocksHeld_ = false;
    // The side whose flag fell on a move, until the idle pass ends the game.
    std::optional<Side> flagOnMove_;
    // The game ended on time: a later look at the position does not undo it.
    bool endedOnTime_ = false;
    bool keepVariationsDefault = false;
    bool keepOnce = false;  // the next move becomes a variation whatever the setting
    bool tailFromRecord = false;  // the game's moves came from a file
    int moveCount_ = 0;
    bool analysing = false;
    int lastCaptureCount_ = 0;
    std::uint64_t lastKey = 0;
    // Demo play goes on from the next idle pass after a computer move was shown.
    bool demoContinuationDue = false;
    bool forcingAnimationEnd = false;
    // A job of the thinking engine will call back into this game.
    bool engineJobOut = false;
    OutsideEngine* outsidePlayer_ = nullptr;
    OutsideEngine* outsideAnalyst_ = nullptr;
    // The outside engine searching for the game, and the one whose move the
    // board shows last (null: the built-in engine's).
    OutsideEngine* outsideBusy = nullptr;
    OutsideEngine* movedBy = nullptr;
    // An outside engine's answer waiting for the idle pass.
    OutsideEngine* answerFrom = nullptr;
    PackedMove answer = 0;
    // The game as enterSetup found it, for 取消.
    struct BeforeSetup {
        std::string fileName;
        std::string recordSource;
        std::string title;
        bool modified = false;
        GameResult result = RESULT_IN_PLAY;
        Board90 startBoard{};
        Side startSide = SIDE_RED;
        Board90 board{};
        Side side = SIDE_RED;
        std::vector<RecordEntry> record;
        MoveTree tree;
        std::vector<int> lineNodes;
        bool keepVariations = false;
        bool keepOnce = false;
        bool tailFromRecord = false;
        int moveCount = 0;
        int lastCaptureCount = 0;
        GameInfo info;
        bool reversed = false;
    };
    std::optional<BeforeSetup> beforeSetup;
    // The built-in engine's iterations while it analyses.
    IterationFeed iterations;
    bool iterationsHooked = false;
};
