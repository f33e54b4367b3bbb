// What every fuzz target does with one input, shared by the libFuzzer
// programs (built with clang, see scripts/fuzz.sh) and by the regression
// test that replays the inputs kept in tests/fuzz/regressions/<target>/.
// Each entry returns false when a reader broke one of its promises (the
// fuzz programs abort then); crashes and undefined behaviour show by
// themselves under the sanitizers.
#pragma once

#include <cstddef>
#include <cstdint>

// Game files (".sav", whole or as a payload: see fileFromInput): read; what reads must be playable and must
// read back the same after writing.
bool fuzzSavEntry(const std::uint8_t* data, std::size_t size);
// The settings file: merged into a store; what merges must write and
// merge again to the same store.
bool fuzzSettingsEntry(const std::uint8_t* data, std::size_t size);
// Text records: split into tokens, each token read as a move on the
// initial board, and the whole text read as a record.
bool fuzzTxtEntry(const std::uint8_t* data, std::size_t size);
// FEN text: what reads must write and read back to the same position.
bool fuzzFenEntry(const std::uint8_t* data, std::size_t size);
// Lines for the engine command's protocol session, with the limits of
// "go", "go perft" and "bench" cut down so that every input ends quickly.
bool fuzzUciEntry(const std::uint8_t* data, std::size_t size);
// The opening book: the first byte chooses whether the rest is a carried
// resource as it is, or inflated records that are packed first.
bool fuzzBookEntry(const std::uint8_t* data, std::size_t size);

// PGN collections: every game listed, the first games read; what reads
// must be playable and come back with the same moves and tree when written
// as PGN or as XQF and read again; what does not read leaves the document
// as it was.
bool fuzzPgnEntry(const std::uint8_t* data, std::size_t size);
// XQF records: the same promises as for PGN.
bool fuzzXqfEntry(const std::uint8_t* data, std::size_t size);
// Pasted positions: what is taken is a position set-up would accept and
// reads back the same from its FEN; what is refused leaves the board alone.
bool fuzzPasteEntry(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    const char* name;
    bool (*entry)(const std::uint8_t*, std::size_t);
};

inline constexpr FuzzTarget FUZZ_TARGETS[] = {
    {"sav", fuzzSavEntry},   {"settings", fuzzSettingsEntry}, {"txt", fuzzTxtEntry},
    {"fen", fuzzFenEntry},   {"uci", fuzzUciEntry},           {"book", fuzzBookEntry},
    {"pgn", fuzzPgnEntry},   {"xqf", fuzzXqfEntry},           {"paste", fuzzPasteEntry},
};
