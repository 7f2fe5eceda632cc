#pragma once

#include "ui/projecttab.h"

#include <string>

class QButtonGroup;
class QGroupBox;

namespace plenara {

class EnterAsTab;
class InputBox;
class InputComboBox;
struct ProjectInputs;

// The "Misc. Input Information" tab: site, hot-water use and equipment.
class MiscInputTab : public ProjectTab {
    Q_OBJECT

public:
    explicit MiscInputTab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

private:
    QGroupBox* createSiteFrame();
    QGroupBox* createHotWaterFrame();
    QGroupBox* createEquipmentFrame();
    QGroupBox* createOperatingFrame();
    // A site box bound to a text of the input record; leaving it recalculates.
    InputBox* siteBox(const char* name, std::string ProjectInputs::*field, QWidget* parent);
    // A drop-down box whose typed text is stored in a text of the input record.
    InputComboBox* textCombo(const char* name, std::string ProjectInputs::*field, QWidget* parent);
    // A choice from the box's list is stored and recalculates.
    void storeChoice(InputComboBox* combo, std::string ProjectInputs::*field);

    EnterAsTab* m_enterAsTab = nullptr;
    InputComboBox* m_cmbStates = nullptr;
    InputComboBox* m_cmbCities = nullptr;
    InputBox* m_txtHeatedFloorspace = nullptr;
    InputBox* m_txtCooledFloorSpace = nullptr;
    InputBox* m_txtNoOccupants = nullptr;
    QButtonGroup* m_hotWaterUsage = nullptr;
    QButtonGroup* m_primeMover = nullptr;
    QButtonGroup* m_installationDifficulty = nullptr;
    InputComboBox* m_cmbRunTimeFraction = nullptr;
    InputComboBox* m_cmbBoilerEfficiency = nullptr;
};

} // namespace plenara
