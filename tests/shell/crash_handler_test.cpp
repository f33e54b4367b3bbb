// A child process that faults after installing the crash handler leaves a
// report named after the local time in Err and ends with its signal.
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <thread>

#include "engine/thread_start.h"
#include "shell/platform/crash_handler.h"
#include "shell_support.h"

class CrashHandlerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void faultWritesAReportAndEndsTheProcess();
    void abortIsReportedToo();
    void stackOverflowInAWorkerThreadIsReported();

private:
    // Runs fault in a child after installCrashHandler; returns its status.
    static int runChild(void (*fault)());
    static QByteArray onlyReportOf(void (*fault)(), int sig);
};

namespace {

// The fault must reach the crash handler, also in a build whose
// undefined-behaviour checks would stop the process first.
__attribute__((no_sanitize("undefined"))) void nullWrite() {
    volatile int* p = nullptr;
    *p = 42;
}

void callAbort() { std::abort(); }

volatile bool keepRecursing = true;

// Deep enough to overflow any thread stack; the frame cannot be folded away.
__attribute__((noinline, no_sanitize("address", "undefined"))) int recurse(int depth) {
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    return keepRecursing ? recurse(depth + 1) + frame[0] : 0;
}

// The overflow happens on a thread started the way the engine starts its worker.
void overflowInWorker() {
    std::thread worker = startThread([] { recurse(0); });
    worker.join();
}

QStringList reports() { return QDir("Err").entryList(QDir::Files, QDir::Name); }

}  // namespace

int CrashHandlerTest::runChild(void (*fault)()) {
    const pid_t child = fork();
    if (child == 0) {
        installCrashHandler();
        fault();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

void CrashHandlerTest::faultWritesAReportAndEndsTheProcess() {
    QDir("Err").removeRecursively();
    const QString before = QDateTime::currentDateTime().toString("yyyyMMddHHmmss");
    const int status = runChild(nullWrite);
    const QString after = QDateTime::currentDateTime().toString("yyyyMMddHHmmss");
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGSEGV);

    const QStringList files = reports();
    QCOMPARE(files.size(), 1);
    const QRegularExpression name("^(\\d{14})\\.err$");
    const QRegularExpressionMatch m = name.match(files[0]);
    QVERIFY2(m.hasMatch(), qPrintable(files[0]));
    // Local time, between the start and the end of the child.
    QVERIFY(m.captured(1) >= before && m.captured(1) <= after);

    QFile report("Err/" + files[0]);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(report.readAll());
    QVERIFY(text.contains("signal: 11 SIGSEGV"));
    QVERIFY(text.contains("fault address: 0x0000000000000000"));
    QVERIFY(text.contains("backtrace:"));
    QVERIFY2(text.contains("nullWrite") || text.contains("shell_tests"), "the backtrace names the faulting code");
    QVERIFY(text.contains("memory map:"));
}

// Runs fault in a fresh child, expects it to end with sig and leave one
// report; answers the report's text (empty when it did not).
QByteArray CrashHandlerTest::onlyReportOf(void (*fault)(), int sig) {
    QDir("Err").removeRecursively();
    const int status = runChild(fault);
    if (!WIFSIGNALED(status) || WTERMSIG(status) != sig) return {};
    const QStringList files = reports();
    if (files.size() != 1) return {};
    QFile report("Err/" + files[0]);
    return report.open(QIODevice::ReadOnly) ? report.readAll() : QByteArray();
}

void CrashHandlerTest::abortIsReportedToo() {
    QVERIFY(onlyReportOf(callAbort, SIGABRT).contains("SIGABRT"));
}

void CrashHandlerTest::stackOverflowInAWorkerThreadIsReported() {
#if defined(__SANITIZE_THREAD__)
    QSKIP("ThreadSanitizer cannot start a thread in a child forked from a threaded process");
#endif
    const QByteArray text = onlyReportOf(overflowInWorker, SIGSEGV);
    QVERIFY(text.contains("SIGSEGV"));
    QVERIFY(text.contains("memory map:"));
}

SHELL_TEST(CrashHandlerTest);
#include "crash_handler_test.moc"
