#include "ui/fmrprintoptions.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenara {

namespace {

constexpr int kPrint = 0;
constexpr int kCancel = 1;
constexpr int kSavePdf = 2;
constexpr int kPreview = 3;

} // namespace

fmrPrintOptions::fmrPrintOptions(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("fmrPrintOptions"));
    setWindowTitle(QStringLiteral("Print Options"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* pagesHeading = new QLabel(QStringLiteral("Select pages to be printed:"), this);
    pagesHeading->setObjectName(QStringLiteral("lblPrintOptions(0)"));
    layout->addWidget(pagesHeading);

    const std::array<QString, kReportOptionCount> captions = {
        QStringLiteral("Input Data and Summary of Results (1 page)"),
        QStringLiteral("Side-By-Side Comparison of Results for all Three Methods ( 1 page)"),
        QStringLiteral("Method 1 Intermediate Results (1 page)"),
        QStringLiteral("Method 2 Intermediate Results (2 pages)"),
        QStringLiteral("Method 3 Intermediate Results (2 pages)"),
        QStringLiteral("Life-Cycle Economics and Emissions (1 page)"),
        QStringLiteral("Sensitivity (1 page)")};
    for (std::size_t i = 0; i < kReportOptionCount; ++i) {
        auto* box = new QCheckBox(captions[i], this);
        box->setObjectName(QStringLiteral("chkPrintOptions(%1)").arg(i));
        layout->addWidget(box);
        m_chkPrintOptions[i] = box;
    }
    // The input data and summary page is the default report.
    m_chkPrintOptions[0]->setChecked(true);

    layout->addSpacing(8);
    auto* idHeading = new QLabel(QStringLiteral("Type an ID for the Dataset:"), this);
    idHeading->setObjectName(QStringLiteral("lblPrintOptions(1)"));
    layout->addWidget(idHeading);
    m_txtRunID = new QLineEdit(QStringLiteral("Run #1"), this);
    m_txtRunID->setObjectName(QStringLiteral("txtRunID"));
    idHeading->setBuddy(m_txtRunID);
    layout->addWidget(m_txtRunID);

    auto* buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](int index, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("cmdPrint(%1)").arg(index));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdPrint_Click(index); });
        buttons->addWidget(button);
        return button;
    };
    addButton(kPreview, QStringLiteral("Preview..."));
    buttons->addStretch(1);
    m_print = addButton(kPrint, QStringLiteral("Print"));
    m_savePdf = addButton(kSavePdf, QStringLiteral("Save as PDF..."));
    addButton(kCancel, QStringLiteral("Cancel"));
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

bool fmrPrintOptions::ReturnPrintRequest(bool pdfOnly) {
    m_print->setVisible(!pdfOnly);
    m_print->setDefault(!pdfOnly);
    m_savePdf->setDefault(pdfOnly);
    setWindowTitle(pdfOnly ? QStringLiteral("Export PDF") : QStringLiteral("Print Options"));
    // Closing the dialog any other way than by its buttons counts as "Cancel".
    m_printRequested = false;
    m_pdfRequested = false;
    exec();
    return m_printRequested;
}

void fmrPrintOptions::cmdPrint_Click(int index) {
    if (index == kPreview) {
        emit previewRequested();
        return;
    }
    m_printRequested = index == kPrint || index == kSavePdf;
    m_pdfRequested = index == kSavePdf;
    done(m_printRequested ? QDialog::Accepted : QDialog::Rejected);
}

ReportChoice fmrPrintOptions::chosenPages() const {
    ReportChoice chosen{};
    for (std::size_t i = 0; i < kReportOptionCount; ++i) {
        chosen[i] = m_chkPrintOptions[i]->isChecked();
    }
    return chosen;
}

QString fmrPrintOptions::runId() const {
    return m_txtRunID->text();
}

} // namespace plenara
