// What happens when the program faults: a report for the developer in
// Err/YYYYMMDDhhmmss.err (local time), the message "程序遇到未知错误" for
// the user, and the end of the process. Also sets the locale and seeds the
// C random generator, as the first step of start-up.
#pragma once

#include <csignal>

// Installs crashFilter for the fatal signals; called first by main.
void installCrashHandler();
// The handler: writes the report with async-signal-safe calls only, shows
// the message through a fresh process of the program, then ends the
// process with the same signal.
void crashFilter(int signal, siginfo_t* info, void* context);

// argv[0] of the process that only shows the crash message.
constexpr char CRASH_MESSAGE_NAME[] = "morlan-crash-message";
// Shows the crash message; the body of that process.
int showCrashMessage(int argc, char** argv);
