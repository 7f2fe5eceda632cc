#include "climate/climatedata.h"
#include "portfolio/billsimport.h"
#include "portfolio/portfolioreader.h"
#include "portfolio/screenrow.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

// Any pair of CSV files handed to a screening must read without a crash or undefined
// behaviour: every building comes out screened or with its error, and the bills file of
// Import Bills either fills a grid or says why. The input is split at its first NUL byte into
// buildings.csv and bills.csv.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    static const plenara::ClimateTable climate =
        plenara::readClimateData(PLENARA_SHIPPED_DATA_DIR).table;
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "plenara-fuzz-XXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()));
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(bytes.find('\0'), bytes.size());
    std::ofstream(folder / "buildings.csv", std::ios::binary | std::ios::trunc)
        << bytes.substr(0, split);
    std::ofstream(folder / "bills.csv", std::ios::binary | std::ios::trunc)
        << (split < bytes.size() ? bytes.substr(split + 1) : std::string_view());

    plenara::PortfolioReader reader({folder.string()}, climate);
    plenara::ProjectNumbers scratch;
    const plenara::EmissionData noEmissions;
    plenara::BuildingInput building;
    plenara::ScreenRow row;
    while (reader.next(building)) {
        plenara::screenBuilding(building, climate, noEmissions, scratch, row);
        if (row.error.empty() && !building.error.empty()) {
            __builtin_trap();
        }
    }
    static_cast<void>(reader.takeNotes());

    plenara::BillsFile bills;
    if (bills.open((folder / "bills.csv").string()).empty()) {
        plenara::ProjectInputs inputs;
        for (std::size_t i = 0; i < bills.ids().size() && i < 4; ++i) {
            static_cast<void>(bills.importInto(i, inputs));
        }
    }
    return 0;
}
