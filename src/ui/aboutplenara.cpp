#include "ui/aboutplenara.h"

#include <QMessageBox>

namespace plenara {

namespace {

// The terms the program is given under; one line, so that a change of them is one change.
const QString kLicence =
    QStringLiteral("No licence has been granted for Plenara yet: all rights are reserved by its "
                   "authors.");

} // namespace

QString aboutPlenaraText() {
    return QStringLiteral("Plenara Version %1\n"
                          "Screening of combined heat and power (CHP) for multifamily buildings.\n"
                          "\n"
                          "Data sources:\n"
                          "- Heating and cooling degree days and average temperatures: NOAA "
                          "National Centers for Environmental Information, Comparative Climatic "
                          "Data, U.S. Climate Normals 1981-2010 (251 cities).\n"
                          "- Heating and cooling intensities by climate zone: the degree-day "
                          "algorithms of the U.S. Energy Information Administration (EIA); the "
                          "edition is not recorded.\n"
                          "- Hot-water use per person (27, 44 and 54 gallons a day): ASHRAE "
                          "Handbook, HVAC Applications, \"Service Water Heating\"; the edition is "
                          "not recorded.\n"
                          "- Generator cost and performance: curves fitted to installed CHP "
                          "systems, as stated in the help.\n"
                          "- Grid CO2 rates by state (total output and non-baseload): U.S. EPA, "
                          "eGRID2022 (data year 2022).\n"
                          "- Fuel CO2 factors: U.S. EPA, 40 CFR 98 Subpart C, Table C-1 (kg CO2 "
                          "per MMBtu).\n"
                          "- Grid gross loss: U.S. EPA, eGRID2023 (data year 2023).\n"
                          "\n"
                          "Licence: %2")
        .arg(QStringLiteral(PLENARA_VERSION), kLicence);
}

void showAboutPlenara(QWidget* parent) {
    QMessageBox::about(parent, QStringLiteral("About Plenara"), aboutPlenaraText());
}

} // namespace plenara
