// A match game's clock as the match window's list shows it.
#pragma once

#include <QString>

// The time left: "12:05", "1:02:05", under ten seconds in tenths ("9.4",
// floored, as a flag falls at 0.0), "-" without a clock.
QString clockText(qint64 ms);
