#include "ui/windowtab.h"

#include "project/projectresults.h"
#include "ui/helpcontexts.h"

namespace plenara {

const std::vector<WindowTab>& windowTabs() {
    // The window sizes are those the tabs were designed for; the window shrinks them to fit a
    // smaller screen, and each page scrolls instead of being cut off.
    static const std::vector<WindowTab> tabs = {
        {tab::MonthlyUtilityData, "tabMonthlyUtilityData", u"Monthly Utility Data", 15000, 10600,
         helpcontext::MonthlyUtilityData},
        {tab::UtilityRateData, "tabUtilityRateData", u"Utility Rate Data", 15000, 10600,
         helpcontext::UtilityRateData},
        {tab::MiscInputInformation, "tabMiscInputInformation", u"Misc. Input Information", 15000,
         10600, helpcontext::SiteInformation},
        {tab::LifeCycle, "tabLifeCycle", u"Life Cycle", 15000, 10600, helpcontext::LifeCycle},
        {tab::Sensitivity, "tabSensitivity", u"Sensitivity", 19500, 11100,
         helpcontext::Sensitivity},
        {tab::EnergyPlots, "tabEnergyPlots", u"Energy Plots", 15000, 12200,
         helpcontext::EnergyPlots},
        {tab::Results, "tabResults", u"Results", 15000, 12600, helpcontext::ResultsTab},
        {tab::Method1, "tabMethod1", u"Method 1", 17500, 13600, helpcontext::Method1Tab},
        {tab::Method2, "tabMethod2", u"Method 2", 21595, 11100, helpcontext::Method2Tab},
        {tab::Method3, "tabMethod3", u"Method 3", 15000, 13050, helpcontext::Method3Tab},
        {tab::PrintForms, "tabPrintForms", u"Print Forms", 15000, 13320, helpcontext::Printing,
         true},
        {tab::ComparisonOfMethods, "tabComparisonOfMethods", u"Comparison of Methods", 15000, 10600,
         helpcontext::ComparisonOfMethods},
        {tab::ScreenShot, "tabScreenShot", u"Screen Shot", 15000, 13320, helpcontext::Overview,
         true},
    };
    return tabs;
}

const WindowTab* windowTab(int index) {
    for (const WindowTab& t : windowTabs()) {
        if (t.index == index) {
            return &t;
        }
    }
    return nullptr;
}

const WindowTab* windowTabNamed(const QString& objectName) {
    for (const WindowTab& t : windowTabs()) {
        if (objectName == QLatin1String(t.objectName)) {
            return &t;
        }
    }
    return nullptr;
}

} // namespace plenara
