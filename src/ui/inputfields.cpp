#include "ui/inputfields.h"

#include "engine/textfields.h"
#include "ui/fixedfont.h"
#include "ui/inputbox.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace plenara {

namespace {

class SetOptionFocus : public QObject {
public:
    explicit SetOptionFocus(QButtonGroup& group)
        : QObject(&group)
        , m_group(group) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const auto* focus = static_cast<QFocusEvent*>(event);
            QAbstractButton* set = m_group.checkedButton();
            if ((focus->reason() == Qt::TabFocusReason ||
                 focus->reason() == Qt::BacktabFocusReason) &&
                set && set != watched && set->isEnabled() && set->isVisible()) {
                // Queued: the focus must not move while it is still arriving here. By then
                // the user may have moved it elsewhere already.
                QPointer<QWidget> arrived = qobject_cast<QWidget*>(watched);
                QMetaObject::invokeMethod(
                    set,
                    [set, arrived, reason = focus->reason()] {
                        if (arrived && arrived->hasFocus()) {
                            set->setFocus(reason);
                        }
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QButtonGroup& m_group;
};

} // namespace

QString fromRecord(std::string_view text) {
    return QString::fromStdString(windows1252ToUtf8(text));
}

std::string toRecord(const QString& text) {
    return utf8ToWindows1252(text.toStdString());
}

InputBox* numberBox(const QString& objectName, QWidget* parent) {
    auto* box = new InputBox(parent);
    box->setObjectName(objectName);
    box->setFont(fixedFont());
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setEnterAsTab(true);
    box->setSelectAllOnFocus(true);
    return box;
}

void setWidthInCharacters(InputBox* box, int characters) {
    // Room for the frame and the text margins of the box besides the digits.
    constexpr int kFrameWidth = 14;
    const int digits = box->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0')));
    box->setFixedWidth(digits + kFrameWidth);
}

QLabel* captionLabel(const QString& text, QWidget* parent, const QString& objectName) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    if (!objectName.isEmpty()) {
        label->setObjectName(objectName);
    }
    return label;
}

void setTabChain(const std::vector<QWidget*>& widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void tabToSetOption(QButtonGroup& group) {
    auto* filter = new SetOptionFocus(group);
    for (QAbstractButton* button : group.buttons()) {
        button->installEventFilter(filter);
    }
}

void showOptionId(QButtonGroup& group, int id) {
    // An exclusive group refuses to uncheck its checked button, so exclusiveness is off
    // while the buttons are set and on again for the user's clicks.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons()) {
        const QSignalBlocker blocker(button);
        button->setChecked(group.id(button) == id);
    }
    group.setExclusive(true);
}

} // namespace plenara
