#include "shell/platform/crash_handler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "engine/thread_start.h"
#include "shell/platform/shown_text.h"

extern char** environ;

namespace {

constexpr int FATAL_SIGNALS[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS};
constexpr std::size_t ALT_STACK_SIZE = 64 * 1024;
constexpr int MAX_FRAMES = 64;

// Everything the handler needs, found at install time: nothing in the
// handler may allocate, read the time zone or look at the environment.
struct CrashState {
    long utcOffset = 0;          // seconds east of UTC at start-up
    bool display = false;        // a message can be shown
    char exe[4096] = {};         // this program, for the message process
};
CrashState crashState;
alignas(16) char altStack[ALT_STACK_SIZE];

// The spare signal stack of a thread the program started: a thread whose
// own stack has overflowed can still run the handler. Given back when the
// thread ends.
struct ThreadAltStack {
    void* memory = nullptr;
    ~ThreadAltStack() {
        if (!memory) return;
        stack_t off{};
        off.ss_flags = SS_DISABLE;
        ::sigaltstack(&off, nullptr);
        ::munmap(memory, ALT_STACK_SIZE);
    }
};
thread_local ThreadAltStack threadAltStack;

void giveThreadAltStack() {
    if (threadAltStack.memory) return;
    void* memory = ::mmap(nullptr, ALT_STACK_SIZE, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return;
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = ALT_STACK_SIZE;
    if (::sigaltstack(&stack, nullptr) != 0) {
        ::munmap(memory, ALT_STACK_SIZE);
        return;
    }
    threadAltStack.memory = memory;
}

const char* signalName(int sig) {
    switch (sig) {
    case SIGSEGV: return "SIGSEGV (invalid memory access)";
    case SIGBUS: return "SIGBUS (bus error)";
    case SIGFPE: return "SIGFPE (arithmetic fault)";
    case SIGILL: return "SIGILL (illegal instruction)";
    case SIGABRT: return "SIGABRT (abort)";
    case SIGTRAP: return "SIGTRAP (trap)";
    case SIGSYS: return "SIGSYS (bad system call)";
    default: return "unknown signal";
    }
}

// ---- async-signal-safe text output ----

struct Out {
    int fd;
    void text(const char* s) const {
        std::size_t n = std::strlen(s);
        while (n > 0) {
            const ssize_t w = ::write(fd, s, n);
            if (w <= 0) return;
            s += w;
            n -= std::size_t(w);
        }
    }
    void number(unsigned long long v, unsigned base = 10, int width = 0) const {
        char buf[32];
        int i = 0;
        do {
            buf[i++] = "0123456789abcdef"[v % base];
            v /= base;
        } while (v != 0 && i < 30);
        while (i < width && i < 30) buf[i++] = '0';
        char out[32];
        for (int k = 0; k < i; ++k) out[k] = buf[i - 1 - k];
        out[i] = 0;
        text(out);
    }
    void hex(unsigned long long v) const {
        text("0x");
        number(v, 16, 16);
    }
};

// Civil date from days since 1970-01-01 (proleptic Gregorian).
void civilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = (long long)yoe + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yy + (m <= 2));
}

// "Err/YYYYMMDDhhmmss.err" from the local time.
void dumpPath(char* path) {
    const long long t = (long long)::time(nullptr) + crashState.utcOffset;
    long long days = t / 86400;
    long long secs = t % 86400;
    if (secs < 0) {
        secs += 86400;
        days -= 1;
    }
    int y = 0, m = 0, d = 0;
    civilFromDays(days, y, m, d);
    const int fields[6] = {y, m, d, int(secs / 3600), int(secs / 60 % 60), int(secs % 60)};
    const int widths[6] = {4, 2, 2, 2, 2, 2};
    char* p = path;
    for (const char* s = "Err/"; *s; ++s) *p++ = *s;
    for (int i = 0; i < 6; ++i) {
        int v = fields[i];
        for (int k = widths[i] - 1; k >= 0; --k) {
            p[k] = char('0' + v % 10);
            v /= 10;
        }
        p += widths[i];
    }
    for (const char* s = ".err"; *s; ++s) *p++ = *s;
    *p = 0;
}

void writeMaps(const Out& out) {
    const int fd = ::open("/proc/self/maps", O_RDONLY);
    if (fd < 0) return;
    char buf[4096];
    ssize_t n = 0;
    while ((n = ::read(fd, buf, sizeof buf)) > 0) {
        if (::write(out.fd, buf, std::size_t(n)) != n) break;
    }
    ::close(fd);
}

unsigned long long faultingInstruction(void* context) {
#if defined(__x86_64__)
    return (unsigned long long)static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP];
#elif defined(__aarch64__)
    return (unsigned long long)static_cast<ucontext_t*>(context)->uc_mcontext.pc;
#else
    (void)context;
    return 0;
#endif
}

void writeReport(int sig, siginfo_t* info, void* context) {
    ::mkdir("Err", 0755);
    char path[64];
    dumpPath(path);
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const Out out{fd};
    out.text("Morlan crash report\nsignal: ");
    out.number((unsigned)sig);
    out.text(" ");
    out.text(signalName(sig));
    out.text("\nsignal code: ");
    out.number((unsigned)(info ? info->si_code : 0));
    out.text("\nfault address: ");
    out.hex((unsigned long long)(info ? info->si_addr : nullptr));
    out.text("\ninstruction: ");
    out.hex(faultingInstruction(context));
    out.text("\nprocess: ");
    out.number((unsigned long long)::getpid());
    out.text("\nthread: ");
    out.number((unsigned long long)::syscall(SYS_gettid));
    out.text("\n\nbacktrace:\n");
    void* frames[MAX_FRAMES];
    const int n = ::backtrace(frames, MAX_FRAMES);
    ::backtrace_symbols_fd(frames, n, fd);
    out.text("\nmemory map:\n");
    writeMaps(out);
    ::close(fd);
}

void showMessage() {
    if (!crashState.display || crashState.exe[0] == 0) return;
    const pid_t child = ::fork();
    if (child == 0) {
        char name[sizeof CRASH_MESSAGE_NAME];
        std::memcpy(name, CRASH_MESSAGE_NAME, sizeof CRASH_MESSAGE_NAME);
        char* argv[] = {name, nullptr};
        ::execve(crashState.exe, argv, environ);
        ::_exit(127);
    }
    if (child > 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

bool hasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && (std::strncmp(platform, "offscreen", 9) == 0 || std::strncmp(platform, "minimal", 7) == 0)) {
        return false;
    }
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

void setChineseLocale() {
    for (const char* name : {"zh_CN.GBK", "zh_CN.gbk", "zh_CN.GB18030", "zh_CN.gb18030"}) {
        if (std::setlocale(LC_ALL, name)) return;
    }
}

}  // namespace

void installCrashHandler() {
    setChineseLocale();
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    std::srand(unsigned(ts.tv_sec * 1000000000ull + ts.tv_nsec));

    const time_t now = ::time(nullptr);
    tm local{};
    ::localtime_r(&now, &local);
    crashState.utcOffset = local.tm_gmtoff;
    crashState.display = hasDisplay();
    const ssize_t len = ::readlink("/proc/self/exe", crashState.exe, sizeof crashState.exe - 1);
    crashState.exe[len > 0 ? len : 0] = 0;

    // backtrace loads its unwinder on first use; do that now, not in the handler.
    void* frames[2];
    ::backtrace(frames, 2);

    stack_t stack{};
    stack.ss_sp = altStack;
    stack.ss_size = sizeof altStack;
    ::sigaltstack(&stack, nullptr);
    // Every thread the program starts gets a spare stack of its own.
    setThreadStartHook(giveThreadAltStack);
    struct sigaction action{};
    action.sa_sigaction = crashFilter;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int sig : FATAL_SIGNALS) ::sigaction(sig, &action, nullptr);
}

void crashFilter(int sig, siginfo_t* info, void* context) {
    writeReport(sig, info, context);
    showMessage();
    // SA_RESETHAND has put back the default action: end as the fault would.
    ::signal(sig, SIG_DFL);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    ::sigprocmask(SIG_UNBLOCK, &set, nullptr);
    ::raise(sig);
    ::_exit(128 + sig);
}

int showCrashMessage(int argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::Critical, Texts::tr("错误"), Texts::tr("程序遇到未知错误"), QMessageBox::Ok);
    box.exec();
    return 0;
}
