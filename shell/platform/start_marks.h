// Where start-up spends its time, for whoever speeds it up: with
// MORLAN_START_TIMES set, each mark prints to standard error the monotonic
// clock, the interface thread's processor time and the whole process's, in
// milliseconds. MORLAN_START_TIMES=quit ends the program once its window
// is shown, so that a profiler sees the start-up alone.
#pragma once

// Prints the mark, if asked to.
void startMark(const char* what);
// Ends the program here when MORLAN_START_TIMES is "quit".
void quitIfOnlyStarting();
