#include "game/review_comment.h"

namespace {

constexpr std::string_view PREFIX = REVIEW_LINE_PREFIX;
constexpr std::string_view SEPARATOR = "\xA3\xAC";     // ，
constexpr std::string_view SHOULD_PLAY = "\xD3\xA6\xD7\xDF ";  // 应走
constexpr std::string_view LINE_BREAK = "\r\n";

bool isReviewLine(std::string_view line) { return line.substr(0, PREFIX.size()) == PREFIX; }

}  // namespace

std::string reviewLine(ReviewMark mark, std::string_view bestMoveText, const ReviewScore& bestScore) {
    std::string line(PREFIX);
    line += markName(mark);
    if (!bestMoveText.empty()) {
        line += SEPARATOR;
        line += SHOULD_PLAY;
        line += bestMoveText;
        line += " (" + scoreText(bestScore) + ")";
    }
    return line;
}

std::string reviewScoreLine(const ReviewScore& score) { return std::string(PREFIX) + scoreText(score); }

std::string withoutReviewLines(std::string_view comment) {
    std::string out;
    bool droppedLast = false;
    for (std::size_t at = 0; at < comment.size();) {
        const std::size_t end = comment.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? comment.size() : end + 1;
        const std::string_view line = comment.substr(at, next - at);
        droppedLast = isReviewLine(line);
        if (!droppedLast) out += line;
        at = next;
    }
    // The review put one line break before its line: take it back.
    if (droppedLast && out.ends_with(LINE_BREAK)) out.resize(out.size() - LINE_BREAK.size());
    return out;
}

std::string withReviewLine(std::string_view comment, std::string_view line) {
    std::string out = withoutReviewLines(comment);
    if (line.empty()) return out;
    if (!out.empty()) out += LINE_BREAK;
    out += line;
    return out;
}

ReviewMark reviewMarkOf(std::string_view comment) {
    for (std::size_t at = 0; at < comment.size();) {
        const std::size_t end = comment.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? comment.size() : end + 1;
        std::string_view line = comment.substr(at, next - at);
        if (isReviewLine(line)) {
            line.remove_prefix(PREFIX.size());
            const std::size_t cut = line.find(SEPARATOR);
            std::string_view name = line.substr(0, cut);
            while (!name.empty() && (name.back() == '\r' || name.back() == '\n')) name.remove_suffix(1);
            return markNamed(name);
        }
        at = next;
    }
    return MARK_NONE;
}
