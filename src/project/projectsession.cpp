#include "project/projectsession.h"

#include "engine/fuels.h"
#include "project/inputactions.h"
#include "project/newclearsample.h"

namespace plenara {

ProjectSession::ProjectSession(ClimateTable climate, EmissionData emissions)
    : m_driver(std::move(climate), std::move(emissions)) {
    recalculate();
    markUnmodified();
}

void ProjectSession::setEmissions(EmissionData emissions) {
    m_driver.setEmissions(std::move(emissions));
    recalculate();
}

void ProjectSession::recalculate() {
    m_driver.UpdateAllResults(m_inputs, m_view, m_results);
}

void ProjectSession::refreshTotals(TotalsRefresh which) {
    RecalculationDriver::refreshTotals(m_inputs, which, m_results.totals);
}

void ProjectSession::chooseFuel1(const std::string& fuel) {
    plenara::chooseFuel1(m_inputs, fuel);
    recalculate();
}

void ProjectSession::chooseFuel2(const std::string& fuel) {
    plenara::chooseFuel2(m_inputs, fuel);
    recalculate();
}

void ProjectSession::chooseState(const std::string& state) {
    plenara::chooseState(m_inputs, m_driver.climate(), state);
    recalculate();
}

void ProjectSession::resetInputs() {
    ResetInputs(m_inputs, m_driver.climate(), m_currentProjectFile);
    m_driver.forgetWarnings();
    recalculate();
    markUnmodified();
}

void ProjectSession::loadSampleData() {
    mnuFSampleData_Click(m_inputs, m_driver.climate(), m_currentProjectFile);
    m_driver.forgetWarnings();
    recalculate();
    markUnmodified();
}

void ProjectSession::loadBuilding(const ProjectInputs& inputs) {
    m_inputs = inputs;
    m_inputs.CityList = citiesOfState(m_driver.climate(), m_inputs.State);
    for (auto [fuel, list] : {std::pair{&m_inputs.Fuel1Type, &m_inputs.Fuel1UnitList},
                              std::pair{&m_inputs.Fuel2Type, &m_inputs.Fuel2UnitList}}) {
        if (std::vector<std::string> units = fuelUnitList(*fuel); !units.empty()) {
            *list = std::move(units);
        }
    }
    m_currentProjectFile.clear();
    m_driver.forgetWarnings();
    recalculate();
}

FileResult ProjectSession::open(const std::string& path) {
    FileResult result = ReadProjectFile(path, m_inputs);
    if (!result.ok()) {
        return result;
    }
    m_currentProjectFile = path;
    m_driver.forgetWarnings();
    recalculate();
    markUnmodified();
    return result;
}

FileResult ProjectSession::saveAs(const std::string& path) {
    FileResult result = WriteProjectFile(path, m_inputs);
    if (result.ok()) {
        m_currentProjectFile = path;
        markUnmodified();
    }
    return result;
}

bool ProjectSession::isModified() const {
    return projectFileText(m_inputs) != m_unmodifiedText;
}

void ProjectSession::restoreFileState(FileState state) {
    m_currentProjectFile = std::move(state.path);
    m_unmodifiedText = std::move(state.unmodifiedText);
}

void ProjectSession::markUnmodified() {
    m_unmodifiedText = projectFileText(m_inputs);
}

} // namespace plenara
