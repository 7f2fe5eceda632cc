#pragma once

#include "project/recalculationdriver.h"

#include <QWidget>

namespace plenara {

class ProjectSession;

// A tab of the main window. It binds its controls to the session's input record and shows
// the session's inputs and results; it computes nothing itself. An edit is written into the
// input record, then the tab asks the window for what the edit starts.
class ProjectTab : public QWidget {
    Q_OBJECT

public:
    explicit ProjectTab(ProjectSession& session, QWidget* parent = nullptr);

    // Shows the inputs and the results of the session as they stand now: after a
    // recalculation, a file read, New, Clear Form or Sample Data.
    virtual void refresh() = 0;
    // Whether what the tab shows is complete; a tab whose figures come from other threads
    // says no until they are in, and a picture of it waits.
    virtual bool settled() const { return true; }

signals:
    // An input changed whose event recalculates the whole analysis.
    void recalculationRequested();
    // An input changed that starts no recalculation (the window updates its title mark).
    void inputEdited();
    // "Save chart as PNG/SVG..." was chosen on a chart of the tab.
    void chartSaveRequested(QWidget* chart);

protected:
    ProjectSession& m_session;
};

} // namespace plenara
