#pragma once

#include "ui/projecttab.h"

#include <string>

class QButtonGroup;
class QLabel;

namespace plenara {

class InputBox;
struct ProjectInputs;

// The "Utility Rate Data" tab: the electricity and natural-gas rates.
class RateDataTab : public ProjectTab {
    Q_OBJECT

public:
    explicit RateDataTab(ProjectSession& session, QWidget* parent = nullptr);

    void refresh() override;

private:
    QWidget* createElectricityFrame();
    QWidget* createGasFrame();
    // A rate box bound to a text of the input record; leaving it recalculates.
    InputBox* rateBox(const char* name, std::string ProjectInputs::*field, QWidget* parent);

    InputBox* m_txtEnergyCharge = nullptr;
    InputBox* m_txtFuelAdjCharge = nullptr;
    InputBox* m_txtDemandCharge = nullptr;
    InputBox* m_txtStandby = nullptr;
    InputBox* m_txtGasCost = nullptr;
    QLabel* m_Label18 = nullptr;
    QButtonGroup* m_gasCostUnit = nullptr;
};

} // namespace plenara
