#include "review/game_review.h"

#include <algorithm>

#include "engine/board_move.h"
#include "engine/book.h"
#include "engine/engine.h"
#include "engine/perft.h"
#include "game/gbk.h"
#include "game/notation.h"
#include "game/record_import.h"
#include "game/review_comment.h"

ReviewLimit clampedLimit(ReviewLimit limit) {
    limit.depth = std::clamp(limit.depth, 0, REVIEW_MAX_DEPTH);
    limit.moveTimeMs = std::clamp(limit.moveTimeMs, REVIEW_MIN_TIME_MS, REVIEW_MAX_TIME_MS);
    return limit;
}

namespace {

bool isBookMove(const Board90& board, Side side, PackedMove move) {
    Engine& rules = plainEngine();
    rules.setPosition(board, side);
    const std::uint64_t key = rules.getHashKey();
    const BookEntry* entry = openingBook().findBookEntry(static_cast<std::uint32_t>(key),
                                                         static_cast<std::uint32_t>(key >> 32));
    if (!entry) return false;
    return std::any_of(entry->moves.begin(), entry->moves.end(), [move](const BookMove& b) { return b.move == move; });
}

// A position without a legal move: the side to move has lost.
bool hasNoMove(const Board90& board, Side side) {
    Engine& rules = plainEngine();
    rules.setPosition(board, side);
    return legalMoves(rules).empty();
}

}  // namespace

bool GameReview::start(const Board90& startBoard, Side startSide, const std::vector<PackedMove>& moves,
                       const ReviewOptions& options) {
    if (running_) return false;
    options_ = options;
    options_.limit = clampedLimit(options.limit);
    startBoard_ = startBoard;
    startSide_ = startSide;
    moves_ = moves;
    boards.assign(1, startBoard);
    sides.assign(1, startSide);
    inBook.clear();
    error_.clear();
    Engine& rules = plainEngine();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        inBook.push_back(isBookMove(boards.back(), sides.back(), moves[i]));
        Board90 next = boards.back();
        Side side = sides.back();
        if (!playIfLegal(rules, next, side, moves[i])) {
            fail(gbkToUtf8Lossy(formatMessage(GBK_REVIEW_ILLEGAL_MOVE, static_cast<int>(i + 1))));
            boards.resize(1);
            return false;
        }
        boards.push_back(next);
        sides.push_back(side);
    }
    plies.assign(boards.size(), {});
    assessments.assign(moves.size(), {});
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (!inBook[i]) continue;
        assessments[i].assessed = true;
        assessments[i].verdict.mark = MARK_BOOK;
    }
    analysed_ = 0;
    msSpent = 0;
    reviewStarted = clock();
    running_ = true;
    analyseNext();
    return error_.empty();
}

ReviewPosition GameReview::positionAt(int ply) const {
    ReviewPosition p;
    p.startBoard = startBoard_;
    p.startSide = startSide_;
    p.moves.assign(moves_.begin(), moves_.begin() + ply);
    p.board = boardAt(ply);
    p.side = sideAt(ply);
    return p;
}

void GameReview::analyseNext() {
    // Positions that ended the game need no engine.
    while (analysed_ < positions() && hasNoMove(boardAt(analysed_), sideAt(analysed_))) {
        PlyAnalysis& p = plies[static_cast<std::size_t>(analysed_)];
        p.done = true;
        p.score = ReviewScore::mateIn(0);
        ++analysed_;
        if (analysed_ > 1) assess(analysed_ - 2);
    }
    if (analysed_ == positions()) {
        running_ = false;
        if (onProgress) onProgress();
        if (onFinished) onFinished();
        return;
    }
    if (onProgress) onProgress();
    if (!engine.analyse(positionAt(analysed_), options_.limit, [this](const PositionAnalysis& a) { accept(a); }))
        fail(gbkToUtf8Lossy(GBK_REVIEW_ENGINE_BUSY));
}

void GameReview::accept(const PositionAnalysis& a) {
    if (!running_) return;
    if (!a.ok) {
        fail(a.error.empty() ? gbkToUtf8Lossy(GBK_REVIEW_ENGINE_FAILED) : a.error);
        return;
    }
    msSpent = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(clock() - reviewStarted).count());
    PlyAnalysis& p = plies[static_cast<std::size_t>(analysed_)];
    p.done = true;
    p.score = a.score;
    p.scored = a.scored;
    p.bestMove = a.bestMove;
    p.line = a.line;
    p.depth = a.depth;
    ++analysed_;
    if (analysed_ > 1) assess(analysed_ - 2);
    analyseNext();
}

void GameReview::assess(int i) {
    MoveAssessment& m = assessments[static_cast<std::size_t>(i)];
    if (inBook[static_cast<std::size_t>(i)]) return;
    const PlyAnalysis& before = ply(i);
    const PlyAnalysis& after = ply(i + 1);
    m.assessed = true;
    // An unknown score judges nothing: the move gets no verdict and no comment.
    if (!before.scored || !after.scored) {
        m.verdict = {};
        m.judged = false;
        return;
    }
    m.verdict = judgeMove(before.score, after.score, before.bestMove == movePlayed(i));
    m.judged = sideAt(i) == SIDE_RED ? options_.judgeRed : options_.judgeBlack;
    if (!m.judged) m.verdict.mark = MARK_NONE;
}

void GameReview::fail(const std::string& why) {
    const bool wasRunning = running_;
    running_ = false;
    error_ = why;
    if (wasRunning && onFinished) onFinished();
}

void GameReview::cancel() {
    if (!running_) return;
    running_ = false;
    engine.cancel();
}

ReviewScore GameReview::redScore(int i) const {
    const ReviewScore& s = ply(i).score;
    return sideAt(i) == SIDE_RED ? s : s.flipped();
}

std::string GameReview::commentLine(int i) const {
    const MoveAssessment& m = move(i);
    if (!m.judged || !isMistake(m.verdict.mark)) return {};
    const PlyAnalysis& before = ply(i);
    const std::string best = before.bestMove ? formatMove(boardAt(i), before.bestMove) : std::string();
    return reviewLine(m.verdict.mark, best, before.score);
}

PackedMove GameReview::betterMove(int i) const {
    const MoveAssessment& m = move(i);
    if (!m.judged || !isMistake(m.verdict.mark)) return 0;
    const PackedMove best = ply(i).bestMove;
    return best != movePlayed(i) ? best : 0;
}

SideSummary GameReview::summary(Side side) const {
    SideSummary s;
    for (int i = 0; i < moves(); ++i) {
        const MoveAssessment& m = move(i);
        if (sideAt(i) != side) continue;
        if (m.verdict.mark == MARK_BOOK) ++s.marks[MARK_BOOK];
        if (!m.judged || !m.assessed) continue;
        ++s.judged;
        ++s.marks[m.verdict.mark];
        s.totalLoss += m.verdict.loss;
    }
    return s;
}

long GameReview::estimatedMsLeft() const {
    const long left = positions() - analysed_;
    if (left <= 0) return 0;
    const long pace = analysed_ > 0 ? msSpent / analysed_
                                    : (options_.limit.byDepth() ? 1000 : options_.limit.moveTimeMs);
    return left * pace;
}
