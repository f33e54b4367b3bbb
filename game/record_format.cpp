#include "game/record_format.h"

#include <algorithm>

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct FormatByExtension {
    const char* extension;
    RecordFormat format;
};

constexpr FormatByExtension EXTENSIONS[] = {
    {".sav", RecordFormat::Sav}, {".txt", RecordFormat::Txt},    {".pgn", RecordFormat::Pgn},
    {".pgn.gz", RecordFormat::Pgn}, {".xqf", RecordFormat::Xqf},
};

}  // namespace

RecordFormat recordFormatOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string name = lowerCase(slash == std::string::npos ? path : path.substr(slash + 1));
    for (const FormatByExtension& e : EXTENSIONS)
        if (name.size() > std::char_traits<char>::length(e.extension) && endsWith(name, e.extension)) return e.format;
    return RecordFormat::Unknown;
}
