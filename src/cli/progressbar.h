#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>

namespace plenara {

// The progress of a screening on a terminal: one line redrawn in place, with the part done,
// the buildings so far, the rate and the time left, at most ten times a second.
class ProgressBar {
public:
    explicit ProgressBar(std::ostream& out);

    // `fraction` of the inputs read, `buildings` screened or failed so far.
    void update(double fraction, std::size_t buildings);
    // Clears the line, so that what follows starts on a clean one.
    void clear();

    // The line for the given state, without the carriage return: for tests.
    static std::string line(double fraction, std::size_t buildings, double seconds);

private:
    std::ostream& m_out;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_lastDrawn;
    bool m_drawn = false;
};

} // namespace plenara
