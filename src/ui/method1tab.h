#pragma once

#include "ui/projecttab.h"

#include <vector>

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace plenara {

class CaptionLines;
struct DerivationPanel;

// The "Method 1" tab: the Method 1 result lines with their derivation panel. Moving the
// mouse over a result line explains it in the panel "Frame21" beside the lines; moving it
// over the frame "Frame8" around the lines but off every line hides the panel. Object
// names: the CaptionLines "lblMethod1" (42 lines) inside "Frame8", the CaptionLines
// "lblThermalLoadDerivation" (11 lines) inside "Frame21", and "txtMethod1_Methodology".
class Method1Tab : public ProjectTab {
    Q_OBJECT

public:
    explicit Method1Tab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The mouse is over result line `index`.
    void lblMethod1_MouseMove(int index);
    // The mouse is over the frame around the result lines but off every line.
    void Frame8_MouseMove();
    // The result line under a global mouse position, -1 when the mouse is off every line.
    int lineAt(const QPoint& globalPos) const;
    void restoreLineColours();
    void setLineRed(int index, bool red);
    void showPanel(const DerivationPanel& panel);

    QFrame* m_Frame8 = nullptr;
    CaptionLines* m_lblMethod1 = nullptr;
    QFrame* m_Frame21 = nullptr;
    CaptionLines* m_lblThermalLoadDerivation = nullptr;
    QPlainTextEdit* m_txtMethod1_Methodology = nullptr;
    std::vector<bool> m_lineRed; // which result lines are marked
    int m_hoveredLine = -1;      // the line the panel explains, -1 for none
};

} // namespace plenara
