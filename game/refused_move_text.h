// How a message names a move the rules refuse: in Chinese notation when
// the notation says exactly that move, else by its piece and its points,
// and a move text of bytes that read as no text by the bytes themselves.
#pragma once

#include <string>
#include <string_view>

#include "engine/types.h"

// A point as the side to move counts it ("九路第一行": its file, then its
// rank from that side's back rank); "棋盘外" off the board. GBK.
std::string pointText(GridPoint point, Side side);

// The move from, to on board, side to move (GBK): "车九进五" when the
// notation names exactly this move, else "车从九路第一行到八路第二行", or
// "从...到...（起点无子）" when no piece stands on from.
std::string refusedMoveText(const Board90& board, Side side, GridPoint from, GridPoint to);

// A move text as a record wrote it (written, in the file's encoding) and
// in GBK: the GBK text when it reads as text, else "无法识别的字节 E8 BD"
// with the written bytes in hex (the first sixteen).
std::string writtenMoveText(std::string_view written, std::string_view gbk);

// Whether the written text (GBK: gbk equals written) reads as text a
// message can show: no control bytes, nothing the encodings cannot hold.
bool readsAsText(std::string_view written, std::string_view gbk);
// "E8 BD ..." : the first sixteen bytes in hex.
std::string hexBytes(std::string_view bytes);
