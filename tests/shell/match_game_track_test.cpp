// The match window's board follows each game from the runner's move texts:
// a position drawn wrongly would mislead whoever watches, so a move it
// cannot read ends the following for that game.
#include <QTest>
#include <optional>
#include <vector>

#include "engine/fen.h"
#include "shell/dialogs/match_game_track.h"
#include "shell_support.h"

namespace {

struct TrackCase {
    const char* name;
    std::optional<const char*> start;
    std::vector<const char*> moves;
    bool followed;
    const char* board;  // the FEN's board part once followed
};

const char* const AFTER_TWO = "rnbakab1r/9/1c4nc1/p1p1p1p1p/9/9/P1P1P1P1P/1C2C4/9/RNBAKABNR";

const TrackCase TRACK_CASES[] = {
    {"coordinates from the start", START_FEN, {"h2e2", "h9g7"}, true, AFTER_TWO},
    {"Chinese notation from the start", START_FEN, {"炮二平五", "马８进７"}, true, AFTER_TWO},
    {"Chinese notation with plain digits", START_FEN, {"炮二平五", "马8进7"}, true, AFTER_TWO},
    {"a set-up position with Black to move", "4k4/9/9/9/9/9/9/9/4R4/3K5 b - - 0 1", {"e9f9", "e1f1"}, true,
     "5k3/9/9/9/9/9/9/9/5R3/3K5"},
    {"an illegal move ends the following", START_FEN, {"a0a5", "h9g7"}, false, nullptr},
    {"a move of the wrong side ends it", START_FEN, {"h7e7"}, false, nullptr},
    {"an unknown start is not followed", std::nullopt, {"h2e2"}, false, nullptr},
};

}  // namespace

class MatchGameTrackTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followsTheMovesItCanRead();
    void keepsMovesClocksAndResult();
};

void MatchGameTrackTest::followsTheMovesItCanRead() {
    for (const TrackCase& c : TRACK_CASES) {
        MatchGameTrack t;
        t.begin(3, QStringLiteral("A"), QStringLiteral("B"),
                c.start ? std::optional<QString>(QString::fromUtf8(*c.start)) : std::nullopt);
        for (const char* m : c.moves) t.addMove(QString::fromUtf8(m), -1, -1);
        QVERIFY2(t.followed() == c.followed, c.name);
        if (!c.followed) continue;
        const std::string fen = writeFen(t.board(), t.sideToMove());
        QVERIFY2(fen.substr(0, fen.find(' ')) == c.board, c.name);
    }
}

void MatchGameTrackTest::keepsMovesClocksAndResult() {
    MatchGameTrack t;
    t.begin(7, QStringLiteral("红"), QStringLiteral("黑"), QString::fromLatin1(START_FEN));
    t.addMove(QStringLiteral("h2e2"), 9000, 10000);
    QVERIFY(t.running());
    t.finish(QStringLiteral("1-0"), QStringLiteral("time forfeit"));
    QCOMPARE(t.index, 7);
    QCOMPARE(t.moves, QStringList{QStringLiteral("h2e2")});
    QCOMPARE(t.redClockMs, qint64{9000});
    QCOMPARE(t.blackClockMs, qint64{10000});
    QVERIFY(!t.running());
    // A new game in the same track starts clean.
    t.begin(8, QStringLiteral("黑"), QStringLiteral("红"), QString::fromLatin1(START_FEN));
    QVERIFY(t.moves.isEmpty() && t.running() && t.redClockMs == -1);
}

SHELL_TEST(MatchGameTrackTest);
#include "match_game_track_test.moc"
