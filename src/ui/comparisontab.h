#pragma once

#include "ui/projecttab.h"

namespace plenara {

class CaptionLines;

// The "Comparison of Methods" tab: the three methods side by side. Object names: the frame
// "fraComparisons" with the CaptionLines "lblComparisons" (12 lines).
class ComparisonTab : public ProjectTab {
    Q_OBJECT

public:
    explicit ComparisonTab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

private:
    CaptionLines* m_lblComparisons = nullptr;
};

} // namespace plenara
