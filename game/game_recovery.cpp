// The game written unasked when the program is ended from outside, and the
// word about it at the next start.
#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "game/game.h"
#include "game/game_file.h"
#include "game/gbk.h"
#include "game/pgn_writer.h"

namespace {

// "恢复-YYYYMMDD-hhmmss" in local time, as a path's (UTF-8) text.
std::string recoveryStem(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return gbkToUtf8Lossy(GBK_RECOVERY_NAME) + stamp;
}

// A name in folder that is not taken: the stem, else the stem with -2, -3...
std::string freeName(const std::string& folder, const std::string& stem, const char* extension) {
    std::string path = folder + "/" + stem + extension;
    for (int n = 2; std::filesystem::exists(path) && n < 100; ++n)
        path = folder + "/" + stem + "-" + std::to_string(n) + extension;
    return path;
}

}  // namespace

std::string Game::saveRecovery(const std::string& folder) {
    ::mkdir(folder.c_str(), 0777);
    syncLineComments();
    // PGN keeps the variations a game file would leave out.
    const bool tree = hasVariations();
    const GameDocument doc = documentToSave(tree);
    const std::string path = freeName(folder, recoveryStem(std::time(nullptr)), tree ? ".pgn" : ".sav");
    GameFile files;
    files.setDocument(doc);
    if (!(tree ? writePgn(path, doc) : files.writeSav(path))) return {};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    recoveryFile = utf8ToGbkLossy(error ? path : absolute.lexically_normal().string());
    return path;
}

void Game::announceRecovery() {
    if (recoveryToAnnounce.empty()) return;
    std::string text = GBK_RECOVERY_SAVED;
    text.replace(text.find("%s"), 2, recoveryToAnnounce);
    recoveryToAnnounce.clear();
    shell().showMessage(text, GBK_CAPTION_NOTICE, MessageIcon::Information);
}
