// The date of a game as PGN writes it: "YYYY.MM.DD", "??" (or "????") for
// a part not known.
#pragma once

#include <optional>
#include <string>

inline constexpr char PGN_UNKNOWN_DATE[] = "????.??.??";

// The PGN form of a date as the game information holds it (GBK): the
// program's own "2026年12月9日" (also "2026年12月" and "2026年"), or
// year, month and day parted by '-', '.' or '/' ("2026-12-09", "2026.12.9",
// "2026/12"), each part digits or question marks; spaces around it do not
// count. An empty text is the unknown date. Nothing for any other text, or
// for a month or day out of range.
std::optional<std::string> pgnDate(const std::string& gbkDate);
