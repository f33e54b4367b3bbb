// Replays the kept inputs (regressions/<target>/: hostile inputs made by
// hand against the framing of each format, and every input a fuzzer found
// a fault with) and the seed corpora (corpus/<target>/) through the same
// entries the fuzz programs call.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_entries.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Feeds every file of folder/<target>/ to the target's entry; returns how
// many were fed.
int replayFolder(const char* folder) {
    int fed = 0;
    for (const FuzzTarget& target : FUZZ_TARGETS) {
        const fs::path dir = fs::path(MORLAN_FUZZ_DIR) / folder / target.name;
        if (!fs::is_directory(dir)) continue;
        for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
            if (!file.is_regular_file()) continue;
            const std::vector<std::uint8_t> bytes = readBytes(file.path());
            EXPECT_TRUE(target.entry(bytes.data(), bytes.size())) << target.name << ": " << file.path();
            ++fed;
        }
    }
    return fed;
}

TEST(FuzzRegressions, FoundInputsStayHarmless) {
    const int fed = replayFolder("regressions");
    std::printf("replayed %d kept inputs\n", fed);
    EXPECT_GT(fed, 0);
}

TEST(FuzzRegressions, SeedCorporaKeepEveryPromise) {
    const int fed = replayFolder("corpus");
    std::printf("replayed %d seeds\n", fed);
    EXPECT_GT(fed, 0);
}

}  // namespace
