// Opening and saving games: the compressed game file (".sav", everything
// the game holds) and the text record (".txt", the moves in Chinese
// notation, read back from the initial position).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/file_access.h"
#include "game/game_document.h"

class GameFile {
public:
    // The program's one; other instances are for tests.
    static GameFile& instance();
    GameFile() = default;

    GameFile(const GameFile&) = delete;
    GameFile& operator=(const GameFile&) = delete;

    // The document held since the last successful load or setDocument; an
    // empty one when there is none.
    const GameDocument& document() const;
    bool hasDocument() const { return held.has_value(); }
    void setDocument(const GameDocument& doc) { held = doc; }

    // 0 loaded (the held document is the file's), 1 the file cannot be
    // opened, 2 not a game. On 1 and 2 the held document is unchanged.
    int load(const std::string& path);

    // Writes the held document: ".sav" (any case) as a game file, ".pgn" as
    // one PGN game, anything else as a text record. False when nothing is held, when a text
    // record would not read back as the held game (TxtRecord::loss), or when the file could not
    // be written; the old file is then as it was.
    bool save(const std::string& path);

    int readSav(const std::string& path);
    int readTxt(const std::string& path);
    bool writeSav(const std::string& path);
    bool writeTxt(const std::string& path);

    // Runs of bytes none of which is in separators; empty runs give nothing.
    static std::vector<std::string> splitTokens(const std::string& text, const std::string& separators);

    // Lets tests make writes fail part-way; empty means write(2).
    void setWriteFunction(WriteFunction write) { writeFunction = std::move(write); }

private:
    std::optional<GameDocument> held;
    WriteFunction writeFunction;
};
