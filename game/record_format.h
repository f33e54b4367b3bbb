// The kinds of game record the program opens and saves, told apart by the
// file name's extension.
#pragma once

#include <string>

enum class RecordFormat {
    Sav,      // the program's own game file
    Txt,      // a text record in Chinese notation
    Pgn,      // a PGN collection (".pgn", or ".pgn.gz" compressed)
    Xqf,      // an XQF record (one game with its variation tree)
    Unknown,  // anything else: opened as a game file, else as a text record
};

// The format a path names by its extension, in any case.
RecordFormat recordFormatOf(const std::string& path);
