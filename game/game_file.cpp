#include "game/game_file.h"

#include <algorithm>

#include "game/pgn_writer.h"
#include "game/record_format.h"
#include "game/sav_file.h"
#include "game/txt_record.h"

namespace {

// The extension with its period, in lower case; empty when there is none.
std::string extensionOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return ext;
}

}  // namespace

GameFile& GameFile::instance() {
    static GameFile file;
    return file;
}

const GameDocument& GameFile::document() const {
    static const GameDocument empty;
    return held ? *held : empty;
}

int GameFile::load(const std::string& path) {
    const std::string ext = extensionOf(path);
    if (ext == ".sav") return readSav(path);
    if (ext == ".txt") return readTxt(path);
    if (readSav(path) == 0) return 0;
    return readTxt(path);
}

bool GameFile::save(const std::string& path) {
    if (!held) return false;
    if (recordFormatOf(path) == RecordFormat::Pgn) return writePgn(path, *held, writeFunction);
    return extensionOf(path) == ".sav" ? writeSav(path) : writeTxt(path);
}

int GameFile::readSav(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (const ReadFileResult r = readWholeFile(path, GAME_FILE_LIMIT, bytes); r != READ_FILE_OK) return r;
    GameDocument doc;
    if (SavFile::decode(bytes, doc) != 0) return 2;
    held = std::move(doc);
    return 0;
}

int GameFile::readTxt(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (const ReadFileResult r = readWholeFile(path, GAME_FILE_LIMIT, bytes); r != READ_FILE_OK) return r;
    GameDocument doc;
    if (TxtRecord::decode(std::string(bytes.begin(), bytes.end()), doc) != 0) return 2;
    held = std::move(doc);
    return 0;
}

bool GameFile::writeSav(const std::string& path) {
    if (!held) return false;
    std::vector<std::uint8_t> bytes;
    return SavFile::encode(*held, bytes) && replaceFile(path, bytes, writeFunction);
}

bool GameFile::writeTxt(const std::string& path) {
    // A text record that would not open as the game it came from is never written.
    if (!held || TxtRecord::loss(*held) != TxtLoss::None) return false;
    const std::string text = TxtRecord::encode(*held);
    return replaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                       writeFunction);
}

std::vector<std::string> GameFile::splitTokens(const std::string& text, const std::string& separators) {
    std::vector<std::string> tokens;
    std::size_t start = 0;
    while (start < text.size()) {
        start = text.find_first_not_of(separators, start);
        if (start == std::string::npos) break;
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::string::npos) end = text.size();
        tokens.push_back(text.substr(start, end - start));
        start = end;
    }
    return tokens;
}
