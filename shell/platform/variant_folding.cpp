#include "shell/platform/variant_folding.h"

#include <array>
#include <string>

#include "game/chinese_variants_table.h"
#include "shell/platform/qt_text.h"

namespace {

// Unicode traditional -> simplified, made once from the GBK table.
class UnicodeVariants {
public:
    UnicodeVariants() {
        for (char16_t& c : simplified) c = 0;
        for (const VariantPair& p : VARIANT_PAIRS) {
            const QString t = gbkChar(p.traditional), s = gbkChar(p.simplified);
            if (t.size() == 1 && s.size() == 1) simplified[t.at(0).unicode()] = s.at(0).unicode();
        }
    }
    char16_t of(char16_t c) const { return simplified[c] ? simplified[c] : c; }

private:
    std::array<char16_t, 0x10000> simplified;
    static QString gbkChar(std::uint16_t code) {
        return toQt(std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    }
};

const UnicodeVariants& variants() {
    static const UnicodeVariants table;
    return table;
}

}  // namespace

QString foldVariants(const QString& text) {
    const UnicodeVariants& v = variants();
    QString out = text.toLower();
    for (QChar& c : out) c = QChar(v.of(c.unicode()));
    return out;
}
