#include "game/pgn_date.h"

#include <cstdio>
#include <string_view>

#include "game/gbk.h"

namespace {

constexpr int UNKNOWN = -1;

struct DatePart {
    int maxDigits;
    bool allDigits;  // exactly maxDigits digits
    int lowest, highest;
};

constexpr DatePart YEAR{4, true, 0, 9999};
constexpr DatePart MONTH{2, false, 1, 12};
constexpr DatePart DAY{2, false, 1, 31};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// One part: 1..maxDigits digits in range (allDigits: exactly maxDigits), or
// up to maxDigits question marks; false leaves text as it was.
bool readPart(std::string_view& text, const DatePart& part, int& value) {
    std::size_t n = 0;
    if (!text.empty() && text[0] == '?') {
        while (n < text.size() && text[n] == '?') ++n;
        if (n > static_cast<std::size_t>(part.maxDigits)) return false;
        value = UNKNOWN;
    } else {
        int v = 0;
        while (n < text.size() && isDigit(text[n])) v = v * 10 + (text[n++] - '0');
        if (n == 0 || n > static_cast<std::size_t>(part.maxDigits)) return false;
        if ((part.allDigits && n != static_cast<std::size_t>(part.maxDigits)) || v < part.lowest || v > part.highest)
            return false;
        value = v;
    }
    text.remove_prefix(n);
    return true;
}

bool skip(std::string_view& text, std::string_view mark) {
    if (!text.starts_with(mark)) return false;
    text.remove_prefix(mark.size());
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// "Y年", "Y年M月", "Y年M月D日" after the year.
bool readChineseRest(std::string_view& text, int& month, int& day) {
    if (text.empty()) return true;
    if (!readPart(text, MONTH, month) || !skip(text, GBK_MONTH_MARK)) return false;
    if (text.empty()) return true;
    return readPart(text, DAY, day) && skip(text, GBK_DAY_MARK);
}

// "-M", "-M-D" (or with '.' or '/', the same mark twice) after the year.
bool readMarkedRest(std::string_view& text, int& month, int& day) {
    const char mark = text[0];
    if (mark != '-' && mark != '.' && mark != '/') return false;
    text.remove_prefix(1);
    if (!readPart(text, MONTH, month)) return false;
    if (text.empty()) return true;
    if (text[0] != mark) return false;
    text.remove_prefix(1);
    return readPart(text, DAY, day);
}

void putPart(std::string& out, int value, int digits) {
    if (value == UNKNOWN) {
        out.append(static_cast<std::size_t>(digits), '?');
        return;
    }
    char text[8];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    out += text;
}

}  // namespace

std::optional<std::string> pgnDate(const std::string& gbkDate) {
    std::string_view text = trimmed(gbkDate);
    int year = UNKNOWN, month = UNKNOWN, day = UNKNOWN;
    if (!text.empty()) {
        if (!readPart(text, YEAR, year)) return std::nullopt;
        const bool read = text.empty() || (skip(text, GBK_YEAR_MARK) ? readChineseRest(text, month, day)
                                                                      : readMarkedRest(text, month, day));
        if (!read || !text.empty()) return std::nullopt;
    }
    std::string out;
    putPart(out, year, 4);
    out += '.';
    putPart(out, month, 2);
    out += '.';
    putPart(out, day, 2);
    return out;
}
