#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenara {

// The files of the emission data, beside the climate data.
inline constexpr std::string_view kGridCO2FileName = "GridCO2ByState.csv";
inline constexpr std::string_view kFuelCO2FileName = "FuelCO2Factors.csv";
inline constexpr std::string_view kGridLossFileName = "GridLossFactors.csv";

// The row of the grid files that stands for the whole country.
inline constexpr std::string_view kUnitedStatesRow = "U.S.";

// The CO2 output rates of one state's generation (or of the whole country's), lb/MWh.
struct GridCO2Row {
    std::string region;
    std::optional<double> totalLbPerMWh;       // all generation in the state
    std::optional<double> nonBaseloadLbPerMWh; // the plants that follow the load
    std::string edition;                       // "eGRID2022", from the data year

    friend bool operator==(const GridCO2Row&, const GridCO2Row&) = default;
};

// The CO2 of burning one MMBtu (higher heating value) of a fuel.
struct FuelCO2Factor {
    std::string fuel;
    double kgPerMMBtu = 0.0;

    friend bool operator==(const FuelCO2Factor&, const FuelCO2Factor&) = default;
};

// Everything the CO2 figures read. A default record holds no data and says so.
struct EmissionData {
    std::vector<GridCO2Row> states; // in file order, without the U.S. row
    GridCO2Row unitedStates;
    std::vector<FuelCO2Factor> fuels;
    double usGridLossPercent = 0.0; // the U.S. grid gross loss
    std::string gridLossYear;       // its data year as the file writes it
    // Why the CO2 figures cannot be given, naming the file; empty when the data were read.
    std::string problem = "The emission data were not read.";

    bool ok() const { return problem.empty(); }

    friend bool operator==(const EmissionData&, const EmissionData&) = default;
};

// Reads the three emission files from `folder`. A file that is missing, no plain file, too
// large, or holds a line that cannot be used leaves the record without data and with a
// message that names the file, its folder and the line; the payback results do not need it.
EmissionData readEmissionData(const std::string& folder);

// The same from the texts of the three files, named as if they lay in `folder`.
EmissionData readEmissionTexts(std::string_view gridText, std::string_view fuelText,
                               std::string_view lossText, const std::string& folder);

// The grid row of a state (exact comparison), or null.
const GridCO2Row* gridRowOf(const EmissionData& data, std::string_view state);

// The CO2 factor of a fuel named as the fuel boxes name it ("#2 fuel oil", "natural gas"),
// compared ignoring case but without trimming, as the heat contents are; null for a fuel
// without a factor.
const FuelCO2Factor* fuelFactorOf(const EmissionData& data, std::string_view fuel);

} // namespace plenara
