#pragma once

#include "output/reportpage.h"

#include <array>

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace plenara {

// The "Print Options" dialog: which parts of the report to produce and the identifier of the
// data set printed on every page. The main window creates it once and keeps it, so that the
// boxes and the identifier keep the user's last choices for the next Print command.
class fmrPrintOptions : public QDialog {
    Q_OBJECT

public:
    explicit fmrPrintOptions(QWidget* parent = nullptr);

    // Shows the dialog modally and, once it is hidden again, returns whether pages were
    // requested: by "Print", or by "Save as PDF..." (then pdfRequested() is true). For
    // "Export PDF..." (`pdfOnly`) the dialog offers no "Print".
    bool ReturnPrintRequest(bool pdfOnly = false);
    bool pdfRequested() const { return m_pdfRequested; }

    ReportChoice chosenPages() const;
    QString runId() const;

    // The buttons: 0 "Print", 1 "Cancel", 2 "Save as PDF...", 3 "Preview...".
    void cmdPrint_Click(int index);

signals:
    // "Preview..." was pressed: the chosen pages are to be shown as they will print, while
    // the dialog stays open.
    void previewRequested();

private:
    std::array<QCheckBox*, kReportOptionCount> m_chkPrintOptions{};
    QLineEdit* m_txtRunID = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_savePdf = nullptr;
    bool m_printRequested = false;
    bool m_pdfRequested = false;
};

} // namespace plenara
