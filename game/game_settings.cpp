// Collecting the settings from the windows, the menu and the engine at
// exit, and applying them again at start-up.
#include "engine/engine.h"
#include "engine/service.h"
#include "game/game.h"
#include "game/gbk.h"
#include "game/settings_file.h"

namespace {

constexpr ShellWindow TOOL_WINDOWS[] = {ShellWindow::Clock, ShellWindow::Info, ShellWindow::Book,
                                        ShellWindow::Situation, ShellWindow::Graph};

std::optional<WindowPlacement>& placementOf(StoredSettings& s, ShellWindow w) {
    switch (w) {
    case ShellWindow::Main: return s.mainWindow;
    case ShellWindow::Clock: return s.clockWindow;
    case ShellWindow::Info: return s.infoWindow;
    case ShellWindow::Book: return s.bookWindow;
    case ShellWindow::Graph: return s.graphWindow;
    case ShellWindow::Situation: break;
    }
    return s.statusWindow;
}

// A stored time control; one missing or damaged is 不限时.
TimeControl storedControl(const std::optional<std::string>& text) {
    if (!text) return {};
    const std::optional<TimeControl> control = parseTimeControl(*text);
    return control && control->valid() ? *control : TimeControl{};
}

}  // namespace

void Game::saveSettings() {
    StoredSettings s;
    s.mainWindow = shell().windowPlacement(ShellWindow::Main);
    for (ShellWindow w : TOOL_WINDOWS) placementOf(s, w) = shell().windowPlacement(w);
    s.level = LevelRecord{static_cast<std::uint8_t>(level()), shell().customLimits()};
    s.mode = mode();
    s.side = computerPlaysRed() ? 1 : 0;
    s.reverse = shell().boardReversed() ? 1 : 0;
    s.animation = shell().isChecked(CheckMark::Animation) ? 1 : 0;
    s.sound = shell().isChecked(CheckMark::Sound) ? 1 : 0;
    const Engine& engine = thinkingEngine();
    s.useBook = engine.getUseBook() ? 1 : 0;
    s.ponder = engine.getPonderEnabled() ? 1 : 0;
    if (const int size = shell().selectedItem(RadioGroup::BoardSize); size >= 0) s.boardSize = size;
    s.keepVariations = keepVariationsByDefault() ? 1 : 0;
    s.repetitionRulings = repetitionRulings() ? 1 : 0;
    if (const int n = shell().selectedItem(RadioGroup::Notation); n >= 0) s.notation = n;
    if (const int p = shell().selectedItem(RadioGroup::PieceSet); p >= 0) s.pieceSet = p;
    s.nonstopAnalysis = shell().isChecked(CheckMark::NonstopAnalysis) ? 1 : 0;
    s.redClock = timeControlText(timeControl(SIDE_RED));
    s.blackClock = timeControlText(timeControl(SIDE_BLACK));
    // Empty unless this run wrote one: a file already announced is forgotten.
    s.recoveryFile = recoveryFile;
    SettingsFile& file = SettingsFile::instance();
    file.storeSettings(s);
    file.save();
}

void Game::loadSettings() {
    SettingsFile& file = SettingsFile::instance();
    file.load();
    StoredSettings s = file.settings();
    shell().createMainWindow(s.mainWindow ? &*s.mainWindow : nullptr);
    // What a new main window starts with, before the stored keys.
    setTitle(GBK_UNTITLED);
    setMode(MODE_HUMAN_COMPUTER);
    setComputerSide(SIDE_BLACK);
    setLevel(LEVEL_BEGINNER);
    for (ShellWindow w : TOOL_WINDOWS) {
        if (const auto& p = placementOf(s, w)) shell().placeWindow(w, *p);
    }
    if (s.level && s.level->level >= LEVEL_BEGINNER && s.level->level <= LEVEL_CUSTOM) {
        shell().setCustomLimits(s.level->customLimits);
        setLevel(s.level->level);
        if (s.level->level == LEVEL_CUSTOM) thinkingEngine().setLimits(s.level->customLimits);
    }
    if (s.mode && *s.mode >= MODE_HUMAN_COMPUTER && *s.mode <= MODE_DEMO) setMode(*s.mode);
    if (s.side) setComputerSide(*s.side != 0 ? SIDE_RED : SIDE_BLACK);
    if (s.reverse) shell().setBoardReversed(*s.reverse != 0);
    // An item the menu does not have leaves the size as it is.
    if (s.boardSize) shell().selectItem(RadioGroup::BoardSize, *s.boardSize);
    if (s.notation) shell().selectItem(RadioGroup::Notation, *s.notation);
    if (s.pieceSet) shell().selectItem(RadioGroup::PieceSet, *s.pieceSet);
    if (s.animation) shell().setChecked(CheckMark::Animation, *s.animation != 0);
    if (s.sound) shell().setChecked(CheckMark::Sound, *s.sound != 0);
    if (s.useBook) setUseBook(*s.useBook != 0);
    if (s.ponder) setPonderEnabled(*s.ponder != 0);
    if (s.keepVariations) setKeepVariations(*s.keepVariations != 0);
    if (s.repetitionRulings) setRepetitionRulings(*s.repetitionRulings == 1);
    if (s.nonstopAnalysis) shell().setChecked(CheckMark::NonstopAnalysis, *s.nonstopAnalysis != 0);
    if (s.recoveryFile) recoveryToAnnounce = *s.recoveryFile;
    setTimeControls(storedControl(s.redClock), storedControl(s.blackClock));
}
