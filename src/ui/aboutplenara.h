#pragma once

#include <QString>

class QWidget;

namespace plenara {

// The text of "About Plenara": the version, the data the results rest on with their years,
// and the licence.
QString aboutPlenaraText();

// Shows the text in the platform's about box.
void showAboutPlenara(QWidget* parent);

} // namespace plenara
