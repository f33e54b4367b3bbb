// The texts the games database shows or reports (GBK), in one place.
#pragma once

// the database file cannot be opened: 无法打开棋库：%s
inline constexpr char GBK_DB_CANNOT_OPEN[] = "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA\xC6\xE5\xBF\xE2\xA3\xBA%s";
// a file that is not a database of this program: 这个文件不是棋库
inline constexpr char GBK_DB_NOT_A_DATABASE[] = "\xD5\xE2\xB8\xF6\xCE\xC4\xBC\xFE\xB2\xBB\xCA\xC7\xC6\xE5\xBF\xE2";
// a database of a later version: 这个棋库由更新的版本写成
inline constexpr char GBK_DB_NEWER[] = "\xD5\xE2\xB8\xF6\xC6\xE5\xBF\xE2\xD3\xC9\xB8\xFC\xD0\xC2\xB5\xC4\xB0\xE6\xB1\xBE\xD0\xB4\xB3\xC9";
// a write the database refused: 棋库写入失败：%s
inline constexpr char GBK_DB_WRITE_FAILED[] = "\xC6\xE5\xBF\xE2\xD0\xB4\xC8\xEB\xCA\xA7\xB0\xDC\xA3\xBA%s";
// a game of a file: the file, its number there: %s 第%d局
inline constexpr char GBK_DB_GAME_OF_FILE[] = "%s \xB5\xDA%d\xBE\xD6";
// Why a file cannot be read comes from the record readers (game/gbk.h).
