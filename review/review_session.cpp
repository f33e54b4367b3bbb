#include "review/review_session.h"

#include "game/game.h"
#include "game/gbk.h"
#include "game/review_comment.h"
#include "review/builtin_review_engine.h"
#include "review/outside/outside_review_engine.h"
#include "engines/engine_list.h"

namespace {

Game& game() { return Game::instance(); }

void tell(const char* utf8, MessageIcon icon) {
    game().shell().showMessage(utf8ToGbkLossy(utf8), icon == MessageIcon::Error ? GBK_CAPTION_ERROR : GBK_CAPTION_NOTICE,
                               icon);
}

std::vector<PackedMove> recordMoves() {
    std::vector<PackedMove> moves;
    for (int i = 0; i < game().recordSize(); ++i) moves.push_back(game().recordEntry(i)->move);
    return moves;
}

// The engines of the engine manager: the built-in one first, then the
// outside engines in their order there.
const EngineList* engineList() { return ReviewSession::instance().engineList(); }

std::unique_ptr<ReviewEngine> makeReviewEngine(int index) {
    const EngineList* list = engineList();
    if (!list || index <= 0 || index >= list->size() || list->at(index).builtIn())
        return std::make_unique<BuiltinReviewEngine>();
    return std::make_unique<OutsideReviewEngine>(list->at(index));
}

}  // namespace

std::vector<std::string> reviewEngineNames() {
    std::vector<std::string> names{QT_TRANSLATE_NOOP("Texts", "内置引擎 Morlan")};
    if (const EngineList* list = engineList()) {
        for (int i = 1; i < list->size(); ++i) names.push_back(list->at(i).name.toStdString());
    }
    return names;
}

ReviewSession& ReviewSession::instance() {
    static ReviewSession session;
    return session;
}

bool ReviewSession::start(int engineIndex, const ReviewOptions& options) {
    if (running()) return false;
    if (game().recordSize() == 0) {
        tell(QT_TRANSLATE_NOOP("Texts", "棋谱中还没有着法，无从复盘。"), MessageIcon::Information);
        return false;
    }
    // The game's own search would play into the record under the review;
    // a computer that was to move moves again when the review ends.
    computerDue = game().thinkingStatus() == THINKING_MOVE || game().mode() == MODE_DEMO;
    game().finishAnimation();
    game().stopThinking();
    game().lockRecord(utf8ToGbkLossy(QT_TRANSLATE_NOOP("Texts", "正在复盘分析，请先取消复盘。")));
    review_.reset();
    engine = makeReviewEngine(engineIndex);
    review_ = std::make_unique<GameReview>(*engine);
    review_->onProgress = [this] {
        ++version_;
        Q_EMIT progressed(*review_);
    };
    review_->onFinished = [this] { finished(); };
    reviewedStart = game().startBoard();
    reviewedSide = game().startSide();
    reviewedMoves = recordMoves();
    Q_EMIT starting();
    errorShown = false;
    if (!review_->start(reviewedStart, reviewedSide, reviewedMoves, options)) {
        game().unlockRecord();
        Q_EMIT ended();
        if (!review_->error().empty() && !errorShown)
            tell((QT_TRANSLATE_NOOP("Texts", "无法复盘：") + review_->error()).c_str(), MessageIcon::Error);
        resumeComputer();
        return false;
    }
    Q_EMIT started();
    return true;
}

void ReviewSession::idle() {
    if (running()) review_->poll();
}

void ReviewSession::cancel() {
    if (!running()) return;
    review_->cancel();
    game().unlockRecord();
    writeComments();
    Q_EMIT ended();
    ++version_;
    resumeComputer();
}

void ReviewSession::shutdown() {
    computerDue = false;
    if (running()) game().unlockRecord();
    if (review_) review_->cancel();
    review_.reset();
    engine.reset();
    Q_EMIT ended();
    ++version_;
}

void ReviewSession::finished() {
    game().unlockRecord();
    writeComments();
    Q_EMIT ended();
    ++version_;
    if (!review_->error().empty()) {
        errorShown = true;
        tell((QT_TRANSLATE_NOOP("Texts", "复盘中断：") + review_->error()).c_str(), MessageIcon::Error);
    }
    resumeComputer();
}

void ReviewSession::resumeComputer() {
    if (!computerDue) return;
    computerDue = false;
    if (game().thinkingStatus() == THINKING_IDLE && !game().isSetupOpen()) game().computerMove();
}

const GameReview* ReviewSession::review() const {
    if (!review_ || review_->positions() == 0) return nullptr;
    if (game().startBoard() != reviewedStart || game().startSide() != reviewedSide) return nullptr;
    if (recordMoves() != reviewedMoves) return nullptr;
    return review_.get();
}

// Each judged move's comment gets the review's line after the user's text,
// and the better move goes beside it as a variation; lines of an earlier
// review are replaced, and go when the move is no longer a mistake.
void ReviewSession::writeComments() {
    const GameReview* r = review();
    if (!r) return;
    bool changed = false;
    for (int i = 0; i < r->moves(); ++i) {
        const RecordEntry* e = game().recordEntry(i);
        if (!e || !r->move(i).assessed) continue;
        if (writeVariation(*r, i)) changed = true;
        const std::string comment = withReviewLine(e->comment, r->commentLine(i));
        if (comment == e->comment) continue;
        game().setComment(i, comment);
        changed = true;
    }
    if (!changed) return;
    game().setModified(true);
    Q_EMIT commentsChanged();
}

// The better move goes beside the played one with its score as the
// variation's comment. An earlier review's score goes from the other
// alternatives; their moves stay, since the player may have made them too.
bool ReviewSession::writeVariation(const GameReview& r, int i) {
    Game& g = game();
    const int parent = g.lineNode(i - 1);
    if (parent == MoveTree::NONE) return false;
    const PackedMove best = r.betterMove(i);
    const int better = best ? g.addVariation(i, best) : MoveTree::NONE;
    bool changed = false;
    const MoveTree& t = g.tree();
    for (int c = t.firstChild(parent); c != MoveTree::NONE; c = t.nextSibling(c)) {
        if (c == g.lineNode(i)) continue;
        const std::string line = c == better ? reviewScoreLine(r.ply(i).score) : std::string();
        std::string comment = withReviewLine(t.comment(c), line);
        if (comment == t.comment(c)) continue;
        g.setNodeComment(c, comment);
        changed = true;
    }
    return changed;
}
