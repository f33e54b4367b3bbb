// One outside engine at work for the game: its program under the engine
// client, started when the game first needs it, the options chosen for it
// sent after the handshake, the game's searches passed on (held until the
// handshake is done), and the latest report of each line of its search.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "engines/engine_info.h"
#include "game/outside_engine.h"
#include "engines/engine_list.h"

class EngineClient;

// What a finished handshake told of the engine, as the list keeps it.
void takeHandshake(const EngineClient& client, EngineEntry& entry);

// The most lines an analysis shows at once.
constexpr int MAX_ANALYSIS_LINES = 5;

class EngineSession final : public OutsideEngine {
public:
    struct Hooks {
        std::function<void(EngineSession&)> ready;                    // handshake done
        std::function<void(EngineSession&, const QString&)> failed;   // the engine is given up
        std::function<void(EngineSession&)> lines;                    // a new report
        std::function<void(EngineSession&, PackedMove)> answer;       // a move search's answer
        std::function<void(EngineSession&)> shown;                    // its move is on the board
        std::function<void(EngineSession&, bool sent, const QString&)> log;
    };

    EngineSession(const EngineEntry& entry, Hooks hooks);
    // Ends the program (quit, then kill after the client's grace).
    ~EngineSession() override;

    const EngineEntry& entry() const { return entry_; }
    // New option values: sent at once when the engine is idle, else before
    // its next search.
    void setEntry(const EngineEntry& entry);
    EngineClient& client() { return *client_; }
    const EngineClient& client() const { return *client_; }
    // The name the engine gave, or the list's.
    QString name() const;

    // Starts the program when it is not running; false when it cannot.
    bool start();
    bool searching() const { return searchWanted; }
    bool analysing() const { return searchWanted && search_.analysis; }

    // Lines an analysis shows: 1..maxLines(); a running analysis restarts.
    int maxLines() const;
    int lineCount() const { return lineCount_; }
    void setLineCount(int lines);
    // The latest report of each line of the running or last search
    // (index 0 the best); an empty pv means nothing came for that line yet.
    const std::vector<EngineInfo>& lines() const { return lines_; }
    const Board90& searchedBoard() const { return searched; }
    Side searchedSide() const { return searchedSide_; }

    // ---- OutsideEngine ----
    bool startSearch(const OutsideSearch& search) override;
    void moveNow() override;
    void abandon() override;
    void moveShown() override;

private:
    void onReady();
    void onInfo(const EngineInfo& report);
    void onBestMove(PackedMove move);
    void sendOptions();
    bool runSearch();

    EngineEntry entry_;
    Hooks hooks;
    std::unique_ptr<EngineClient> client_;
    OutsideSearch search_;
    bool searchHeld = false;    // asked for before the handshake was done
    bool searchWanted = false;  // the game waits for this search
    bool optionsDue = true;
    int lineCount_ = 1;
    std::vector<EngineInfo> lines_;
    Board90 searched{};
    Side searchedSide_ = SIDE_RED;
};
