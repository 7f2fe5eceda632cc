#include "ui/inputmarks.h"

#include "engine/textfields.h"
#include "ui/inputtips.h"

#include <QComboBox>
#include <QWidget>

namespace plenara {

namespace {

// Stated for the control's own class only, so that the drop-down list of a marked box keeps
// its usual look.
QString markSheet(const QWidget* widget) {
    const char* type = qobject_cast<const QComboBox*>(widget) ? "QComboBox" : "QLineEdit";
    return QStringLiteral("%1 { border: 2px solid #d00000; border-radius: 2px; padding: 1px; }")
        .arg(QLatin1String(type));
}

} // namespace

InputMarks::InputMarks(QWidget& window) {
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        if (name.isEmpty()) {
            continue;
        }
        const QString tip = inputToolTip(name);
        if (tip.isEmpty()) {
            continue;
        }
        widget->setToolTip(tip);
        m_controls[name] = {widget, tip, false};
    }
}

void InputMarks::show(const std::vector<InputWarning>& warnings) {
    std::map<QString, QString> messages;
    for (const InputWarning& warning : warnings) {
        const QString name = controlOfField(warning.field);
        if (!name.isEmpty()) {
            messages[name] = QString::fromStdString(windows1252ToUtf8(warning.message));
        }
    }
    for (auto& [name, control] : m_controls) {
        const auto message = messages.find(name);
        setMark(control, message == messages.end() ? QString() : message->second);
    }
}

void InputMarks::setMark(Control& control, const QString& message) {
    if (!control.widget) {
        return;
    }
    const bool mark = !message.isEmpty();
    const QString tip = mark ? message + QStringLiteral("\n\n") + control.tip : control.tip;
    if (control.widget->toolTip() != tip) {
        control.widget->setToolTip(tip);
    }
    if (control.marked != mark) {
        control.marked = mark;
        // A style sheet is set only while marked: it costs a restyle, so never on every
        // recalculation.
        control.widget->setStyleSheet(mark ? markSheet(control.widget) : QString());
        control.widget->setProperty("inputWarning", mark);
    }
}

std::vector<QWidget*> InputMarks::marked() const {
    std::vector<QWidget*> list;
    for (const auto& [name, control] : m_controls) {
        if (control.marked && control.widget) {
            list.push_back(control.widget);
        }
    }
    return list;
}

} // namespace plenara
