#include "match/match_standings.h"

#include <algorithm>
#include <map>

#include "match/elo_text.h"

namespace {

// Red's points of a result, in half points.
int redHalfPoints(GameResult result) {
    return result == RESULT_RED_WINS ? 2 : result == RESULT_DRAW ? 1 : 0;
}

void count(int halfPoints, int& wins, int& draws, int& losses) {
    (halfPoints == 2 ? wins : halfPoints == 1 ? draws : losses) += 1;
}

}  // namespace

GameTally gameTally(const PairingStanding& p) { return {p.wins, p.draws, p.losses}; }

PairTally pairTally(const PairingStanding& p) {
    PairTally t;
    t.counts = p.pentanomial;
    return t;
}

MatchStandings computeStandings(const MatchSettings& settings, const std::vector<ScheduledGame>& schedule,
                                const std::vector<FinishedGame>& games) {
    MatchStandings out;
    const int players = static_cast<int>(settings.players.size());
    for (int i = 0; i < players; ++i) out.players.push_back({i});
    const auto pairings = matchPairings(settings.format, players);
    for (const auto& [first, second] : pairings) out.pairings.push_back({first, second});
    for (const ScheduledGame& g : schedule) out.gamesTotal += inShard(g, settings.shard, settings.shards) ? 1 : 0;

    std::map<int, int> pairHalfPoints;  // pair -> first's half points, over its finished games
    std::map<int, int> pairGames;
    for (const FinishedGame& f : games) {
        if (f.index < 0 || f.index >= static_cast<int>(schedule.size()) || f.result == RESULT_IN_PLAY) continue;
        const ScheduledGame& g = schedule[static_cast<std::size_t>(f.index)];
        const int red = redHalfPoints(f.result);
        PlayerStanding& r = out.players[static_cast<std::size_t>(g.red)];
        PlayerStanding& b = out.players[static_cast<std::size_t>(g.black)];
        count(red, r.wins, r.draws, r.losses);
        count(2 - red, b.wins, b.draws, b.losses);
        ++out.gamesDone;
        const auto at = std::find_if(out.pairings.begin(), out.pairings.end(), [&](const PairingStanding& p) {
            return (p.first == g.red && p.second == g.black) || (p.first == g.black && p.second == g.red);
        });
        if (at == out.pairings.end()) continue;
        const int first = at->first == g.red ? red : 2 - red;
        count(first, at->wins, at->draws, at->losses);
        pairHalfPoints[g.pair] += first;
        if (++pairGames[g.pair] == 2) {
            const ScheduledGame& head = schedule[static_cast<std::size_t>(2 * g.pair)];
            for (PairingStanding& p : out.pairings)
                if ((p.first == head.red && p.second == head.black) || (p.first == head.black && p.second == head.red))
                    p.pentanomial[static_cast<std::size_t>(pairHalfPoints[g.pair])] += 1;
        }
    }
    std::stable_sort(out.players.begin(), out.players.end(),
                     [](const PlayerStanding& a, const PlayerStanding& b) { return a.points() > b.points(); });
    return out;
}

QString standingsText(const MatchSettings& settings, const MatchStandings& standings) {
    const auto name = [&](int i) { return settings.players[static_cast<std::size_t>(i)].name; };
    QString text = QStringLiteral("games %1 of %2\n").arg(standings.gamesDone).arg(standings.gamesTotal);
    int rank = 0;
    for (const PlayerStanding& p : standings.players)
        text += QStringLiteral("%1. %2 %3/%4 (+%5 =%6 -%7)\n")
                    .arg(++rank, 2)
                    .arg(name(p.player), -24)
                    .arg(p.points(), 5, 'f', 1)
                    .arg(p.games())
                    .arg(p.wins)
                    .arg(p.draws)
                    .arg(p.losses);
    for (const PairingStanding& p : standings.pairings) {
        text += QStringLiteral("%1 vs %2: +%3 =%4 -%5").arg(name(p.first), name(p.second)).arg(p.wins).arg(p.draws).arg(p.losses);
        const auto& n = p.pentanomial;
        text += QStringLiteral(" pairs [%1 %2 %3 %4 %5]\n").arg(n[0]).arg(n[1]).arg(n[2]).arg(n[3]).arg(n[4]);
        text += QStringLiteral("  games: %1\n  pairs: %2\n")
                    .arg(QString::fromStdString(eloText(eloFromGames(gameTally(p)))),
                         QString::fromStdString(eloText(eloFromPairs(pairTally(p)))));
        if (settings.sprt && standings.pairings.size() == 1)
            text += QStringLiteral("  SPRT: %1\n")
                        .arg(QString::fromStdString(sprtText(settings.sprtSettings, sprtRatio(settings.sprtSettings, pairTally(p)))));
    }
    return text;
}
