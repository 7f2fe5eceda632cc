#pragma once

#include <string_view>

namespace plenara {

// The EIA climate zone of a place: 1 to 5, or 0 for hot and cold at once (more than 2000
// cooling and more than 4000 heating degree days), where the algorithms give no intensity.
int climateZone(double HDD, double CDD);

// Air-conditioning electricity in kWh per square foot of cooled floor space per 1,000 cooling
// degree days, for "Electric AC", "Central AC" or "Room AC" (compared exactly); 0 for any
// other text.
double CoolingIntensity(double HDD, double CDD, std::string_view acCriteria);

// Space-heating energy in Btu per square foot of heated floor space per 1,000 heating degree
// days.
double HeatingIntensity(double HDD, double CDD);

} // namespace plenara
