// The clocks in the match window's list: a clock that reads more time than
// is left would mislead whoever watches a game near its flag.
#include <QTest>

#include "shell/dialogs/match_clock_text.h"
#include "shell_support.h"

namespace {

struct ClockCase {
    qint64 ms;
    const char* text;
};
const ClockCase CLOCK_CASES[] = {{-1, "-"},          {0, "0.0"},         {99, "0.0"},          {9999, "9.9"},
                                 {10000, "0:10"},    {10999, "0:10"},    {725000, "12:05"},    {3599999, "59:59"},
                                 {3600000, "1:00:00"}, {3725000, "1:02:05"}};

}  // namespace

class MatchClockTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clocksReadTheTimeLeftFloored();
};

void MatchClockTextTest::clocksReadTheTimeLeftFloored() {
    for (const ClockCase& c : CLOCK_CASES) QCOMPARE(clockText(c.ms), QString::fromUtf8(c.text));
}

SHELL_TEST(MatchClockTextTest);
#include "match_clock_text_test.moc"
