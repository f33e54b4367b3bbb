// Reading game collections in PGN with moves in Chinese notation, as game
// databases publish them: plain or gzip-compressed, UTF-8 or GBK, in
// simplified or traditional characters. Every move text comes out as the
// GBK simplified notation that parseMove reads; judging the moves is left
// to the caller (judgeTextMoves).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/types.h"
#include "game/move_tree.h"

// What one game of a collection may hold: more is refused (error), so that
// a damaged or hostile file cannot fill the memory.
constexpr std::size_t PGN_MAX_MOVES = 32767;
constexpr std::size_t PGN_MAX_COMMENT_BYTES = 1 << 20;  // all of a game's main-line comments together
// The whole tree, variations included.
constexpr std::size_t PGN_MAX_TREE_MOVES = MOVE_TREE_MAX_MOVES;
constexpr std::size_t PGN_MAX_TREE_COMMENT_BYTES = 64u << 20;
constexpr std::size_t PGN_MAX_NESTING = MOVE_TREE_MAX_DEPTH;

// One move of a game's tree, as written: variations in parentheses follow
// the move they replace.
struct PgnTreeMove {
    int parent = -1;  // index of the move it answers in treeMoves; -1: the start
    int depth = 1;    // plies from the start
    std::string written;  // as the file wrote it
    std::string gbk;      // in GBK, not normalised
    std::string text;     // GBK simplified notation
    std::string comment;  // GBK; a comment before a variation's first move is that move's
};

struct PgnGame {
    int index = 0;  // 1 for the first game of the file
    // Tag names as written, values in GBK.
    std::vector<std::pair<std::string, std::string>> tags;
    Board90 startBoard = INITIAL_BOARD;  // from the FEN tag, else the standard start
    Side startSide = SIDE_RED;
    std::vector<std::string> moveTexts;     // GBK simplified notation
    std::vector<std::string> writtenTexts;  // the same moves as the file wrote them
    std::vector<std::string> gbkTexts;      // the same moves in GBK, not normalised
    // The comment in braces after each move (GBK; empty when none), one per
    // move, and the one before the first move.
    std::vector<std::string> comments;
    std::string openingComment;
    // How many moves the move text writes (also when only the tags were read).
    int writtenMoves = 0;
    // Every move of the game, the main line's (those above) and the
    // variations', in file order: a move's parent comes before it.
    std::vector<PgnTreeMove> treeMoves;
    // Why the game cannot be replayed (a bad FEN tag, comments or moves past
    // what a game may hold), in GBK; empty when none.
    std::string error;

    // The value of the first tag of that name; empty when there is none.
    std::string tag(std::string_view name) const;
};

// Turns one move as a collection writes it into GBK simplified notation:
// traditional forms (車 馬 將 帥 進 後 砲 俥 傌) become simplified, ASCII
// digits become the numerals of the side to move, and a piece name of the
// other side's set (士 for 仕, 象 for 相, 卒 for 兵, 将 for 帅, and back)
// becomes the name of the side the text's numerals belong to.
std::string normalizeMoveText(std::string_view gbk, Side sideToMove);

class PgnReader {
public:
    PgnReader();
    ~PgnReader();
    PgnReader(const PgnReader&) = delete;
    PgnReader& operator=(const PgnReader&) = delete;

    // Opens a collection; false, with error() telling why (GBK), when it cannot.
    bool open(const std::string& path);
    // Reads a collection held in memory, as a file would hold it.
    void openText(std::string text);
    // Reads a text the caller keeps unchanged until the reader is done.
    void openView(std::string_view text);
    // Reads the next game; false at the end of the file, or when the file
    // cannot be read on (error() is then not empty).
    bool next(PgnGame& game);
    const std::string& error() const { return failure; }
    // From now on reads only the tags a listing shows (Event, Red, Black,
    // Date, Result, FEN) and counts the moves without reading them: the
    // games found and their tags are the same as a full read's.
    void setTagsOnly(bool on) { tagsOnly = on; }
    // Games read so far (the next one's index less one).
    int gamesSoFar() const { return gamesRead; }
    // How far into the file (its bytes as stored, compressed or not) the reader is.
    long long fileOffset() const;
    // True when the file's text is UTF-8 (the written texts are then UTF-8).
    bool isUtf8() const;

private:
    struct Source;
    std::unique_ptr<Source> source;
    std::string failure;
    int gamesRead = 0;
    bool tagsOnly = false;

    bool readLine(std::string& line);
};
