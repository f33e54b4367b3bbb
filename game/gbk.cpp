#include "game/gbk.h"

#include <cerrno>
#include <iconv.h>

namespace {

constexpr char UTF8_REPLACEMENT[] = "\xEF\xBF\xBD";  // U+FFFD

iconv_t toIconv(void* handle) { return static_cast<iconv_t>(handle); }
const iconv_t NO_ICONV = reinterpret_cast<iconv_t>(-1);

// Length of the UTF-8 sequence a lead byte starts, 0 when it cannot start one.
int utf8SequenceLength(unsigned char c) {
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return 2;
    if (c >= 0xE0 && c <= 0xEF) return 3;
    if (c >= 0xF0 && c <= 0xF4) return 4;
    return 0;
}

// Bytes allowed right after the lead byte (the rest are 0x80..0xBF).
bool validSecondByte(unsigned char lead, unsigned char c) {
    if (lead == 0xE0) return c >= 0xA0 && c <= 0xBF;  // no overlong forms
    if (lead == 0xED) return c >= 0x80 && c <= 0x9F;  // no surrogates
    if (lead == 0xF0) return c >= 0x90 && c <= 0xBF;
    if (lead == 0xF4) return c >= 0x80 && c <= 0x8F;  // nothing above U+10FFFF
    return c >= 0x80 && c <= 0xBF;
}

// How many input bytes to step over after a conversion error at in[0].
std::size_t badSequenceLength(TextConverter::Direction direction, std::string_view in) {
    if (direction == TextConverter::GBK_TO_UTF8) return 1;
    std::size_t n = 1;
    while (n < in.size() && n < 4 && (static_cast<unsigned char>(in[n]) & 0xC0) == 0x80) ++n;
    return n;
}

}  // namespace

bool isValidUtf8(std::string_view text, bool allowTruncatedEnd) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = utf8SequenceLength(lead);
        if (length == 0) return false;
        for (int k = 1; k < length; ++k) {
            if (i + k >= text.size()) return allowTruncatedEnd;
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (k == 1 ? !validSecondByte(lead, c) : (c & 0xC0) != 0x80) return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

TextConverter::TextConverter(Direction d) : direction(d) {
    const iconv_t cd = d == GBK_TO_UTF8 ? iconv_open("UTF-8", "GBK") : iconv_open("GBK", "UTF-8");
    handle = cd;
}

TextConverter::~TextConverter() {
    if (available()) iconv_close(toIconv(handle));
}

bool TextConverter::available() const { return toIconv(handle) != NO_ICONV; }

// Converts as much of the input as it can; stops at the end or at the
// first byte sequence that cannot be converted, leaving in at it.
// Returns false in that second case.
bool TextConverter::convertSome(std::string_view& in, std::string& out) {
    iconv_t cd = toIconv(handle);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    bool ok = true;
    while (inLeft > 0) {
        const std::size_t used = out.size();
        out.resize(used + inLeft * 2 + 16);
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.resize(out.size() - outLeft);
        if (r != static_cast<std::size_t>(-1)) break;
        // E2BIG: go round with more room. EILSEQ (not a character, or not
        // representable) or EINVAL (cut off at the end): stop here.
        if (error != E2BIG) {
            ok = false;
            break;
        }
    }
    in.remove_prefix(static_cast<std::size_t>(inPtr - in.data()));
    return ok;
}

bool TextConverter::convert(std::string_view in, std::string& out, std::size_t* badOffset) {
    if (badOffset) *badOffset = 0;
    if (!available()) return false;
    iconv(toIconv(handle), nullptr, nullptr, nullptr, nullptr);
    std::string result;
    std::string_view rest = in;
    if (!convertSome(rest, result)) {
        if (badOffset) *badOffset = in.size() - rest.size();
        return false;
    }
    out = std::move(result);
    return true;
}

std::string TextConverter::convertLossy(std::string_view in) {
    std::string out;
    if (!available()) {
        for (char c : in) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
    const char* replacement = direction == GBK_TO_UTF8 ? UTF8_REPLACEMENT : "?";
    iconv(toIconv(handle), nullptr, nullptr, nullptr, nullptr);
    while (!convertSome(in, out)) {
        out += replacement;
        in.remove_prefix(badSequenceLength(direction, in));
    }
    return out;
}

bool gbkToUtf8(std::string_view gbk, std::string& out, std::size_t* badOffset) {
    TextConverter converter(TextConverter::GBK_TO_UTF8);
    return converter.convert(gbk, out, badOffset);
}

bool utf8ToGbk(std::string_view utf8, std::string& out, std::size_t* badOffset) {
    TextConverter converter(TextConverter::UTF8_TO_GBK);
    return converter.convert(utf8, out, badOffset);
}

std::string gbkToUtf8Lossy(std::string_view gbk) {
    TextConverter converter(TextConverter::GBK_TO_UTF8);
    return converter.convertLossy(gbk);
}

std::string utf8ToGbkLossy(std::string_view utf8) {
    TextConverter converter(TextConverter::UTF8_TO_GBK);
    return converter.convertLossy(utf8);
}
