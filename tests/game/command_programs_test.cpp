// Every program a user runs from the command line answers --help and
// --version, and ends with a failure status when its input was refused.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Program {
    const char* path;     // in the build folder
    const char* refused;  // arguments naming input it must refuse; %s: a scratch folder
};

constexpr Program PROGRAMS[] = {
    {"game/morlan-records", "%s/absent.pgn"},
    {"review/morlan-review", "--depth 1 %s/absent.sav"},
    {"database/morlan-db", "import %s/games.db %s/absent.pgn"},
    {"engine/morlan-engine", "--no-such-option"},
    {"shell/morlan", "--no-such-option"},
};

struct ProgramRun {
    std::string out;
    int status = -1;
};

ProgramRun run(const std::string& command) {
    ProgramRun r;
    std::FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return r;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) r.out.append(chunk, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string withFolder(std::string arguments, const std::string& folder) {
    for (std::size_t at; (at = arguments.find("%s")) != std::string::npos;) arguments.replace(at, 2, folder);
    return arguments;
}

}  // namespace

TEST(CommandPrograms, AnswerHelpAndVersionAndFailOnRefusedInput) {
    const fs::path scratch = fs::temp_directory_path() / ("morlan-programs-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    for (const Program& p : PROGRAMS) {
        const fs::path program = fs::path(MORLAN_BINARY_DIR) / p.path;
        const std::string name = program.filename().string();
        if (!fs::exists(program)) {
            // The records program is built with these tests; the others need their layers.
            EXPECT_NE(name, "morlan-records") << program << " is not built";
            continue;
        }
        const ProgramRun help = run(program.string() + " --help");
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.out.rfind("usage: " + name + " ", 0), 0u) << name << ": " << help.out;
        const ProgramRun version = run(program.string() + " --version");
        EXPECT_EQ(version.status, 0) << name;
        EXPECT_EQ(version.out.rfind(name + " ", 0), 0u) << name << ": " << version.out;
        EXPECT_TRUE(version.out.ends_with("\n") && version.out.size() > name.size() + 2) << name;
        const ProgramRun refused = run(program.string() + " " + withFolder(p.refused, scratch.string()));
        EXPECT_GT(refused.status, 0) << name;
    }
    fs::remove_all(scratch);
}
