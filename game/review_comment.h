// The review's line in a move's comment: "复盘：疑问手，应走 马二进三 (+35)",
// appended after whatever the user wrote and, on a later review, replaced
// as its own line only. Texts are GBK; lines end in CR LF as the notes box
// writes them.
#pragma once

#include <string>
#include <string_view>

#include "game/review_marks.h"

// "复盘：" in GBK: every line the review writes starts with it.
inline constexpr char REVIEW_LINE_PREFIX[] = "\xB8\xB4\xC5\xCC\xA3\xBA";

// The line for a judged move: the mark, and the better move (GBK notation)
// with the score it keeps for the mover, when there is one.
std::string reviewLine(ReviewMark mark, std::string_view bestMoveText, const ReviewScore& bestScore);

// The line on the variation the review writes beside a mistake: the better
// move's score for the mover, "复盘：+35".
std::string reviewScoreLine(const ReviewScore& score);

// The comment without the review's lines (the user's text exactly as it
// was before a review added one).
std::string withoutReviewLines(std::string_view comment);
// The comment with its old review lines replaced by line (none when line
// is empty), after the user's text.
std::string withReviewLine(std::string_view comment, std::string_view line);

// The mark of the comment's review line; MARK_NONE when it has none.
ReviewMark reviewMarkOf(std::string_view comment);
