// Every GBK text of the game layer, in one place, and the conversion
// between GBK and UTF-8.
//
// The program stores and writes all text as GBK (code page 936): every
// Chinese character, and every fullwidth digit, is two bytes. Source files
// are UTF-8, so each text here is written as byte escapes with its UTF-8
// form in the comment beside it. Conversion to UTF-8 happens only where
// text leaves for the desktop shell or arrives from a UTF-8 file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// ---- pieces, by BoardPiece kind ----
inline constexpr char GBK_RED_KING[] = "\xCB\xA7";        // 帅
inline constexpr char GBK_RED_ADVISOR[] = "\xCA\xCB";     // 仕
inline constexpr char GBK_RED_ELEPHANT[] = "\xCF\xE0";    // 相
inline constexpr char GBK_HORSE[] = "\xC2\xED";           // 马
inline constexpr char GBK_ROOK[] = "\xB3\xB5";            // 车
inline constexpr char GBK_CANNON[] = "\xC5\xDA";          // 炮
inline constexpr char GBK_RED_PAWN[] = "\xB1\xF8";        // 兵
inline constexpr char GBK_BLACK_KING[] = "\xBD\xAB";      // 将
inline constexpr char GBK_BLACK_ADVISOR[] = "\xCA\xBF";   // 士
inline constexpr char GBK_BLACK_ELEPHANT[] = "\xCF\xF3";  // 象
inline constexpr char GBK_BLACK_PAWN[] = "\xD7\xE4";      // 卒

// By BoardPiece code 0..13; Red's names are entries 0..6, Black's 7..13.
inline constexpr const char* PIECE_NAMES[14] = {
    GBK_RED_KING, GBK_RED_ADVISOR, GBK_RED_ELEPHANT, GBK_HORSE, GBK_ROOK, GBK_CANNON, GBK_RED_PAWN,
    GBK_BLACK_KING, GBK_BLACK_ADVISOR, GBK_BLACK_ELEPHANT, GBK_HORSE, GBK_ROOK, GBK_CANNON, GBK_BLACK_PAWN,
};

// ---- numerals: Red counts its files in Chinese numerals, Black in fullwidth digits ----
inline constexpr const char* RED_NUMERALS[9] = {
    "\xD2\xBB",  // 一
    "\xB6\xFE",  // 二
    "\xC8\xFD",  // 三
    "\xCB\xC4",  // 四
    "\xCE\xE5",  // 五
    "\xC1\xF9",  // 六
    "\xC6\xDF",  // 七
    "\xB0\xCB",  // 八
    "\xBE\xC5",  // 九
};
inline constexpr const char* BLACK_NUMERALS[9] = {
    "\xA3\xB1",  // １
    "\xA3\xB2",  // ２
    "\xA3\xB3",  // ３
    "\xA3\xB4",  // ４
    "\xA3\xB5",  // ５
    "\xA3\xB6",  // ６
    "\xA3\xB7",  // ７
    "\xA3\xB8",  // ８
    "\xA3\xB9",  // ９
};

// ---- the words of a move ----
inline constexpr char GBK_FRONT[] = "\xC7\xB0";     // 前
inline constexpr char GBK_BACK[] = "\xBA\xF3";      // 后
inline constexpr char GBK_MIDDLE[] = "\xD6\xD0";    // 中 (the middle one of three on a file)
inline constexpr char GBK_FORWARD[] = "\xBD\xF8";   // 进
inline constexpr char GBK_BACKWARD[] = "\xCD\xCB";  // 退
inline constexpr char GBK_SIDEWAYS[] = "\xC6\xBD";  // 平

// ---- game results, by GameResult ----
inline constexpr char GBK_IN_PLAY[] = "\xB6\xD4\xDE\xC4\xD6\xD0";    // 对弈中
inline constexpr char GBK_RED_WINS[] = "\xBA\xEC\xB7\xBD\xCA\xA4";   // 红方胜
inline constexpr char GBK_BLACK_WINS[] = "\xBA\xDA\xB7\xBD\xCA\xA4"; // 黑方胜
inline constexpr char GBK_DRAW[] = "\xBA\xCD\xC6\xE5";               // 和棋

// ---- repetition rulings (the side's name comes first) ----
inline constexpr char GBK_RED_SIDE[] = "\xBA\xEC\xB7\xBD";    // 红方
inline constexpr char GBK_BLACK_SIDE[] = "\xBA\xDA\xB7\xBD";  // 黑方
// 长将，判负
inline constexpr char GBK_PERPETUAL_CHECK_LOSES[] = "\xB3\xA4\xBD\xAB\xA3\xAC\xC5\xD0\xB8\xBA";
// 长捉，判负
inline constexpr char GBK_PERPETUAL_CHASE_LOSES[] = "\xB3\xA4\xD7\xBD\xA3\xAC\xC5\xD0\xB8\xBA";
// 长捉须由裁判判定，判和
inline constexpr char GBK_CHASE_NEEDS_JUDGE[] =
    "\xB3\xA4\xD7\xBD\xD0\xEB\xD3\xC9\xB2\xC3\xC5\xD0\xC5\xD0\xB6\xA8\xA3\xAC\xC5\xD0\xBA\xCD";
// 重复局面判和
inline constexpr char GBK_REPETITION_DRAWN[] = "\xD6\xD8\xB8\xB4\xBE\xD6\xC3\xE6\xC5\xD0\xBA\xCD";
// 超时，判负 (after the side's name)
inline constexpr char GBK_TIME_LOSES[] = "\xB3\xAC\xCA\xB1\xA3\xAC\xC5\xD0\xB8\xBA";
// 超时，对方无进攻子力，判和 (after the side's name)
inline constexpr char GBK_TIME_DRAWN[] =
    "\xB3\xAC\xCA\xB1\xA3\xAC\xB6\xD4\xB7\xBD\xCE\xDE\xBD\xF8\xB9\xA5\xD7\xD3\xC1\xA6\xA3\xAC\xC5\xD0\xBA\xCD";

// ---- texts the game hands to the shell ----
inline constexpr char GBK_UNTITLED[] = "\xCE\xB4\xC3\xFC\xC3\xFB";  // 未命名
inline constexpr char GBK_CAPTION_ERROR[] = "\xB4\xED\xCE\xF3";      // 错误
inline constexpr char GBK_CAPTION_NOTICE[] = "\xCC\xE1\xCA\xBE";     // 提示
// 将(帅)被将军
inline constexpr char GBK_KING_IN_CHECK[] = "\xBD\xAB(\xCB\xA7)\xB1\xBB\xBD\xAB\xBE\xFC";
// %d年%d月%d日 (year, month 1..12, day)
inline constexpr char GBK_DATE_FORMAT[] = "%d\xC4\xEA%d\xD4\xC2%d\xC8\xD5";
// 年, 月, 日: the marks of a date as GBK_DATE_FORMAT writes it
inline constexpr char GBK_YEAR_MARK[] = "\xC4\xEA";
inline constexpr char GBK_MONTH_MARK[] = "\xD4\xC2";
inline constexpr char GBK_DAY_MARK[] = "\xC8\xD5";
// 日期： (a game's date that is no calendar date, kept in a PGN comment)
inline constexpr char GBK_DATE_LABEL[] = "\xC8\xD5\xC6\xDA\xA3\xBA";
// 时限： (a record's time control, in its notes)
inline constexpr char GBK_TIME_CONTROL_LABEL[] = "\xCA\xB1\xCF\xDE\xA3\xBA";
// 玩家 (the person's side of a game against the computer, in a saved record)
inline constexpr char GBK_PLAYER[] = "\xCD\xE6\xBC\xD2";
// The computer's side of such a game.
inline constexpr char GBK_COMPUTER_PLAYER[] = "Morlan";
// 找不到文件 %s
inline constexpr char GBK_FILE_NOT_FOUND[] = "\xD5\xD2\xB2\xBB\xB5\xBD\xCE\xC4\xBC\xFE %s";
// %s 文件格式不正确
inline constexpr char GBK_BAD_FILE_FORMAT[] = "%s \xCE\xC4\xBC\xFE\xB8\xF1\xCA\xBD\xB2\xBB\xD5\xFD\xC8\xB7";
// 保存文件 %s 失败
inline constexpr char GBK_SAVE_FAILED[] = "\xB1\xA3\xB4\xE6\xCE\xC4\xBC\xFE %s \xCA\xA7\xB0\xDC";
// 上次程序结束时棋局尚未保存，已存到 %s (at start, after the program was ended by a signal)
inline constexpr char GBK_RECOVERY_SAVED[] = "\xC9\xCF\xB4\xCE\xB3\xCC\xD0\xF2\xBD\xE1\xCA\xF8\xCA\xB1\xC6\xE5\xBE\xD6\xC9\xD0\xCE\xB4\xB1\xA3\xB4\xE6\xA3\xAC\xD2\xD1\xB4\xE6\xB5\xBD %s";
// 恢复- (the start of a recovery file's name, before its date and time)
inline constexpr char GBK_RECOVERY_NAME[] = "\xBB\xD6\xB8\xB4-";
// 保存当前对局吗？
inline constexpr char GBK_ASK_SAVE[] = "\xB1\xA3\xB4\xE6\xB5\xB1\xC7\xB0\xB6\xD4\xBE\xD6\xC2\xF0\xA3\xBF";

// ---- positions pasted and records from other programs ----
// 棋子摆放不正确 (set-up's refusal of a set of pieces)
inline constexpr char GBK_BAD_PIECE_SET[] = "\xC6\xE5\xD7\xD3\xB0\xDA\xB7\xC5\xB2\xBB\xD5\xFD\xC8\xB7";
// 不是正确的 FEN 局面
inline constexpr char GBK_NOT_A_FEN[] = "\xB2\xBB\xCA\xC7\xD5\xFD\xC8\xB7\xB5\xC4 FEN \xBE\xD6\xC3\xE6";
// 第%d局 (game number in a collection)
inline constexpr char GBK_RECORD_GAME[] = "\xB5\xDA%d\xBE\xD6";
// 没有第%d局
inline constexpr char GBK_RECORD_NO_GAME[] = "\xC3\xBB\xD3\xD0\xB5\xDA%d\xBE\xD6";
// 第%d步 %s 不合规则 (ply, the move as written)
inline constexpr char GBK_RECORD_BAD_MOVE[] = "\xB5\xDA%d\xB2\xBD %s \xB2\xBB\xBA\xCF\xB9\xE6\xD4\xF2";
// 开局局面不合规则
inline constexpr char GBK_RECORD_BAD_START[] = "\xBF\xAA\xBE\xD6\xBE\xD6\xC3\xE6\xB2\xBB\xBA\xCF\xB9\xE6\xD4\xF2";
// 棋谱太大，无法保存
inline constexpr char GBK_RECORD_TOO_LARGE[] = "\xC6\xE5\xC6\xD7\xCC\xAB\xB4\xF3\xA3\xAC\xCE\xDE\xB7\xA8\xB1\xA3\xB4\xE6";
// 棋谱数据不完整或已损坏
inline constexpr char GBK_RECORD_DAMAGED[] = "\xC6\xE5\xC6\xD7\xCA\xFD\xBE\xDD\xB2\xBB\xCD\xEA\xD5\xFB\xBB\xF2\xD2\xD1\xCB\xF0\xBB\xB5";
// 不是 XQF 棋谱
inline constexpr char GBK_XQF_NOT_XQF[] = "\xB2\xBB\xCA\xC7 XQF \xC6\xE5\xC6\xD7";
// %d 个变着含不合规则的着法，已略去 (branches of a record's tree cut at a refused move)
inline constexpr char GBK_RECORD_CUT_BRANCHES[] = "%d \xB8\xF6\xB1\xE4\xD7\xC5\xBA\xAC\xB2\xBB\xBA\xCF\xB9\xE6\xD4\xF2\xB5\xC4\xD7\xC5\xB7\xA8\xA3\xAC\xD2\xD1\xC2\xD4\xC8\xA5";
// XQF 版本较新，按已知的版本读取 (a file from a newer program, read as the last known version)
inline constexpr char GBK_XQF_NEWER_VERSION[] = "XQF \xB0\xE6\xB1\xBE\xBD\xCF\xD0\xC2\xA3\xAC\xB0\xB4\xD2\xD1\xD6\xAA\xB5\xC4\xB0\xE6\xB1\xBE\xB6\xC1\xC8\xA1";
// 评注：
inline constexpr char GBK_XQF_COMMENTATOR[] = "\xC6\xC0\xD7\xA2\xA3\xBA";

// 放弃后面的 %d 步？
inline constexpr char GBK_DROP_TAIL[] = "\xB7\xC5\xC6\xFA\xBA\xF3\xC3\xE6\xB5\xC4 %d \xB2\xBD\xA3\xBF";
// 保留为变着
inline constexpr char GBK_KEEP_AS_VARIATION[] = "\xB1\xA3\xC1\xF4\xCE\xAA\xB1\xE4\xD7\xC5";
// 此格式只保存当前变着，其余变着将丢失。继续吗？
inline constexpr char GBK_SAVE_LINE_ONLY[] = "\xB4\xCB\xB8\xF1\xCA\xBD\xD6\xBB\xB1\xA3\xB4\xE6\xB5\xB1\xC7\xB0\xB1\xE4\xD7\xC5\xA3\xAC\xC6\xE4\xD3\xE0\xB1\xE4\xD7\xC5\xBD\xAB\xB6\xAA\xCA\xA7\xA1\xA3\xBC\xCC\xD0\xF8\xC2\xF0\xA3\xBF";
// 另存为 PGN
inline constexpr char GBK_SAVE_AS_PGN[] = "\xC1\xED\xB4\xE6\xCE\xAA PGN";
// 文本棋谱（.txt）不保存开始局面：这局棋从摆好的局面开始，存为 .txt 后将不能再打开。请另存为 .sav 或 PGN。
inline constexpr char GBK_TXT_LOSES_START[] = "\xCE\xC4\xB1\xBE\xC6\xE5\xC6\xD7\xA3\xA8.txt\xA3\xA9\xB2\xBB\xB1\xA3\xB4\xE6\xBF\xAA\xCA\xBC\xBE\xD6\xC3\xE6\xA3\xBA\xD5\xE2\xBE\xD6\xC6\xE5\xB4\xD3\xB0\xDA\xBA\xC3\xB5\xC4\xBE\xD6\xC3\xE6\xBF\xAA\xCA\xBC\xA3\xAC\xB4\xE6\xCE\xAA .txt \xBA\xF3\xBD\xAB\xB2\xBB\xC4\xDC\xD4\xD9\xB4\xF2\xBF\xAA\xA1\xA3\xC7\xEB\xC1\xED\xB4\xE6\xCE\xAA .sav \xBB\xF2 PGN\xA1\xA3";
// 这局棋的着法写成文本棋谱（.txt）后不能照原样读回。请另存为 .sav 或 PGN。
inline constexpr char GBK_TXT_LOSES_MOVES[] = "\xD5\xE2\xBE\xD6\xC6\xE5\xB5\xC4\xD7\xC5\xB7\xA8\xD0\xB4\xB3\xC9\xCE\xC4\xB1\xBE\xC6\xE5\xC6\xD7\xA3\xA8.txt\xA3\xA9\xBA\xF3\xB2\xBB\xC4\xDC\xD5\xD5\xD4\xAD\xD1\xF9\xB6\xC1\xBB\xD8\xA1\xA3\xC7\xEB\xC1\xED\xB4\xE6\xCE\xAA .sav \xBB\xF2 PGN\xA1\xA3";
// 另存为 .sav
inline constexpr char GBK_SAVE_AS_SAV[] = "\xC1\xED\xB4\xE6\xCE\xAA .sav";
// 保留变着 (the setting), 提升变着, 设为主变, 删除变着, 编辑注释 (the record list's menu)
inline constexpr char GBK_KEEP_VARIATIONS[] = "\xB1\xA3\xC1\xF4\xB1\xE4\xD7\xC5";
inline constexpr char GBK_PROMOTE_VARIATION[] = "\xCC\xE1\xC9\xFD\xB1\xE4\xD7\xC5";
inline constexpr char GBK_MAKE_MAIN_LINE[] = "\xC9\xE8\xCE\xAA\xD6\xF7\xB1\xE4";
inline constexpr char GBK_DELETE_VARIATION[] = "\xC9\xBE\xB3\xFD\xB1\xE4\xD7\xC5";
inline constexpr char GBK_EDIT_COMMENT[] = "\xB1\xE0\xBC\xAD\xD7\xA2\xCA\xCD";

// ---- a refused move named in a message ----
// 十, １０: the tenth rank, in Red's and in Black's numerals
inline constexpr char GBK_TEN[] = "\xCA\xAE";
inline constexpr char GBK_FULLWIDTH_TEN[] = "\xA3\xB1\xA3\xB0";
// %s路第%s行 (a point: the file, then the rank from the mover's own side)
inline constexpr char GBK_POINT[] = "%s\xC2\xB7\xB5\xDA%s\xD0\xD0";
// 棋盘外
inline constexpr char GBK_OFF_BOARD[] = "\xC6\xE5\xC5\xCC\xCD\xE2";
// %s从%s到%s (the piece, its point, the point it was sent to)
inline constexpr char GBK_MOVE_BY_POINTS[] = "%s\xB4\xD3%s\xB5\xBD%s";
// 从%s到%s（起点无子）
inline constexpr char GBK_MOVE_FROM_EMPTY[] = "\xB4\xD3%s\xB5\xBD%s\xA3\xA8\xC6\xF0\xB5\xE3\xCE\xDE\xD7\xD3\xA3\xA9";
// 无法识别的字节 %s (the bytes in hex)
inline constexpr char GBK_UNREADABLE_BYTES[] = "\xCE\xDE\xB7\xA8\xCA\xB6\xB1\xF0\xB5\xC4\xD7\xD6\xBD\xDA %s";

// ---- why a game of a collection cannot be read ----
// FEN 标记不是正确的局面
inline constexpr char GBK_PGN_BAD_FEN[] = "FEN \xB1\xEA\xBC\xC7\xB2\xBB\xCA\xC7\xD5\xFD\xC8\xB7\xB5\xC4\xBE\xD6\xC3\xE6";
// FEN 标记的局面棋子摆放不正确
inline constexpr char GBK_PGN_FEN_BAD_PIECES[] = "FEN \xB1\xEA\xBC\xC7\xB5\xC4\xBE\xD6\xC3\xE6\xC6\xE5\xD7\xD3\xB0\xDA\xB7\xC5\xB2\xBB\xD5\xFD\xC8\xB7";
// 着法太多，一局棋容纳不下
inline constexpr char GBK_PGN_TOO_MANY_MOVES[] = "\xD7\xC5\xB7\xA8\xCC\xAB\xB6\xE0\xA3\xAC\xD2\xBB\xBE\xD6\xC6\xE5\xC8\xDD\xC4\xC9\xB2\xBB\xCF\xC2";
// 变着太长，一局棋容纳不下
inline constexpr char GBK_PGN_LINE_TOO_LONG[] = "\xB1\xE4\xD7\xC5\xCC\xAB\xB3\xA4\xA3\xAC\xD2\xBB\xBE\xD6\xC6\xE5\xC8\xDD\xC4\xC9\xB2\xBB\xCF\xC2";
// 注释太长，一局棋容纳不下
inline constexpr char GBK_PGN_COMMENTS_TOO_LONG[] = "\xD7\xA2\xCA\xCD\xCC\xAB\xB3\xA4\xA3\xAC\xD2\xBB\xBE\xD6\xC6\xE5\xC8\xDD\xC4\xC9\xB2\xBB\xCF\xC2";
// 无法打开文件：%s (the reason)
inline constexpr char GBK_CANNOT_OPEN_BECAUSE[] = "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xA3\xBA%s";
// 读取文件出错，文件可能已损坏
inline constexpr char GBK_READ_FAILED[] = "\xB6\xC1\xC8\xA1\xCE\xC4\xBC\xFE\xB3\xF6\xB4\xED\xA3\xAC\xCE\xC4\xBC\xFE\xBF\xC9\xC4\xDC\xD2\xD1\xCB\xF0\xBB\xB5";
// 不是棋谱文件; %s 不是棋谱文件 (a file of no record format)
inline constexpr char GBK_NOT_A_RECORD[] = "\xB2\xBB\xCA\xC7\xC6\xE5\xC6\xD7\xCE\xC4\xBC\xFE";
inline constexpr char GBK_FILE_NOT_A_RECORD[] = "%s \xB2\xBB\xCA\xC7\xC6\xE5\xC6\xD7\xCE\xC4\xBC\xFE";

// ---- why the system refused to open or write a file ----
inline constexpr char GBK_REASON_NO_PERMISSION[] = "\xC3\xBB\xD3\xD0\xC8\xA8\xCF\xDE";               // 没有权限
inline constexpr char GBK_REASON_DISK_FULL[] = "\xB4\xC5\xC5\xCC\xD2\xD1\xC2\xFA";                   // 磁盘已满
inline constexpr char GBK_REASON_NO_FOLDER[] = "\xCE\xC4\xBC\xFE\xBC\xD0\xB2\xBB\xB4\xE6\xD4\xDA";       // 文件夹不存在
inline constexpr char GBK_REASON_READ_ONLY[] = "\xB4\xC5\xC5\xCC\xD6\xBB\xB6\xC1";                   // 磁盘只读
inline constexpr char GBK_REASON_NO_FILE[] = "\xCE\xC4\xBC\xFE\xB2\xBB\xB4\xE6\xD4\xDA";               // 文件不存在
inline constexpr char GBK_REASON_IS_FOLDER[] = "\xD5\xE2\xCA\xC7\xD2\xBB\xB8\xF6\xCE\xC4\xBC\xFE\xBC\xD0"; // 这是一个文件夹
inline constexpr char GBK_REASON_NAME_TOO_LONG[] = "\xCE\xC4\xBC\xFE\xC3\xFB\xCC\xAB\xB3\xA4";         // 文件名太长
inline constexpr char GBK_REASON_SYSTEM[] = "\xCF\xB5\xCD\xB3\xB4\xED\xCE\xF3 %d";                   // 系统错误 %d
inline constexpr char GBK_REASON_UNKNOWN[] = "\xD4\xAD\xD2\xF2\xB2\xBB\xC3\xF7";                     // 原因不明

// ---- the review ----
// 引擎不接受这个局面
inline constexpr char GBK_REVIEW_ENGINE_REFUSED[] = "\xD2\xFD\xC7\xE6\xB2\xBB\xBD\xD3\xCA\xDC\xD5\xE2\xB8\xF6\xBE\xD6\xC3\xE6";
// 棋谱第%d步不合规则; 引擎现在不能分析; 引擎出错
inline constexpr char GBK_REVIEW_ILLEGAL_MOVE[] = "\xC6\xE5\xC6\xD7\xB5\xDA%d\xB2\xBD\xB2\xBB\xBA\xCF\xB9\xE6\xD4\xF2";
inline constexpr char GBK_REVIEW_ENGINE_BUSY[] = "\xD2\xFD\xC7\xE6\xCF\xD6\xD4\xDA\xB2\xBB\xC4\xDC\xB7\xD6\xCE\xF6";
inline constexpr char GBK_REVIEW_ENGINE_FAILED[] = "\xD2\xFD\xC7\xE6\xB3\xF6\xB4\xED";
// 起始局面
inline constexpr char GBK_REVIEW_START_POSITION[] = "\xC6\xF0\xCA\xBC\xBE\xD6\xC3\xE6";
// %s：判断 %d 步，失误 %d 步（%s %d，%s %d，%s %d），%s %d，平均损失 %.1f
// (the side; judged, mistakes; each kind of mistake with its count; book moves; average loss)
inline constexpr char GBK_REVIEW_SIDE_SUMMARY[] =
    "%s\xA3\xBA\xC5\xD0\xB6\xCF %d \xB2\xBD\xA3\xAC\xCA\xA7\xCE\xF3 %d \xB2\xBD\xA3\xA8%s %d\xA3\xAC%s %d\xA3\xAC%s "
    "%d\xA3\xA9\xA3\xAC%s %d\xA3\xAC\xC6\xBD\xBE\xF9\xCB\xF0\xCA\xA7 %.1f";

// ---- GBK <-> UTF-8 (glibc iconv) ----

// A byte of 0x81..0xFE starts a two-byte GBK character.
constexpr bool isGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Converts the whole text. On success fills out and returns true. On bad
// input (a byte sequence that is not a character of the source encoding, a
// character the target cannot hold, or a character cut off at the end)
// returns false, leaves out unchanged and, when badOffset is given, stores
// the offset of the first offending input byte there.
bool gbkToUtf8(std::string_view gbk, std::string& out, std::size_t* badOffset = nullptr);
bool utf8ToGbk(std::string_view utf8, std::string& out, std::size_t* badOffset = nullptr);

// Never fail: bad GBK bytes become U+FFFD, UTF-8 that GBK cannot hold
// (or that is not UTF-8) becomes '?'. For showing text whatever it holds.
std::string gbkToUtf8Lossy(std::string_view gbk);
std::string utf8ToGbkLossy(std::string_view utf8);

// True when the text is well-formed UTF-8 (no overlong forms, no
// surrogates). A sequence cut off at the very end counts as well-formed
// when allowTruncatedEnd is set, so that a prefix of a file can be sniffed.
bool isValidUtf8(std::string_view text, bool allowTruncatedEnd = false);

// One open conversion, for converting many pieces of text in a row.
class TextConverter {
public:
    enum Direction { GBK_TO_UTF8, UTF8_TO_GBK };
    explicit TextConverter(Direction direction);
    ~TextConverter();
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    // False when the system has no GBK converter; every conversion then fails.
    bool available() const;
    bool convert(std::string_view in, std::string& out, std::size_t* badOffset = nullptr);
    // Replaces what cannot be converted (see the lossy functions above).
    std::string convertLossy(std::string_view in);

private:
    bool convertSome(std::string_view& in, std::string& out);
    Direction direction;
    void* handle;  // iconv_t
};
