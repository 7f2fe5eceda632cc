#pragma once

namespace plenara {

// The help context numbers of the window: each names a page of the help book through the
// keyword id "context-<number>" of the help project. F1 shows the page of the focused control,
// found on the way up from it to its tab (helpContextOf), else the page of the current tab.
namespace helpcontext {
inline constexpr int Overview = 0;
inline constexpr int EnergyCharge = 1000;
inline constexpr int MonthlyUtilityData = 1100;
inline constexpr int FuelsAndUnits = 1110;
inline constexpr int UtilityRateData = 1200;
inline constexpr int SiteInformation = 1300;
inline constexpr int EquipmentAssumptions = 1310;
inline constexpr int EnergyPlots = 1400;
inline constexpr int ResultsTab = 1500;
inline constexpr int Method1Tab = 1600;
inline constexpr int Method2Tab = 1700;
inline constexpr int Method2Settings = 1710;
inline constexpr int PaybackGraph = 1720;
inline constexpr int Method3Tab = 1800;
inline constexpr int AirConditioningCriteria = 1810;
inline constexpr int ComparisonOfMethods = 1900;
inline constexpr int Printing = 2000;
inline constexpr int MenusAndKeys = 2100;
inline constexpr int LifeCycle = 2200;
inline constexpr int Sensitivity = 2300;
} // namespace helpcontext

} // namespace plenara
