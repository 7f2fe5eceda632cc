#pragma once

namespace plenara {

// The ranges of the boxes of the "Sensitivity" tab. A value outside is used clamped and warned
// of, like that of any box with a range. X stops short of 100 %: at -100 % a price would vanish.
// A target payback must be above zero to be reached at all; a tenth of a year is the shortest
// that a payback shows.
inline constexpr double kMostSensitivityPercent = 90.0;
inline constexpr double kShortestTargetPayback = 0.1;
inline constexpr double kLongestTargetPayback = 1000.0;
inline constexpr int kFewestDraws = 100;
inline constexpr int kMostDraws = 10'000;

} // namespace plenara
