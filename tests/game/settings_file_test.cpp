#include "game/settings_file.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <unistd.h>

#include "file_test_support.h"
#include "game/section_file.h"

namespace {

constexpr SearchRequest CUSTOM{LIMIT_DEPTH, 8, 10};

// What the game model stores at exit, with every key.
StoredSettings fullSettings() {
    StoredSettings s;
    s.mainWindow = WindowPlacement{true, 100, -20};
    s.clockWindow = WindowPlacement{false, 5, 6};
    s.infoWindow = WindowPlacement{true, 700, 80};
    s.bookWindow = WindowPlacement{false, -3000, 2000000};
    s.statusWindow = WindowPlacement{true, 0, 0};
    s.level = LevelRecord{4, SearchRequest{LIMIT_DEPTH | LIMIT_TIME, 12, 300}};
    s.mode = 3;
    s.side = 1;
    s.reverse = 0;
    s.animation = 1;
    s.sound = 0;
    s.useBook = 1;
    s.ponder = 0;
    s.boardSize = 2;
    return s;
}

Bytes payloadOf(const std::string& path) {
    SectionFile f;
    EXPECT_TRUE(f.decode(readBytes(path), SECTION_FILE_SETTINGS, SETTINGS_FILE_LIMIT, SETTINGS_FILE_LIMIT));
    return f.payload;
}

// The keys of a section, in the order stored.
std::vector<std::string> keysOf(SectionContent content, std::size_t valueBytes) {
    std::vector<std::string> keys;
    std::string key;
    Bytes skip(valueBytes);
    while (content.getText(key) && content.getBytes(skip)) keys.push_back(key);
    return keys;
}

Bytes settingsPayload(const Bytes& ints, const Bytes& level, const Bytes& windows) {
    Bytes p;
    putSection(p, 1, ints);
    putSection(p, 2, level);
    putSection(p, 3, windows);
    return p;
}

struct SettingsFileTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.file(SETTINGS_FILE_NAME);
};

}  // namespace

TEST_F(SettingsFileTest, SavedFileHoldsEveryKeyInOrder) {
    SettingsFile store;
    store.storeSettings(fullSettings());
    ASSERT_TRUE(store.save(path));
    const Bytes bytes = readBytes(path);
    EXPECT_EQ(bytes[8], SECTION_FILE_SETTINGS);
    const Bytes payload = payloadOf(path);
    SectionWalker walker(payload);
    Section s;
    ASSERT_TRUE(walker.next(s));
    EXPECT_EQ(s.id, 1);
    EXPECT_EQ(keysOf(s.content, 1),
              (std::vector<std::string>{"animation", "book", "mode", "ponder", "reverse", "scale", "side", "sound"}));
    ASSERT_TRUE(walker.next(s));
    EXPECT_EQ(s.id, 2);
    Bytes level(5);
    ASSERT_EQ(s.content.remaining(), 5u);  // 11 bytes with the header
    s.content.getBytes(level);
    EXPECT_EQ(level, (Bytes{4, 3, 12, 0x2C, 0x01}));
    ASSERT_TRUE(walker.next(s));
    EXPECT_EQ(s.id, 3);
    EXPECT_EQ(keysOf(s.content, 9), (std::vector<std::string>{"book", "info", "main", "status", "time"}));
    EXPECT_FALSE(walker.next(s));
}

TEST_F(SettingsFileTest, EverySettingComesBack) {
    SettingsFile store;
    store.storeSettings(fullSettings());
    ASSERT_TRUE(store.save(path));
    SettingsFile loaded;
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.settings(), fullSettings());
    WindowPlacement w;
    ASSERT_TRUE(loaded.getWindow("book", w));
    EXPECT_EQ(w, (WindowPlacement{false, -3000, 2000000}));
    int v = -1;
    ASSERT_TRUE(loaded.getInt("book", v));
    EXPECT_EQ(v, 1);
    std::uint8_t level = 0;
    SearchRequest limits{};
    ASSERT_TRUE(loaded.getLevelRecord(level, limits));
    EXPECT_EQ(level, 4);
    EXPECT_EQ(limits, (SearchRequest{LIMIT_DEPTH | LIMIT_TIME, 12, 300}));
}

TEST_F(SettingsFileTest, IntegersKeepOnlyTheirLowByteAsASignedValue) {
    SettingsFile store;
    store.setInt("neg", -128);
    store.setInt("big", 127);
    store.setInt("wrap", 300);
    store.setInt("minus", -1);
    ASSERT_TRUE(store.save(path));
    SettingsFile loaded;
    ASSERT_TRUE(loaded.load(path));
    int v = 0;
    EXPECT_TRUE(loaded.getInt("neg", v) && v == -128);
    EXPECT_TRUE(loaded.getInt("big", v) && v == 127);
    EXPECT_TRUE(loaded.getInt("wrap", v) && v == 44);
    EXPECT_TRUE(loaded.getInt("minus", v) && v == -1);
}

TEST_F(SettingsFileTest, EmptyStoreAndMissingKeys) {
    SettingsFile store;
    EXPECT_EQ(store.settings(), StoredSettings{});
    std::uint8_t level = 9;
    SearchRequest limits = CUSTOM;
    EXPECT_FALSE(store.getLevelRecord(level, limits));
    EXPECT_EQ(level, 9);
    WindowPlacement w;
    EXPECT_FALSE(store.getWindow("main", w));
    int v;
    EXPECT_FALSE(store.getInt("mode", v));
    // The level section is always written; level 0 reads back as none.
    ASSERT_TRUE(store.save(path));
    SettingsFile loaded;
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.settings(), StoredSettings{});
}

TEST_F(SettingsFileTest, LoadMergesIntoWhatIsStored) {
    SettingsFile store;
    store.setInt("mode", 2);
    ASSERT_TRUE(store.save(path));
    SettingsFile other;
    other.setInt("sound", 0);
    other.setInt("mode", 1);
    ASSERT_TRUE(other.load(path));
    int v = 0;
    EXPECT_TRUE(other.getInt("mode", v) && v == 2);
    EXPECT_TRUE(other.getInt("sound", v) && v == 0);
}

TEST_F(SettingsFileTest, DamagedFilesChangeNothing) {
    SettingsFile store;
    store.storeSettings(fullSettings());
    ASSERT_TRUE(store.save(path));
    const Bytes good = readBytes(path);

    std::vector<std::pair<std::string, Bytes>> cases;
    cases.push_back({"12 bytes", Bytes(good.begin(), good.begin() + 12)});
    cases.push_back({"9 bytes", Bytes(good.begin(), good.begin() + 9)});
    cases.push_back({"empty", Bytes{}});
    Bytes flipped = good;
    flipped[20] ^= 0x10;
    cases.push_back({"one changed byte after offset 8", flipped});
    Bytes game = good;
    game[8] = SECTION_FILE_GAME;
    fixChecksum(game);
    cases.push_back({"a game file", game});
    Bytes magic = good;
    magic[0] = 'X';
    cases.push_back({"another magic", magic});
    Bytes big = good;
    big.resize(SETTINGS_FILE_LIMIT + 1, 0);
    fixChecksum(big);
    cases.push_back({"oversized", big});
    const Bytes payload = settingsPayload({'m', 'o', 'd', 'e', 0, 2}, {1, 2, 0, 2, 0}, {});
    cases.push_back({"stored length too long",
                     sectionFileBytes(SECTION_FILE_SETTINGS, payload, static_cast<std::uint32_t>(payload.size() + 1))});
    cases.push_back({"stored length above the limit",
                     sectionFileBytes(SECTION_FILE_SETTINGS, payload, SETTINGS_FILE_LIMIT + 1)});

    for (const auto& [name, bytes] : cases) {
        writeBytes(path, bytes);
        SettingsFile loaded;
        loaded.setInt("mode", 1);
        EXPECT_FALSE(loaded.load(path)) << name;
        StoredSettings expected;
        expected.mode = 1;
        EXPECT_EQ(loaded.settings(), expected) << name;
    }
    SettingsFile none;
    EXPECT_FALSE(none.load(dir.file("absent.cfg")));
}

TEST_F(SettingsFileTest, BadLengthsAndUnendedKeysEndTheWalk) {
    // ints: "mode"=2 then a key without its zero byte; the windows section is never reached.
    Bytes payload;
    putSection(payload, 1, {'m', 'o', 'd', 'e', 0, 2, 's', 'i', 'd', 'e'});
    putSection(payload, 3, {'m', 'a', 'i', 'n', 0, 1, 1, 0, 0, 0, 2, 0, 0, 0});
    writeBytes(path, sectionFileBytes(SECTION_FILE_SETTINGS, payload));
    SettingsFile loaded;
    ASSERT_TRUE(loaded.load(path));
    StoredSettings expected;
    expected.mode = 2;
    EXPECT_EQ(loaded.settings(), expected);

    // A section length below 6 ends the walk.
    Bytes shortLength;
    putSection(shortLength, 1, {'s', 'o', 'u', 'n', 'd', 0, 1});
    putU16(shortLength, 9);
    putU32(shortLength, 3);
    putSection(shortLength, 1, {'m', 'o', 'd', 'e', 0, 3});
    writeBytes(path, sectionFileBytes(SECTION_FILE_SETTINGS, shortLength));
    SettingsFile second;
    ASSERT_TRUE(second.load(path));
    StoredSettings soundOnly;
    soundOnly.sound = 1;
    EXPECT_EQ(second.settings(), soundOnly);

    // A window entry cut short is dropped; what came before it stays.
    Bytes cut;
    putSection(cut, 3, {'t', 'i', 'm', 'e', 0, 1, 9, 0, 0, 0, 8, 0, 0, 0, 'm', 'a', 'i', 'n', 0, 1, 1});
    writeBytes(path, sectionFileBytes(SECTION_FILE_SETTINGS, cut));
    SettingsFile third;
    ASSERT_TRUE(third.load(path));
    StoredSettings clockOnly;
    clockOnly.clockWindow = WindowPlacement{true, 9, 8};
    EXPECT_EQ(third.settings(), clockOnly);
}

TEST_F(SettingsFileTest, LevelRecordsTheDialogCannotMakeAreIgnored) {
    const auto levelAfterLoad = [this](const Bytes& level) {
        writeBytes(path, sectionFileBytes(SECTION_FILE_SETTINGS, settingsPayload({}, level, {})));
        SettingsFile loaded;
        EXPECT_TRUE(loaded.load(path));
        return loaded.settings().level;
    };
    EXPECT_EQ(levelAfterLoad({2, 1, 8, 10, 0}), (LevelRecord{2, CUSTOM}));
    EXPECT_EQ(levelAfterLoad({4, 0, 0, 0, 0}), (LevelRecord{4, SearchRequest{0, 0, 0}}));
    EXPECT_EQ(levelAfterLoad({5, 1, 8, 10, 0}), std::nullopt) << "no level 5";
    EXPECT_EQ(levelAfterLoad({4, 1, 0, 10, 0}), std::nullopt) << "depth 0";
    EXPECT_EQ(levelAfterLoad({4, 1, 100, 10, 0}), std::nullopt) << "depth 100";
    EXPECT_EQ(levelAfterLoad({4, 2, 8, 0x10, 0x27}), std::nullopt) << "10000 seconds";
    EXPECT_EQ(levelAfterLoad({4, 6, 8, 10, 0}), std::nullopt) << "unknown flag";
    EXPECT_EQ(levelAfterLoad({4, 1, 8, 10}), std::nullopt) << "four bytes";
}

TEST_F(SettingsFileTest, InterruptedOrImpossibleSaveLeavesThePreviousFile) {
    SettingsFile store;
    store.storeSettings(fullSettings());
    ASSERT_TRUE(store.save(path));
    const Bytes old = readBytes(path);
    store.setInt("mode", 1);
    for (std::size_t limit : {0u, 5u, 20u}) {
        auto written = std::make_shared<std::size_t>(0);
        store.setWriteFunction([written, limit](int fd, const void* data, std::size_t size) -> long {
            if (*written >= limit) {
                errno = EIO;
                return -1;
            }
            const long n = ::write(fd, data, std::min(size, limit - *written));
            *written += static_cast<std::size_t>(n);
            return n;
        });
        EXPECT_FALSE(store.save(path)) << limit;
        EXPECT_EQ(readBytes(path), old) << limit;
        EXPECT_EQ(dir.entries(), std::vector<std::string>{SETTINGS_FILE_NAME});
    }
    store.setWriteFunction({});
    EXPECT_FALSE(store.save(dir.file("absent/Tevrin.cfg")));
    // Keys beyond the 64 KB payload are not written at all.
    for (int i = 0; i < 8000; ++i) store.setInt("key" + std::to_string(i), i);
    EXPECT_FALSE(store.save(path));
    EXPECT_EQ(readBytes(path), old);
}

TEST_F(SettingsFileTest, LaterWindowsGoToASectionOlderReadersSkip) {
    SettingsFile store;
    StoredSettings s = fullSettings();
    s.graphWindow = WindowPlacement{true, 40, 50};
    store.storeSettings(s);
    ASSERT_TRUE(store.save(path));
    const Bytes payload = payloadOf(path);
    SectionWalker walker(payload);
    Section section;
    std::vector<int> ids;
    while (walker.next(section)) {
        ids.push_back(section.id);
        if (section.id == 3)
            EXPECT_EQ(keysOf(section.content, 9), (std::vector<std::string>{"book", "info", "main", "status", "time"}));
        if (section.id == 4) EXPECT_EQ(keysOf(section.content, 9), (std::vector<std::string>{"graph"}));
    }
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4}));
    SettingsFile loaded;
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.settings(), s);
    // Without such a window the file is as it always was.
    SettingsFile plain;
    plain.storeSettings(fullSettings());
    ASSERT_TRUE(plain.save(path));
    const Bytes old = payloadOf(path);
    SectionWalker oldWalker(old);
    int sections = 0;
    while (oldWalker.next(section)) ++sections;
    EXPECT_EQ(sections, 3);
}
