// morlan-engine: the engine behind a line protocol on standard input.
// The loop waits at most one poll interval for a line, so a running search
// is served (time rule, its answer) and stop, isready and quit are
// answered at once.
#include <unistd.h>

#include <iostream>
#include <string>

#include "engine/book.h"
#include "engine/service.h"
#include "engine/uci/line_input.h"
#include "engine/uci/uci_session.h"
#include "resources/resources.h"

int main() {
    std::ios::sync_with_stdio(false);
    // The opening book carried in the program (used while OwnBook is on).
    const std::span<const std::uint8_t> book = findResource("DAT", 124);
    if (!book.empty()) openingBook().loadBook(book.data(), book.size());
    UciSession session(std::cout);
    LineInput input(STDIN_FILENO);
    std::string line;
    for (;;) {
        const LineInput::Result got = input.next(line, SERVICE_POLL_MS);
        if (got == LineInput::END) {
            session.endOfInput();
            break;
        }
        if (got == LineInput::LINE && !session.handle(line)) break;
        session.poll();
    }
    return 0;
}
