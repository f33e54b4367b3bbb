#include "shell/dialogs/match_clock_text.h"

QString clockText(qint64 ms) {
    if (ms < 0) return QStringLiteral("-");
    if (ms < 10000) return QStringLiteral("%1.%2").arg(ms / 1000).arg(ms / 100 % 10);
    const qint64 seconds = ms / 1000;
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0) return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}
