#include "climate/intensity.h"

#include <array>

namespace plenara {

namespace {

// Btu per cubic foot of natural gas: the heating intensities are tabled in cubic feet.
constexpr double kGasBtuPerCubicFoot = 1027.0;

} // namespace

int climateZone(double HDD, double CDD) {
    if (CDD <= 2000.0) {
        if (HDD >= 7000.0) {
            return 1;
        }
        if (HDD >= 5500.0) {
            return 2;
        }
        if (HDD >= 4000.0) {
            return 3;
        }
        return 4;
    }
    if (HDD <= 4000.0) {
        return 5;
    }
    return 0;
}

double CoolingIntensity(double HDD, double CDD, std::string_view acCriteria) {
    // kWh per sq ft per 1,000 CDD by zone 1..5, for electric, central and room AC.
    static constexpr std::array<double, 5> electric = {0.80, 0.78, 0.81, 0.88, 0.90};
    static constexpr std::array<double, 5> central = {0.78, 0.78, 0.82, 0.85, 0.90};
    static constexpr std::array<double, 5> room = {0.85, 0.75, 0.77, 1.07, 0.79};
    const int zone = climateZone(HDD, CDD);
    if (zone == 0) {
        return 0.0;
    }
    const auto i = static_cast<std::size_t>(zone - 1);
    if (acCriteria == "Electric AC") {
        return electric[i];
    }
    if (acCriteria == "Central AC") {
        return central[i];
    }
    if (acCriteria == "Room AC") {
        return room[i];
    }
    return 0.0;
}

double HeatingIntensity(double HDD, double CDD) {
    // Cubic feet of gas per sq ft per 1,000 HDD by zone 1..5.
    static constexpr std::array<double, 5> cubicFeet = {4.479, 6.222, 7.291, 8.951, 8.969};
    const int zone = climateZone(HDD, CDD);
    if (zone == 0) {
        return 0.0;
    }
    return cubicFeet[static_cast<std::size_t>(zone - 1)] * kGasBtuPerCubicFoot;
}

} // namespace plenara
