#include "shell/dialogs/match_standings_text.h"

#include "match/elo_text.h"

namespace {

constexpr const char* DECISION_TEXTS[] = {"继续", "接受 H0", "接受 H1"};

PairTally pairsOf(const PairingStanding& p) { return PairTally{p.pentanomial}; }

}  // namespace

QString pairingText(const QString& first, const QString& second, const PairingStanding& p) {
    const GameTally games{p.wins, p.draws, p.losses};
    QString text = QStringLiteral("%1 - %2: +%3 =%4 -%5 | %6")
                       .arg(first, second)
                       .arg(p.wins)
                       .arg(p.draws)
                       .arg(p.losses)
                       .arg(QString::fromStdString(eloText(eloFromGames(games))));
    const PairTally pairs = pairsOf(p);
    if (pairs.pairs() > 0)
        text += QStringLiteral(" | 对局对 %1").arg(QString::fromStdString(eloText(eloFromPairs(pairs))));
    return text;
}

QString sprtLine(const SprtSettings& settings, const PairingStanding& p, SprtDecision& decision) {
    const double ratio = sprtRatio(settings, pairsOf(p));
    decision = sprtDecision(settings, ratio);
    return QStringLiteral("SPRT %1: %2")
        .arg(QString::fromStdString(sprtText(settings, ratio)), QString::fromUtf8(DECISION_TEXTS[static_cast<int>(decision)]));
}

QString clockText(qint64 ms) {
    if (ms < 0) return QStringLiteral("-");
    // The last seconds in tenths, floored, as a flag falls at 0.0.
    if (ms < 10000) return QStringLiteral("%1.%2").arg(ms / 1000).arg(ms / 100 % 10);
    const qint64 seconds = ms / 1000;
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0) return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}
