// morlan-engine: the engine behind a line protocol on standard input.
#include <iostream>
#include <string>

#include "engine/uci/uci_session.h"

int main() {
    std::ios::sync_with_stdio(false);
    UciSession session(std::cout);
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!session.handle(line)) break;
    }
    return 0;
}
