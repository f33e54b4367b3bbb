// The name 另存为 proposes: the game's own file's, else that of the record
// it was read from, else "红方 vs 黑方 日期" from its players and date (a
// player without a name is called by the side's name).
#pragma once

#include <QString>
#include <string>

struct GameInfo;

// fileName: the game's file (未命名 when none); recordSource: the record an
// untitled game was read from, or empty.
QString proposedSaveName(const std::string& fileName, const std::string& recordSource, const GameInfo& info);
