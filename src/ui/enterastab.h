#pragma once

#include <QObject>

namespace plenara {

// Moves the focus on to the next control when Enter is pressed in a watched control (a
// drop-down box), as if Tab had been pressed; the control never receives the Enter.
class EnterAsTab : public QObject {
    Q_OBJECT

public:
    explicit EnterAsTab(QObject* parent = nullptr);

    // Watches a widget and, for an editable drop-down box, its text box too.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace plenara
