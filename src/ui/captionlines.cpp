#include "ui/captionlines.h"

#include "engine/textfields.h"
#include "ui/fixedfont.h"

#include <QLabel>
#include <QVBoxLayout>

namespace plenara {

CaptionLines::CaptionLines(int count, qreal pointSize, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QFont font = fixedFont(pointSize);
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(this);
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(QStringLiteral("line%1").arg(i));
        // An empty line keeps its height, so that the lines stay one text line apart.
        label->setMinimumHeight(QFontMetrics(font).height());
        layout->addWidget(label);
        m_labels.push_back(label);
    }
    layout->addStretch(1);
}

void CaptionLines::setCaption(int index, const Caption& caption) {
    setCaption(index, caption.text, caption.bold);
}

void CaptionLines::setCaption(int index, const std::string& text, bool bold) {
    QLabel* l = label(index);
    const QString shown = QString::fromStdString(windows1252ToUtf8(shownText(text)));
    if (l->text() != shown) {
        l->setText(shown);
    }
    if (l->font().bold() != bold) {
        QFont font = l->font();
        font.setBold(bold);
        l->setFont(font);
    }
}

} // namespace plenara
