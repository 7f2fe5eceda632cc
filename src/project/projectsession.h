#pragma once

#include "climate/climatedata.h"
#include "project/projectfile.h"
#include "project/projectinputs.h"
#include "project/projectresults.h"
#include "project/recalculationdriver.h"
#include "project/viewsettings.h"

#include <string>

namespace plenara {

// One open project: its inputs, the view settings, the results of the last recalculation, the
// file it belongs to and whether it has changed since it was last opened or saved. The
// window binds its widgets to `inputs()` and shows `results()`; the command-line tool drives
// it the same way.
class ProjectSession {
public:
    explicit ProjectSession(ClimateTable climate = {}, EmissionData emissions = {});

    ProjectInputs& inputs() { return m_inputs; }
    const ProjectInputs& inputs() const { return m_inputs; }
    ViewSettings& view() { return m_view; }
    const ViewSettings& view() const { return m_view; }
    const ProjectResults& results() const { return m_results; }
    const ClimateTable& climate() const { return m_driver.climate(); }
    const EmissionData& emissions() const { return m_driver.emissions(); }
    // The emission data read after the session began (the window reads them after it opens);
    // the analysis is recalculated with them.
    void setEmissions(EmissionData emissions);
    const RecalculationState& state() const { return m_driver.state(); }

    // The full path of the project file that a plain Save writes; empty while untitled.
    const std::string& currentProjectFile() const { return m_currentProjectFile; }

    // The whole analysis from the inputs as they stand (it rewrites the numeric texts).
    void recalculate();

    // Only the totals that a keystroke in the monthly grid changes.
    void refreshTotals(TotalsRefresh which);

    // The choices from the lists of the fuel and state boxes: refill the dependent list, show
    // its first item and recalculate.
    void chooseFuel1(const std::string& fuel);
    void chooseFuel2(const std::string& fuel);
    void chooseState(const std::string& state);

    // New and Clear Form (the two are the same command), then one recalculation.
    void resetInputs();
    // Sample Data, then one recalculation; the project is untitled afterwards.
    void loadSampleData();

    // The inputs of a building read from elsewhere (a row of a portfolio), then one
    // recalculation. The project is untitled and counts as changed until it is saved; the
    // city and unit lists are refilled for its state and fuels.
    void loadBuilding(const ProjectInputs& inputs);

    // Reads a project file and recalculates. On failure nothing changes, not even the
    // current file, so that a later Save cannot write over the file that failed to open.
    FileResult open(const std::string& path);
    // Writes the project file and makes it the current file.
    FileResult saveAs(const std::string& path);

    // Whether a stored field differs from what was last opened, saved, reset or loaded.
    bool isModified() const;

    // The file a plain Save writes and the text the change mark compares with. Undoing a
    // command that started a form of its own (Clear Form, Sample Data) gives both back.
    struct FileState {
        std::string path;
        std::string unmodifiedText;
        bool operator==(const FileState&) const = default;
    };
    FileState fileState() const { return {m_currentProjectFile, m_unmodifiedText}; }
    void restoreFileState(FileState state);

private:
    void markUnmodified();

    ProjectInputs m_inputs;
    ViewSettings m_view;
    RecalculationDriver m_driver;
    ProjectResults m_results;
    std::string m_currentProjectFile;
    std::string m_unmodifiedText; // the project file text at the last open, save or reset
};

} // namespace plenara
