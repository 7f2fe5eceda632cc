#pragma once

#include "project/inputwarnings.h"

#include <map>
#include <vector>

#include <QPointer>
#include <QString>

class QWidget;

namespace plenara {

// Gives every input control of a window its tooltip (inputToolTip) and marks the controls
// whose input is not used as typed: a red frame, and a tooltip that says how the text is read
// ("\"abc\" read as 0") above the usual one. The boxes still take any text; the mark only
// tells. The marks follow the warnings of the last recalculation.
class InputMarks {
public:
    // Sets the tooltips of the input controls of `window` and its dialogs created so far.
    explicit InputMarks(QWidget& window);

    // Marks exactly the controls of these warnings.
    void show(const std::vector<InputWarning>& warnings);

    // The controls marked now.
    std::vector<QWidget*> marked() const;

private:
    struct Control {
        QPointer<QWidget> widget;
        QString tip;
        bool marked = false;
    };
    void setMark(Control& control, const QString& message);

    std::map<QString, Control> m_controls; // by object name
};

} // namespace plenara
