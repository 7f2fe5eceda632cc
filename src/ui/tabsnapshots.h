#pragma once

#include <QString>

namespace plenara {

class frmTAVCHPScreening;

// Saves a picture of the window on every tab, with the sample building loaded and every
// "Show Details for:" box ticked, as PNG files "NN-Tab Caption.png" in `folder`: the pictures
// a reviewer looks at after a change of the window. Returns the number of pictures written,
// or -1 when the folder cannot be written.
int saveTabSnapshots(frmTAVCHPScreening& window, const QString& folder);

} // namespace plenara
