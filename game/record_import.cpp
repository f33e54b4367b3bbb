#include "game/record_import.h"

#include <algorithm>
#include <cstdint>

#include "game/document_check.h"
#include "game/gbk.h"
#include "game/sav_file.h"

namespace {

void dropZeroBytes(std::string& text) { text.erase(std::remove(text.begin(), text.end(), '\0'), text.end()); }

}  // namespace

GameDocument documentOfMoves(const Board90& start, Side side, const std::vector<PackedMove>& moves) {
    GameDocument doc;
    doc.startBoard = start;
    doc.startSide = side;
    doc.moves.reserve(moves.size());
    for (PackedMove m : moves) doc.moves.push_back({m, {}});
    doc.currentPly = static_cast<std::int16_t>(std::min<std::size_t>(moves.size(), INT16_MAX));
    return doc;
}

void appendLine(std::string& text, const std::string& line) {
    if (line.empty()) return;
    if (!text.empty()) text += "\r\n";
    text += line;
}

int finishImport(GameDocument& doc, std::string& message) {
    for (std::string* text : doc.info.texts()) dropZeroBytes(*text);
    for (DocumentMove& m : doc.moves) dropZeroBytes(m.comment);
    doc.tree.walk(
        [&](int n) {
            if (doc.tree.comment(n).find('\0') == std::string::npos) return true;
            std::string text = doc.tree.comment(n);
            dropZeroBytes(text);
            doc.tree.setComment(n, std::move(text));
            return true;
        },
        [](int) {});
    if (!obeysSetupRules(doc.startBoard)) {
        message = GBK_RECORD_BAD_START;
        return 2;
    }
    std::vector<std::uint8_t> bytes;
    if (doc.moves.size() > INT16_MAX || !SavFile::encode(doc, bytes)) {
        message = GBK_RECORD_TOO_LARGE;
        return 2;
    }
    if (!isPlayableDocument(doc)) {
        message = GBK_RECORD_BAD_START;
        return 2;
    }
    return 0;
}

std::string formatMessage(const char* format, int number, const std::string& text) {
    std::string out = format;
    const std::size_t d = out.find("%d");
    if (d != std::string::npos) out.replace(d, 2, std::to_string(number));
    const std::size_t s = out.find("%s");
    if (s != std::string::npos) out.replace(s, 2, text);
    return out;
}
