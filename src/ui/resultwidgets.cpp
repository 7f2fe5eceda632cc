#include "ui/resultwidgets.h"

#include "ui/fixedfont.h"

#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace plenara {

QWidget* scrolledContents(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* area = new QScrollArea(page);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* contents = new QWidget(area);
    area->setWidget(contents);
    layout->addWidget(area);
    return contents;
}

QPlainTextEdit* assumptionsBox(const QString& objectName, const QString& text, qreal pointSize,
                               QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(objectName);
    box->setFont(fixedFont(pointSize));
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setPlainText(text);
    return box;
}

} // namespace plenara
