#include "climate/climatedata.h"
#include "climate/intensity.h"
#include "engine/number.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any climate file must read without a crash or undefined behaviour, and a table read in full
// must serve the state and city lookups.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const plenara::ClimateReadResult result =
        plenara::readClimateText(text, "/fuzz/ClimateData.Dat");
    if (!result.ok()) {
        if (result.table.climateRowCount() != 0) {
            __builtin_trap();
        }
        return 0;
    }
    for (const plenara::ClimateRecord& row : result.table.rows) {
        static_cast<void>(plenara::citiesOfState(result.table, row.State));
        if (plenara::findCity(result.table, row.State, row.City) == nullptr) {
            __builtin_trap();
        }
        const double hdd = plenara::Number(row.HDD);
        const double cdd = plenara::Number(row.CDD);
        static_cast<void>(plenara::CoolingIntensity(hdd, cdd, "Central AC"));
        static_cast<void>(plenara::HeatingIntensity(hdd, cdd));
    }
    return 0;
}
