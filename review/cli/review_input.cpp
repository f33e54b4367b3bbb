#include "review/cli/review_input.h"

#include <algorithm>
#include <cctype>

#include "game/game_file.h"
#include "game/gbk.h"
#include "game/pgn_collection.h"
#include "game/xqf_file.h"

namespace {

std::string lowerExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

// The record readers answer 0 read, 1 cannot open, 2 bad content, with a
// GBK message; the command line prints UTF-8.
bool imported(int code, const std::string& path, const std::string& message, std::string& error) {
    if (code == 0) return true;
    error = code == 1 ? "cannot open " + path : path + ": " + gbkToUtf8Lossy(message);
    return false;
}

}  // namespace

bool readReviewInput(const std::string& path, int gameNumber, GameDocument& doc, std::string& error) {
    const std::string ext = lowerExtension(path);
    std::string message;
    if (ext == ".pgn" || ext == ".gz")
        return imported(importPgnGame(path, gameNumber, doc, message), path, message, error);
    if (ext == ".xqf") return imported(importXqf(path, doc, message), path, message, error);
    GameFile& file = GameFile::instance();
    switch (file.load(path)) {
    case 0: doc = file.document(); return true;
    case 1: error = "cannot open " + path; return false;
    default: error = path + " is not a game file or text record"; return false;
    }
}
