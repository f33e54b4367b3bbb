// The engines the player has brought in, kept in "Engines.json" beside
// "Tevrin.cfg": for each its name, program, protocol, the options it
// offers and the values chosen for them, and which engine plays and which
// analyses. The built-in engine "Morlan" is always entry 0 and is never
// stored. QtCore only, so other windows and tools can read the list too.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

#include "engines/engine_option.h"

constexpr char ENGINE_LIST_FILE[] = "Engines.json";
constexpr char BUILT_IN_ENGINE_NAME[] = "Morlan";

struct EngineEntry {
    QString name;
    QString path;      // the program; empty for the built-in engine
    QString author;
    QString protocol;  // "uci" or "ucci"; empty until the first handshake
    std::vector<EngineOption> options;  // as the engine announced them
    QMap<QString, QString> values;  // chosen option values by name

    bool builtIn() const { return path.isEmpty(); }
    const EngineOption* option(const QString& optionName) const;
    // The chosen value of an option, or its default.
    QString value(const QString& optionName) const;
    friend bool operator==(const EngineEntry&, const EngineEntry&) = default;
};

// Whether the program sets this option itself (the variant, the number of
// lines, UCCI's time unit): never taken from the list's values.
bool programSetsOption(const QString& name);

class EngineList {
public:
    enum class LoadResult { Missing, Loaded, Damaged };

    EngineList();

    int size() const { return static_cast<int>(entries.size()); }
    const EngineEntry& at(int i) const { return entries[static_cast<std::size_t>(i)]; }
    EngineEntry& at(int i) { return entries[static_cast<std::size_t>(i)]; }
    // The entry with that program, -1 when none has it.
    int find(const QString& path) const;
    // Appends an outside engine; refused (-1) for a program already listed
    // or without a path. Answers its index.
    int add(const EngineEntry& entry);
    // Removes an outside engine; a role it had goes to the built-in engine.
    bool remove(int i);

    // Which entry plays (电脑对弈) and which analyses (分析).
    int player() const { return player_; }
    int analyst() const { return analyst_; }
    void setPlayer(int i);
    void setAnalyst(int i);

    // The board's arrow for the best move while an analysis runs (查看).
    bool showArrow = true;

    // Reads the file. Missing: the built-in engine alone. Damaged: the
    // built-in engine alone, and problem says what is wrong.
    LoadResult load(const QString& path, QString* problem = nullptr);
    // Writes the whole list (a temporary file renamed over the old one);
    // false with problem set when it cannot be written.
    bool save(const QString& path, QString* problem = nullptr) const;

    // The file's text: JSON with every character beyond ASCII escaped, so
    // the same bytes read as GBK and as UTF-8.
    QByteArray toJson() const;
    bool fromJson(const QByteArray& text, QString* problem);

    friend bool operator==(const EngineList&, const EngineList&) = default;

private:
    void clear();
    std::vector<EngineEntry> entries;
    int player_ = 0;
    int analyst_ = 0;
};
