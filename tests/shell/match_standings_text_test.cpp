// What the match window's standings say for known results: the numbers a
// player stops or trusts a match by.
#include <QTest>

#include "shell/dialogs/match_standings_text.h"
#include "shell_support.h"

namespace {

PairingStanding pairing(int w, int d, int l, std::array<int, 5> pairs = {}) {
    PairingStanding p;
    p.wins = w;
    p.draws = d;
    p.losses = l;
    p.pentanomial = pairs;
    return p;
}

struct LineCase {
    PairingStanding pairing;
    const char* text;
};

// cutechess's SPRT stop (issue 543) and a fastchess run in a Java engine's
// pull request, with the pentanomial counts it printed.
const LineCase LINE_CASES[] = {
    {pairing(880, 1863, 759), "A - B: +880 =1863 -759 | Elo +12.0 +/- 7.9, LOS 99.9%"},
    {pairing(3173, 4020, 3107, {283, 1151, 2214, 1221, 281}),
     "A - B: +3173 =4020 -3107 | Elo +2.2 +/- 5.2, LOS 79.8% | 对局对 Elo +2.2 +/- 4.5, LOS 83.4%"},
    {pairing(0, 0, 0), "A - B: +0 =0 -0 | Elo -"},
};

struct SprtCase {
    SprtSettings settings;
    std::array<int, 5> pairs;
    const char* text;
    SprtDecision decision;
};

// The first from fastchess's own logistic pentanomial case; the other two
// worked out apart from this code with the same normal approximation.
const SprtCase SPRT_CASES[] = {
    {{0.5, 2.5, 0.05, 0.05}, {223, 9863, 21279, 10037, 246}, "SPRT LLR -3.07 (-2.94, 2.94) [0.5, 2.5]: 接受 H0",
     SprtDecision::AcceptH0},
    {{0, 5, 0.05, 0.05}, {283, 1151, 2214, 1221, 281}, "SPRT LLR -0.26 (-2.94, 2.94) [0.0, 5.0]: 继续",
     SprtDecision::Continue},
    {{-5, 0, 0.05, 0.05}, {283, 1151, 2214, 1221, 281}, "SPRT LLR 4.49 (-2.94, 2.94) [-5.0, 0.0]: 接受 H1",
     SprtDecision::AcceptH1},
};

struct ClockCase {
    qint64 ms;
    const char* text;
};
const ClockCase CLOCK_CASES[] = {{-1, "-"},       {0, "0.0"},        {9999, "9.9"},        {10000, "0:10"},
                                 {725000, "12:05"}, {3599999, "59:59"}, {3725000, "1:02:05"}};

}  // namespace

class MatchStandingsTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pairingLines();
    void sprtLines();
    void clocks();
};

void MatchStandingsTextTest::pairingLines() {
    for (const LineCase& c : LINE_CASES)
        QCOMPARE(pairingText(QStringLiteral("A"), QStringLiteral("B"), c.pairing), QString::fromUtf8(c.text));
}

void MatchStandingsTextTest::sprtLines() {
    for (const SprtCase& c : SPRT_CASES) {
        SprtDecision decision = SprtDecision::Continue;
        QCOMPARE(sprtLine(c.settings, pairing(0, 0, 0, c.pairs), decision), QString::fromUtf8(c.text));
        QCOMPARE(decision, c.decision);
    }
}

void MatchStandingsTextTest::clocks() {
    for (const ClockCase& c : CLOCK_CASES) QCOMPARE(clockText(c.ms), QString::fromUtf8(c.text));
}

SHELL_TEST(MatchStandingsTextTest);
#include "match_standings_text_test.moc"
