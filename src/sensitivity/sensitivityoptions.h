#pragma once

#include "project/sensitivityinputs.h"
#include "project/sensitivityranges.h"

#include <cstdint>

namespace plenara {

// The seed of every Monte Carlo run: the same project gives the same figures on every run and
// every machine.
inline constexpr std::uint64_t kMonteCarloSeed = 0x504C454E41524131ull;

// What a sensitivity analysis reads, converted from the tab's texts and kept within range.
struct SensitivityOptions {
    // X: each uncertain input moves by -X % and +X % (0 to 90: at -100 % a price would vanish).
    double percent = 20.0;
    double targetPaybackYears = 10.0; // 0.1 to 1,000
    int draws = 1000;                 // 100 to 10,000
    int method = 2;                   // 1 to 3: the method of the tornado chart and histogram
    std::uint64_t seed = kMonteCarloSeed;
    int threads = 0; // worker threads of the Monte Carlo; 0: as many as the machine offers

    friend bool operator==(const SensitivityOptions&, const SensitivityOptions&) = default;
};

// The options of the tab's inputs: each text read with Number and kept within its range (the
// recalculation warns of a text that is not used as typed).
SensitivityOptions sensitivityOptions(const SensitivityInputs& inputs);

} // namespace plenara
