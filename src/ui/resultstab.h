#pragma once

#include "ui/projecttab.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;

namespace plenara {

class CaptionLines;

// The "Results" tab: the payback range, the summary lines and the show-details switches.
// Object names: "lblSummary(0)" for the heading line, "lblPaybackRange", "Frame17" with the
// CaptionLines "lblSummary" whose line i is lblSummary(i + 1), and "Check1(0)" to "Check1(4)".
class ResultsTab : public ProjectTab {
    Q_OBJECT

public:
    explicit ResultsTab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

private:
    void Check1_Click(int index, bool checked);

    QLabel* m_lblSummaryHeading = nullptr;
    QLabel* m_lblPaybackRange = nullptr;
    QFrame* m_Frame17 = nullptr;
    CaptionLines* m_lblSummary = nullptr;
    std::array<QCheckBox*, 5> m_Check1{};
};

} // namespace plenara
