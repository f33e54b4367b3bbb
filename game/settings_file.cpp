#include "game/settings_file.h"

#include "game/time_control.h"

#include "game/section_file.h"

#include <algorithm>

namespace {

constexpr std::uint16_t SECTION_INTS = 1;
constexpr std::uint16_t SECTION_LEVEL = 2;
constexpr std::uint16_t SECTION_WINDOWS = 3;
// Windows added after the first five: a section of their own, in the same
// layout, so that older readers (which skip unknown sections) never meet
// a key they do not know.
constexpr std::uint16_t SECTION_MORE_WINDOWS = 4;
// Texts by name: key, zero byte, value, zero byte (GBK). A section older
// readers skip.
constexpr std::uint16_t SECTION_TEXTS = 5;
constexpr const char* FIRST_WINDOWS[] = {"book", "info", "main", "status", "time"};

bool isFirstWindow(const std::string& key) {
    for (const char* k : FIRST_WINDOWS)
        if (key == k) return true;
    return false;
}

constexpr std::uint8_t HIGHEST_LEVEL = 4;
constexpr int MAX_CUSTOM_DEPTH = 99;
constexpr int MAX_CUSTOM_SECONDS = 9999;

// Limits the level dialog can make; anything else in a file is ignored.
bool isKnownLevel(std::uint8_t level, const SearchRequest& limits) {
    if (level > HIGHEST_LEVEL || (limits.flags & ~(LIMIT_DEPTH | LIMIT_TIME)) != 0) return false;
    if (limits.limitsDepth() && (limits.depth < 1 || limits.depth > MAX_CUSTOM_DEPTH)) return false;
    if (limits.limitsTime() && (limits.seconds < 1 || limits.seconds > MAX_CUSTOM_SECONDS)) return false;
    return true;
}

// Each reader returns false where the walk must end: a key without its
// zero byte, or an entry cut short by the section's end.
bool readInts(SectionContent& in, std::map<std::string, int>& ints) {
    while (!in.atEnd()) {
        std::string key;
        std::uint8_t value = 0;
        if (!in.getText(key) || !in.getByte(value)) return false;
        ints[key] = static_cast<std::int8_t>(value);
    }
    return true;
}

bool readWindows(SectionContent& in, std::map<std::string, WindowPlacement>& windows) {
    while (!in.atEnd()) {
        std::string key;
        std::uint8_t visible = 0;
        std::uint32_t x = 0, y = 0;
        if (!in.getText(key) || !in.getByte(visible) || !in.getU32(x) || !in.getU32(y)) return false;
        windows[key] = {visible != 0, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
    }
    return true;
}

bool readTexts(SectionContent& in, std::map<std::string, std::string>& texts) {
    while (!in.atEnd()) {
        std::string key, value;
        if (!in.getText(key) || !in.getText(value)) return false;
        texts[key] = value;
    }
    return true;
}

void readLevel(SectionContent& in, std::uint8_t& level, SearchRequest& limits) {
    std::uint8_t stored = 0, flags = 0, depth = 0;
    std::uint16_t seconds = 0;
    if (!in.getByte(stored) || !in.getByte(flags) || !in.getByte(depth) || !in.getU16(seconds)) return;
    const SearchRequest read{flags, static_cast<std::int8_t>(depth), static_cast<std::int16_t>(seconds)};
    if (!isKnownLevel(stored, read)) return;
    level = stored;
    limits = read;
}

template <typename Value>
void copyStored(const std::map<std::string, Value>& map, const char* key, std::optional<Value>& out) {
    const auto it = map.find(key);
    if (it != map.end()) out = it->second;
}

template <typename Value>
void storeGiven(std::map<std::string, Value>& map, const char* key, const std::optional<Value>& value) {
    if (value) map[key] = *value;
}

}  // namespace

SettingsFile& SettingsFile::instance() {
    static SettingsFile file;
    return file;
}

bool SettingsFile::load(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(path, SETTINGS_FILE_LIMIT, bytes) != READ_FILE_OK) return false;
    return merge(bytes);
}

bool SettingsFile::save(const std::string& path) const {
    std::vector<std::uint8_t> bytes;
    return encode(bytes) && replaceFile(path, bytes, writeFunction);
}

bool SettingsFile::encode(std::vector<std::uint8_t>& out) const {
    SectionWriter payload(SETTINGS_FILE_LIMIT);
    payload.beginSection(SECTION_INTS);
    for (const auto& [key, value] : ints) {
        payload.putText(key);
        payload.putByte(static_cast<std::uint8_t>(value));
    }
    payload.endSection();
    payload.beginSection(SECTION_LEVEL);
    payload.putByte(level);
    payload.putByte(customLimits.flags);
    payload.putByte(static_cast<std::uint8_t>(customLimits.depth));
    payload.putU16(static_cast<std::uint16_t>(customLimits.seconds));
    payload.endSection();
    for (const std::uint16_t id : {SECTION_WINDOWS, SECTION_MORE_WINDOWS}) {
        if (id == SECTION_MORE_WINDOWS &&
            std::all_of(windows.begin(), windows.end(), [](const auto& w) { return isFirstWindow(w.first); }))
            break;
        payload.beginSection(id);
        for (const auto& [key, w] : windows) {
            if (isFirstWindow(key) != (id == SECTION_WINDOWS)) continue;
            payload.putText(key);
            payload.putByte(w.visible ? 1 : 0);
            payload.putU32(static_cast<std::uint32_t>(w.x));
            payload.putU32(static_cast<std::uint32_t>(w.y));
        }
        payload.endSection();
    }
    if (!texts.empty()) {
        payload.beginSection(SECTION_TEXTS);
        for (const auto& [key, value] : texts) {
            payload.putText(key);
            payload.putText(value);
        }
        payload.endSection();
    }
    if (payload.overflowed()) return false;
    const SectionFile file{SECTION_FILE_SETTINGS, payload.payload()};
    return file.encode(SETTINGS_FILE_LIMIT, out);
}

bool SettingsFile::merge(std::span<const std::uint8_t> bytes) {
    SectionFile file;
    if (!file.decode(bytes, SECTION_FILE_SETTINGS, SETTINGS_FILE_LIMIT, SETTINGS_FILE_LIMIT)) return false;
    SectionWalker walker(file.payload);
    Section section;
    bool walking = true;
    while (walking && walker.next(section)) {
        switch (section.id) {
        case SECTION_INTS: walking = readInts(section.content, ints); break;
        case SECTION_LEVEL: readLevel(section.content, level, customLimits); break;
        case SECTION_WINDOWS:
        case SECTION_MORE_WINDOWS: walking = readWindows(section.content, windows); break;
        case SECTION_TEXTS: walking = readTexts(section.content, texts); break;
        default: break;
        }
    }
    return true;
}

bool SettingsFile::getWindow(const std::string& key, WindowPlacement& out) const {
    const auto it = windows.find(key);
    if (it == windows.end()) return false;
    out = it->second;
    return true;
}

void SettingsFile::setWindow(const std::string& key, const WindowPlacement& placement) {
    windows[key] = placement;
}

bool SettingsFile::getInt(const std::string& key, int& out) const {
    const auto it = ints.find(key);
    if (it == ints.end()) return false;
    out = it->second;
    return true;
}

void SettingsFile::setInt(const std::string& key, int value) { ints[key] = value; }

bool SettingsFile::getLevelRecord(std::uint8_t& levelOut, SearchRequest& limits) const {
    if (level == 0) return false;
    levelOut = level;
    limits = customLimits;
    return true;
}

void SettingsFile::setLevelRecord(std::uint8_t newLevel, const SearchRequest& limits) {
    level = newLevel;
    customLimits = limits;
}

StoredSettings SettingsFile::settings() const {
    StoredSettings s;
    copyStored(windows, "main", s.mainWindow);
    copyStored(windows, "time", s.clockWindow);
    copyStored(windows, "info", s.infoWindow);
    copyStored(windows, "book", s.bookWindow);
    copyStored(windows, "status", s.statusWindow);
    copyStored(windows, "graph", s.graphWindow);
    if (level != 0) s.level = LevelRecord{level, customLimits};
    copyStored(ints, "mode", s.mode);
    copyStored(ints, "side", s.side);
    copyStored(ints, "reverse", s.reverse);
    copyStored(ints, "animation", s.animation);
    copyStored(ints, "sound", s.sound);
    copyStored(ints, "book", s.useBook);
    copyStored(ints, "ponder", s.ponder);
    copyStored(ints, "scale", s.boardSize);
    copyStored(ints, "variations", s.keepVariations);
    copyStored(ints, "rulings", s.repetitionRulings);
    copyStored(ints, "notation", s.notation);
    copyStored(ints, "pieces", s.pieceSet);
    copyStored(ints, "nonstop", s.nonstopAnalysis);
    copyStored(texts, "recovery", s.recoveryFile);
    copyStored(texts, "clock-red", s.redClock);
    copyStored(texts, "clock-black", s.blackClock);
    return s;
}

void SettingsFile::storeSettings(const StoredSettings& s) {
    storeGiven(windows, "main", s.mainWindow);
    storeGiven(windows, "time", s.clockWindow);
    storeGiven(windows, "info", s.infoWindow);
    storeGiven(windows, "book", s.bookWindow);
    storeGiven(windows, "status", s.statusWindow);
    storeGiven(windows, "graph", s.graphWindow);
    if (s.level) setLevelRecord(s.level->level, s.level->customLimits);
    storeGiven(ints, "mode", s.mode);
    storeGiven(ints, "side", s.side);
    storeGiven(ints, "reverse", s.reverse);
    storeGiven(ints, "animation", s.animation);
    storeGiven(ints, "sound", s.sound);
    storeGiven(ints, "book", s.useBook);
    storeGiven(ints, "ponder", s.ponder);
    storeGiven(ints, "scale", s.boardSize);
    storeGiven(ints, "variations", s.keepVariations);
    storeGiven(ints, "rulings", s.repetitionRulings);
    storeGiven(ints, "notation", s.notation);
    storeGiven(ints, "pieces", s.pieceSet);
    storeGiven(ints, "nonstop", s.nonstopAnalysis);
    if (s.recoveryFile && s.recoveryFile->empty()) texts.erase("recovery");
    else storeGiven(texts, "recovery", s.recoveryFile);
    // 不限时 is no key at all: the file stays as a player who never set a
    // time control always had it.
    for (const auto& [key, value] : {std::pair{"clock-red", &s.redClock}, std::pair{"clock-black", &s.blackClock}}) {
        if (*value && **value == timeControlText(TimeControl{})) texts.erase(key);
        else storeGiven(texts, key, *value);
    }
}
