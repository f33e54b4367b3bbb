#include "match/elo_text.h"

#include <cmath>
#include <cstdio>

namespace {

std::string signedNumber(double value) {
    if (std::isinf(value)) return value > 0 ? "+inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%+.1f", value);
    // A value that rounds to zero reads 0.0, not -0.0 or +0.0.
    const std::string s = text;
    return s == "-0.0" || s == "+0.0" ? "0.0" : s;
}

std::string number(double value, const char* format) {
    if (std::isinf(value)) return "inf";
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string eloText(const EloEstimate& estimate) {
    if (!estimate.known()) return "Elo -";
    return "Elo " + signedNumber(estimate.elo) + " +/- " + number(estimate.errorMargin, "%.1f") + ", LOS " +
           number(100 * estimate.superiority, "%.1f") + "%";
}

std::string sprtText(const SprtSettings& settings, double ratio) {
    const SprtBounds bounds = sprtBounds(settings);
    return "LLR " + number(ratio, "%.2f") + " (" + number(bounds.lower, "%.2f") + ", " + number(bounds.upper, "%.2f") +
           ") [" + number(settings.elo0, "%.1f") + ", " + number(settings.elo1, "%.1f") + "]";
}
