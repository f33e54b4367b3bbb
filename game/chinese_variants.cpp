#include "game/chinese_variants.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "game/chinese_variants_table.h"
#include "game/gbk.h"

namespace {

constexpr bool sortedByTraditional() {
    for (std::size_t i = 1; i < std::size(VARIANT_PAIRS); ++i)
        if (VARIANT_PAIRS[i - 1].traditional >= VARIANT_PAIRS[i].traditional) return false;
    return true;
}
static_assert(sortedByTraditional(), "the variant table is searched by halves");

std::uint16_t simplifiedOf(std::uint16_t code) {
    const auto at = std::lower_bound(std::begin(VARIANT_PAIRS), std::end(VARIANT_PAIRS), code,
                                     [](const VariantPair& p, std::uint16_t c) { return p.traditional < c; });
    return at != std::end(VARIANT_PAIRS) && at->traditional == code ? at->simplified : code;
}

}  // namespace

std::string foldVariants(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto c = static_cast<unsigned char>(gbk[i]);
        if (isGbkLeadByte(c) && i + 1 < gbk.size()) {
            const auto code = static_cast<std::uint16_t>(c << 8 | static_cast<unsigned char>(gbk[i + 1]));
            const std::uint16_t s = simplifiedOf(code);
            out += static_cast<char>(s >> 8);
            out += static_cast<char>(s & 0xFF);
            ++i;
        } else {
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
        }
    }
    return out;
}

bool containsText(std::string_view text, std::string_view needle) {
    if (needle.empty()) return true;
    for (std::size_t i = 0; i + needle.size() <= text.size();) {
        if (text[i] == needle[0] && text.compare(i, needle.size(), needle) == 0) return true;
        i += isGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return false;
}
