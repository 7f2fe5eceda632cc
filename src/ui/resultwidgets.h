#pragma once

#include "engine/options.h"

#include <optional>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QString>

class QPlainTextEdit;
class QWidget;

namespace plenara {

// Puts a scroll area over the whole of `page` and returns the widget to lay the page's
// contents on. The tab holder is as large as its largest page, so a page whose contents
// are wider or taller than the window of another tab must scroll rather than grow it.
QWidget* scrolledContents(QWidget* page);

// A read-only multi-line text box in the fixed-pitch font with scroll bars, holding one of
// the fixed assumptions texts.
QPlainTextEdit* assumptionsBox(const QString& objectName, const QString& text, qreal pointSize,
                               QWidget* parent);

// Shows the set option of a group, the option whose id is the enumeration value. A project
// file can leave a group with no option set: then every option shows unchecked.
template <typename E>
void showOption(QButtonGroup* group, const OptionGroup<E>& value) {
    group->setExclusive(false);
    const auto buttons = group->buttons();
    for (QAbstractButton* button : buttons) {
        const bool on = value.has_value() && group->id(button) == static_cast<int>(*value);
        if (button->isChecked() != on) {
            button->setChecked(on);
        }
    }
    group->setExclusive(true);
}

} // namespace plenara
