// Step lists for the stepping pieces, built once and shared read-only by
// every Engine. Each list table holds 16 bytes per square: up to 15 target
// squares ended by 0. Eye and leg tables run parallel to their target tables.
#pragma once

#include <cstdint>
#include <memory>

class MoveTables {
public:
    static const MoveTables& instance();

    const std::uint8_t* kingSteps() const { return tables_[0].get(); }
    const std::uint8_t* advisorSteps() const { return tables_[1].get(); }
    const std::uint8_t* elephantTargets() const { return tables_[2].get(); }
    const std::uint8_t* elephantEyes() const { return tables_[3].get(); }
    const std::uint8_t* horseTargets() const { return tables_[4].get(); }
    const std::uint8_t* horseLegs() const { return tables_[5].get(); }
    const std::uint8_t* redPawnSteps() const { return tables_[6].get(); }
    const std::uint8_t* blackPawnSteps() const { return tables_[7].get(); }
    const std::int8_t* horseLegByDelta() const { return horseLegByDelta_.get(); }

    static constexpr int LIST_TABLE_BYTES = 4096;

private:
    MoveTables();
    std::unique_ptr<std::uint8_t[]> tables_[8];
    std::unique_ptr<std::int8_t[]> horseLegByDelta_;
};
