#pragma once

#include "ui/projecttab.h"

#include <array>

class QComboBox;
class QPlainTextEdit;

namespace plenara {

class CaptionLines;
class EnterAsTab;

// The "Method 3" tab: climate, loads and economics of Method 3, and the A/C criteria.
// Object names: the CaptionLines "lblClimateData" (39 lines); the three framed recovered-heat
// boxes, CaptionLines named after the lines of RecoveredHeatSummary they hold,
// "RecoveredHeatSummary(0..4)", "RecoveredHeatSummary(5..9)" and
// "RecoveredHeatSummary(10..16)"; "cmbACCriteria" and "txtMethod3Assumptions".
class Method3Tab : public ProjectTab {
    Q_OBJECT

public:
    explicit Method3Tab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

private:
    void cmbACCriteria_Click(int index);
    void cmbACCriteria_Change(const QString& text);

    CaptionLines* m_lblClimateData = nullptr;
    std::array<CaptionLines*, 3> m_RecoveredHeatSummary{};
    QComboBox* m_cmbACCriteria = nullptr;
    EnterAsTab* m_enterAsTab = nullptr;
    QPlainTextEdit* m_txtMethod3Assumptions = nullptr;
};

} // namespace plenara
