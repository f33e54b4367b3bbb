// The first font the program asks for makes fontconfig read its
// configuration, a few dozen files, and its caches: several milliseconds
// before the first frame's menus can be measured. A warm-up started before
// the application object does that reading beside Qt's own start, and Qt
// finds the configuration ready; on a machine too busy for that, Qt reads
// its own and does not wait.
#pragma once

#include <thread>

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread worker;
};
