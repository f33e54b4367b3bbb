// One option an outside engine offers, as its handshake lists it and the
// engine list keeps it, and the reading of both option syntaxes:
//   UCI:  option name Skill Level type spin default 20 min -20 max 20
//   UCCI: option hashsize type spin min 16 max 1024 default 64
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct EngineOption {
    enum Type { CHECK, SPIN, COMBO, BUTTON, STRING };

    QString name;          // as the engine spells it (UCCI: one word)
    Type type = STRING;
    QString defaultValue;  // empty for a button
    int min = 0;           // spin only
    int max = 0;           // spin only
    QStringList choices;   // combo only, in the engine's order

    // Whether value is acceptable for this option (a button takes none).
    bool accepts(const QString& value) const;
    friend bool operator==(const EngineOption&, const EngineOption&) = default;
};

// A type's word as option lines and the engine list spell it, and the type
// of a word (any case); nothing for a word that names no type.
const char* optionTypeWord(EngineOption::Type type);
std::optional<EngineOption::Type> optionTypeOfWord(const QString& word);

// The option of one "option ..." line (without a trailing line end), or
// nothing when the line is not a readable option of the given syntax.
std::optional<EngineOption> readUciOption(const QString& line);
std::optional<EngineOption> readUcciOption(const QString& line);
