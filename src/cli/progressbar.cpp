#include "cli/progressbar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace plenara {

namespace {

constexpr int kBarWidth = 24;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

std::string duration(double seconds) {
    const long long whole = std::llround(std::max(0.0, seconds));
    char text[32];
    if (whole >= 3600) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60,
                      whole % 60);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    }
    return text;
}

} // namespace

ProgressBar::ProgressBar(std::ostream& out)
    : m_out(out)
    , m_start(std::chrono::steady_clock::now()) {}

std::string ProgressBar::line(double fraction, std::size_t buildings, double seconds) {
    fraction = std::clamp(fraction, 0.0, 1.0);
    const int filled = static_cast<int>(fraction * kBarWidth);
    std::string bar = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                      std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "]";
    char text[160];
    const double rate = seconds > 0.0 ? static_cast<double>(buildings) / seconds : 0.0;
    const std::string left =
        fraction > 0.0 ? duration(seconds * (1.0 - fraction) / fraction) + " left" : "--:-- left";
    std::snprintf(text, sizeof text, " %3d%%  %zu buildings  %.0f/s  %s",
                  static_cast<int>(fraction * 100.0), buildings, rate, left.c_str());
    return bar + text;
}

void ProgressBar::update(double fraction, std::size_t buildings) {
    const auto now = std::chrono::steady_clock::now();
    if (m_drawn && now - m_lastDrawn < kRedrawInterval) {
        return;
    }
    m_lastDrawn = now;
    m_drawn = true;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    // Blanks after the line cover the end of a longer line drawn before.
    m_out << '\r' << line(fraction, buildings, seconds) << "   " << std::flush;
}

void ProgressBar::clear() {
    if (m_drawn) {
        m_out << '\r' << std::string(100, ' ') << '\r' << std::flush;
        m_drawn = false;
    }
}

} // namespace plenara
