// The settings file "Tevrin.cfg" in the working directory: a SectionFile
// of type 1 read once at start-up and written once at exit. The store
// keeps window placements by name, integers by name, the level record and,
// in a section older readers skip, texts by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "game/file_access.h"
#include "game/stored_settings.h"

inline constexpr const char* SETTINGS_FILE_NAME = "Tevrin.cfg";
constexpr std::size_t SETTINGS_FILE_LIMIT = 65'536;

class SettingsFile {
public:
    // The program's one; other instances are for tests.
    static SettingsFile& instance();
    SettingsFile() = default;

    // Merges what the file holds into the store. A missing, short,
    // oversized or damaged file, or another kind of SectionFile, changes
    // nothing; the result says whether the file was taken.
    bool load(const std::string& path = SETTINGS_FILE_NAME);
    // Writes the whole store. False when the file could not be written;
    // the old file is then as it was.
    bool save(const std::string& path = SETTINGS_FILE_NAME) const;

    bool getWindow(const std::string& key, WindowPlacement& out) const;
    void setWindow(const std::string& key, const WindowPlacement& placement);
    bool getInt(const std::string& key, int& out) const;
    void setInt(const std::string& key, int value);
    // True when a level (not 0) is stored.
    bool getLevelRecord(std::uint8_t& level, SearchRequest& limits) const;
    void setLevelRecord(std::uint8_t level, const SearchRequest& limits);

    // The whole store as plain data, and back: storeSettings sets what the
    // given settings hold and leaves the other keys alone.
    StoredSettings settings() const;
    void storeSettings(const StoredSettings& settings);

    // The file's bytes for the store, and the store from such bytes (the
    // same rules as load). Used by load and save.
    bool encode(std::vector<std::uint8_t>& out) const;
    bool merge(std::span<const std::uint8_t> file);

    void setWriteFunction(WriteFunction write) { writeFunction = std::move(write); }

private:
    std::map<std::string, WindowPlacement> windows;
    std::uint8_t level = 0;
    SearchRequest customLimits{};
    std::map<std::string, int> ints;
    std::map<std::string, std::string> texts;
    WriteFunction writeFunction;
};
