#pragma once

#include <string>

#include <QString>

namespace plenara {

// The tooltip of an input control, by its object name: what the input is, its unit and an
// example. Empty for a control that is no input.
QString inputToolTip(const QString& objectName);

// The object name of the control that shows an input of the warnings list, by the input's
// name ("MonthlyKWh[2]" is "txtkWh_2", "City" is "cmbCities"). Empty when no control shows it.
QString controlOfField(const std::string& field);

} // namespace plenara
