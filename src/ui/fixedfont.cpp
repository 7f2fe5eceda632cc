#include "ui/fixedfont.h"

namespace plenara {

QFont fixedFont(qreal pointSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace plenara
