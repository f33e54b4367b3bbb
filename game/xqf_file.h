// Reading XQF records: the binary record format of Chinese record-keeping
// programs, every version up to 0x12, plain and (from 0x0B on) obfuscated.
// One file is one start position, a few header texts and a tree of moves;
// the program keeps the whole tree with every comment.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "game/game_document.h"

// What an XQF file holds besides the document, for tools and tests.
struct XqfSummary {
    int version = 0;
    int variations = 0;   // alternatives to a move in the tree kept
    int treeMoves = 0;    // every move the file holds, the main line included
    int comments = 0;     // nodes with a comment, the start position included
    int keptMoves = 0;    // the moves of the tree kept
    int cutBranches = 0;  // branches cut at a move the rules refuse
};

// Reads the XQF file at path into doc: 0 read, 1 cannot open, 2 bad content
// (truncated, lengths past the end, an impossible position, a main-line
// move the rules refuse, a tree or a game the program cannot hold). On 1
// and 2 doc is unchanged and message (GBK) says why.
// The header's Red, Black, date and site fill the game information, its
// result byte the result; the title, event, commentator, the comment on
// the start position and, when branches were cut at a move the rules
// refuse, "N 个变着含不合规则的着法，已略去" make the notes. doc.tree holds
// the whole tree, doc.moves its main line; every move keeps its comment.
int importXqf(const std::string& path, GameDocument& doc, std::string& message, XqfSummary* summary = nullptr);

// The same for the bytes of a file.
int decodeXqf(std::span<const std::uint8_t> file, GameDocument& doc, std::string& message,
              XqfSummary* summary = nullptr);
