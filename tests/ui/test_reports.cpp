#include "engine/captiontext.h"
#include "ui/fmrprintoptions.h"
#include "ui/frmtavchpscreening.h"
#include "ui/reportpainter.h"
#include "ui/reportpdfwriter.h"
#include "ui/uitestsupport.h"

#include <functional>
#include <memory>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace plenara {

namespace {

// Acts once on the print options dialog as a user would, as soon as it is shown. The action is
// queued when the dialog shows, so it runs first thing in the dialog's modal loop (before any
// timer, the watchdog's included); it is dropped if the script goes out of scope first.
class PrintOptionsScript : public QObject {
public:
    explicit PrintOptionsScript(std::function<void(fmrPrintOptions*)> act)
        : m_act(std::move(act)) {
        qApp->installEventFilter(this);
    }

    bool ran() const { return m_ran; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<fmrPrintOptions*>(watched);
        if (dialog && event->type() == QEvent::Show && !m_queued) {
            m_queued = true;
            QMetaObject::invokeMethod(
                this,
                [this, guarded = QPointer<fmrPrintOptions>(dialog)] {
                    if (guarded) {
                        m_ran = true;
                        m_act(guarded);
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(fmrPrintOptions*)> m_act;
    bool m_queued = false;
    bool m_ran = false;
};

QPushButton* button(fmrPrintOptions* dialog, int index) {
    return dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint(%1)").arg(index));
}

QCheckBox* option(fmrPrintOptions* dialog, int index) {
    return dialog->findChild<QCheckBox*>(QStringLiteral("chkPrintOptions(%1)").arg(index));
}

QLineEdit* runId(fmrPrintOptions* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("txtRunID"));
}

// The output of a poppler tool, or an empty string when it is not installed.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString& path) {
    const QString info = popplerOutput(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

QString pdfPageText(const QString& path, int page) {
    const QString number = QString::number(page);
    return popplerOutput(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-f"), number, QStringLiteral("-l"), number, path, QStringLiteral("-")});
}

// Which tabs of the window are shown.
QList<bool> shownTabs(const QTabWidget* tabs) {
    QList<bool> shown;
    for (int i = 0; i < tabs->count(); ++i) {
        shown << tabs->isTabVisible(i);
    }
    return shown;
}

// The number of dark pixels in a band of rows of the image.
int darkPixels(const QImage& image, int top, int bottom, int left = 0, int right = -1) {
    if (right < 0) {
        right = image.width();
    }
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++dark;
            }
        }
    }
    return dark;
}

} // namespace

// The print options dialog, the page painter, PDF output and printing from the main window.
class ReportsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogCaptionsAndDefaults();
    void dialogKeepsTheChoicesBetweenUses();
    void cancelPrintsNothing();
    void renderedPageHasInkWhereThePageLinesStand();
    void theChartIsDrawnOverTheLinesLeftForIt();
    void saveAsPdfWritesEveryChosenPage();
    void printingGivesTheTabsAndBoxesBack();
    void withoutAPrinterThePagesCanBeSavedAsPdf();
    void pdfNameFollowsTheProject();
    void unwritablePdfIsReported();
    void exitClosesThePrintDialogFirst();

private:
    std::unique_ptr<frmTAVCHPScreening> m_window;
    test::FakeFileDialogs* m_dialogs = nullptr;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
    QTemporaryDir m_folder;
};

void ReportsTest::init() {
    auto dialogs = std::make_unique<test::FakeFileDialogs>();
    m_dialogs = dialogs.get();
    m_window = std::make_unique<frmTAVCHPScreening>(test::shippedClimate(), std::move(dialogs));
    m_window->show();
    m_window->mnuFSampleData_Click();
    m_watchdog = std::make_unique<test::ModalWatchdog>();
}

void ReportsTest::cleanup() {
    QVERIFY2(m_watchdog->seen().isEmpty(),
             qPrintable(m_watchdog->seen().join(QStringLiteral("; "))));
    m_window.reset();
}

void ReportsTest::dialogCaptionsAndDefaults() {
    fmrPrintOptions dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Options"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblPrintOptions(0)"))->text(),
             QStringLiteral("Select pages to be printed:"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblPrintOptions(1)"))->text(),
             QStringLiteral("Type an ID for the Dataset:"));
    const QStringList captions = {
        QStringLiteral("Input Data and Summary of Results (1 page)"),
        QStringLiteral("Side-By-Side Comparison of Results for all Three Methods ( 1 page)"),
        QStringLiteral("Method 1 Intermediate Results (1 page)"),
        QStringLiteral("Method 2 Intermediate Results (2 pages)"),
        QStringLiteral("Method 3 Intermediate Results (2 pages)"),
        QStringLiteral("Life-Cycle Economics and Emissions (1 page)")};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(option(&dialog, i)->text(), captions[i]);
        QCOMPARE(option(&dialog, i)->isChecked(), i == 0);
    }
    QCOMPARE(runId(&dialog)->text(), QStringLiteral("Run #1"));
    QCOMPARE(button(&dialog, 0)->text(), QStringLiteral("Print"));
    QCOMPARE(button(&dialog, 1)->text(), QStringLiteral("Cancel"));
    QCOMPARE(button(&dialog, 2)->text(), QStringLiteral("Save as PDF..."));
    QVERIFY(dialog.chosenPages() == (ReportChoice{true, false, false, false, false, false}));
}

void ReportsTest::dialogKeepsTheChoicesBetweenUses() {
    PrintOptionsScript first([](fmrPrintOptions* dialog) {
        option(dialog, 0)->setChecked(false);
        option(dialog, 3)->setChecked(true);
        runId(dialog)->setText(QStringLiteral("Building A"));
        button(dialog, 1)->click();
    });
    m_window->mnuPrint_Click();

    PrintOptionsScript second([](fmrPrintOptions* dialog) {
        QVERIFY(!option(dialog, 0)->isChecked());
        QVERIFY(option(dialog, 3)->isChecked());
        QCOMPARE(runId(dialog)->text(), QStringLiteral("Building A"));
        button(dialog, 1)->click();
    });
    m_window->mnuPrint_Click();
    QVERIFY(first.ran());
    QVERIFY(second.ran());
    // One dialog, created once and kept.
    QCOMPARE(m_window->findChildren<fmrPrintOptions*>().size(), 1);
    QVERIFY(!m_window->findChild<fmrPrintOptions*>()->isVisible());
}

void ReportsTest::cancelPrintsNothing() {
    PrintOptionsScript script([](fmrPrintOptions* dialog) { button(dialog, 1)->click(); });
    m_window->mnuPrint_Click();
    QVERIFY(m_dialogs->asked.isEmpty());
    QVERIFY(m_dialogs->errors.isEmpty());
    QVERIFY(!m_window->findChild<fmrPrintOptions*>()->pdfRequested());
}

void ReportsTest::renderedPageHasInkWhereThePageLinesStand() {
    ReportPage page;
    page.header = "Plenara";
    page.dataSetLine = "Run #1";
    page.body = {"", "x" + std::string(99, '-'), "   indented"};
    page.footer = std::string(44, ' ') + "1 of 1" + std::string(38, ' ') + "12/06/2026  ";
    // 100 dots to the inch: 1 inch is 1440 twips.
    const QImage image = renderReportPage(page, 100);
    QCOMPARE(image.size(), QSize(850, 1100));
    const auto dots = [](int twips) {
        return twips * 100 / 1440;
    };
    QVERIFY(darkPixels(image, 0, dots(240)) > 0);                // header
    QVERIFY(darkPixels(image, dots(240), dots(480)) > 0);        // data-set line
    QVERIFY(darkPixels(image, dots(480), dots(1200)) > 0);       // text
    QVERIFY(darkPixels(image, dots(15480), image.height()) > 0); // footer
    // Nothing between the text and the footer, nothing left of the text margin.
    QCOMPARE(darkPixels(image, dots(1500), dots(15400)), 0);
    QCOMPARE(darkPixels(image, dots(480), dots(1200), 0, dots(240) - 1), 0);
    // The 100-character line ends inside the page: 240 twips + 100 x 117 twips.
    QVERIFY(darkPixels(image, dots(480), dots(1200), dots(11800), dots(12000)) > 0);
    QCOMPARE(darkPixels(image, 0, image.height(), dots(12100), image.width()), 0);
    // The header is centred on the page.
    int left = image.width();
    int right = 0;
    for (int y = 0; y < dots(240); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY(qAbs((left + right) / 2 - image.width() / 2) <= 3);
}

// A page's chart lies over the body lines the page leaves empty for it: ink there, in the
// colours of its lines, and none of it above or below.
void ReportsTest::theChartIsDrawnOverTheLinesLeftForIt() {
    ReportPage page;
    page.body.assign(40, "");
    page.body[0] = "Above the chart";
    ReportChart chart;
    chart.firstLine = 10;
    chart.lineCount = 20;
    chart.data.title = "Cumulative discounted cash flow";
    chart.data.xAxisTitle = "Year";
    chart.data.yAxisTitle = "Dollars of year 0";
    chart.data.series = {{"Method 1", {{0, -100}, {1, -40}, {2, 30}}, {0, 70, 200}},
                         {"Method 2", {{0, -80}, {1, -50}, {2, -10}}, {200, 30, 30}}};
    page.chart = chart;
    const QImage image = renderReportPage(page, 100);
    // The lines' spacing in twips, then in dots of 100 to the inch.
    const double line = QFontMetricsF(reportFont(), &image).lineSpacing();
    const auto dots = [](double twips) {
        return static_cast<int>(twips * 100 / 1440);
    };
    const int top = dots(480 + 10 * line);
    const int bottom = dots(480 + 30 * line);
    QVERIFY(darkPixels(image, top, bottom) > 0);
    QCOMPARE(darkPixels(image, dots(480 + 2 * line), top - 1), 0);
    QCOMPARE(darkPixels(image, bottom + 1, dots(15000)), 0);
    int blue = 0;
    int red = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            blue += c.blue() > 150 && c.red() < 80 ? 1 : 0;
            red += c.red() > 150 && c.blue() < 80 && c.green() < 80 ? 1 : 0;
        }
    }
    QVERIFY(blue > 50);
    QVERIFY(red > 50);
}

void ReportsTest::saveAsPdfWritesEveryChosenPage() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    }
    const QString pdf = m_folder.filePath(QStringLiteral("report.pdf"));
    m_dialogs->saveNames = {pdf};
    PrintOptionsScript script([](fmrPrintOptions* dialog) {
        for (int i = 0; i < 5; ++i) {
            option(dialog, i)->setChecked(true);
        }
        runId(dialog)->setText(QStringLiteral("Test Run"));
        button(dialog, 2)->click();
    });
    m_window->mnuPrint_Click();

    QCOMPARE(m_dialogs->asked, QStringList{QStringLiteral("save:Plenara.pdf")});
    QCOMPARE(m_dialogs->filters.last(),
             QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*"));
    QVERIFY(m_dialogs->errors.isEmpty());
    QCOMPARE(pdfPageCount(pdf), 7);
    for (int page = 1; page <= 7; ++page) {
        const QString text = pdfPageText(pdf, page);
        QVERIFY2(text.contains(QStringLiteral("Plenara")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Test Run")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("%1 of 7").arg(page)), qPrintable(text));
    }
    QVERIFY(pdfPageText(pdf, 2).contains(QStringLiteral("Space Heating & Hot Water Load")));
    QVERIFY(pdfPageText(pdf, 5).contains(QStringLiteral("Method 2 Assumptions & Methodology:")));
}

void ReportsTest::printingGivesTheTabsAndBoxesBack() {
    // Method 2 details on, the others off; the results tab is the current one.
    QTabWidget* tabs = m_window->tabs();
    tabs->setCurrentIndex(tab::Results);
    QTest::mouseClick(m_window->findChild<QCheckBox*>(QStringLiteral("Check1(2)")), Qt::LeftButton);
    const QList<bool> before = shownTabs(tabs);
    QVERIFY(before[tab::Method2]);
    QVERIFY(!before[tab::ComparisonOfMethods]);

    m_dialogs->saveNames = {m_folder.filePath(QStringLiteral("tabs.pdf"))};
    PrintOptionsScript script([](fmrPrintOptions* dialog) {
        // The comparison alone gives its box back without recalculating; the report still
        // leaves the window as it was.
        option(dialog, 0)->setChecked(false);
        option(dialog, 1)->setChecked(true);
        button(dialog, 2)->click();
    });
    m_window->mnuPrint_Click();
    QCOMPARE(shownTabs(tabs), before);
    QCOMPARE(tabs->currentIndex(), int(tab::Results));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(m_window->findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(i))->isChecked(),
                 i == 2);
    }
    QVERIFY(QFile::exists(m_folder.filePath(QStringLiteral("tabs.pdf"))));
}

void ReportsTest::withoutAPrinterThePagesCanBeSavedAsPdf() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("a printer is installed: the test would print");
    }
    const QString pdf = m_folder.filePath(QStringLiteral("fallback.pdf"));
    m_dialogs->answers = {FileDialogs::Answer::Yes};
    m_dialogs->saveNames = {pdf};
    PrintOptionsScript first([](fmrPrintOptions* dialog) { button(dialog, 0)->click(); });
    m_window->mnuPrint_Click();
    QCOMPARE(m_dialogs->asked.size(), 2);
    QVERIFY(m_dialogs->asked[0].startsWith(QStringLiteral("question: No printer is installed.")));
    QVERIFY(m_dialogs->asked[0].contains(QStringLiteral("PDF")));
    QCOMPARE(m_dialogs->asked[1], QStringLiteral("save:Plenara.pdf"));
    QVERIFY(QFile::exists(pdf));

    // Declining saves nothing; the user has been told.
    m_dialogs->asked.clear();
    m_dialogs->answers = {FileDialogs::Answer::No};
    PrintOptionsScript second([](fmrPrintOptions* dialog) { button(dialog, 0)->click(); });
    m_window->mnuPrint_Click();
    QCOMPARE(m_dialogs->asked.size(), 1);
}

void ReportsTest::pdfNameFollowsTheProject() {
    const QString project = m_folder.filePath(QStringLiteral("Tower 5.TAV"));
    m_dialogs->saveNames = {project};
    QVERIFY(m_window->mnuFSaveAs_Click());
    m_dialogs->asked.clear();
    // An existing file is replaced only when the user says so.
    const QString pdf = m_folder.filePath(QStringLiteral("Tower 5.pdf"));
    QFile existing(pdf);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    m_dialogs->saveNames = {pdf};
    m_dialogs->answers = {FileDialogs::Answer::Yes};
    PrintOptionsScript script([](fmrPrintOptions* dialog) { button(dialog, 2)->click(); });
    m_window->mnuPrint_Click();
    QCOMPARE(m_dialogs->asked.size(), 2);
    QCOMPARE(m_dialogs->asked[0], QStringLiteral("save:Tower 5.pdf"));
    QVERIFY(m_dialogs->asked[1].contains(QStringLiteral("already exists")));
    QVERIFY(QFileInfo(pdf).size() > 0);
}

void ReportsTest::unwritablePdfIsReported() {
    const QString nowhere = m_folder.filePath(QStringLiteral("no/such/folder/report.pdf"));
    m_dialogs->saveNames = {nowhere};
    PrintOptionsScript script([](fmrPrintOptions* dialog) { button(dialog, 2)->click(); });
    m_window->mnuPrint_Click();
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY(m_dialogs->errors.first().contains(QStringLiteral("report.pdf")));
    QVERIFY(!writeReportPdf({}, m_folder.filePath(QStringLiteral("empty.pdf"))).isEmpty());

    // No page chosen: nothing to print, and no file for "Save as PDF..." either.
    m_dialogs->asked.clear();
    PrintOptionsScript none([](fmrPrintOptions* dialog) {
        option(dialog, 0)->setChecked(false);
        button(dialog, 2)->click();
    });
    m_window->mnuPrint_Click();
    QVERIFY(m_dialogs->asked.isEmpty());
    QCOMPARE(m_dialogs->informations.size(), 1);
    QVERIFY(m_dialogs->informations.first().contains(QStringLiteral("No pages")));
}

void ReportsTest::exitClosesThePrintDialogFirst() {
    PrintOptionsScript script([this](fmrPrintOptions*) { m_window->mnuFExit_Click(); });
    m_window->mnuPrint_Click();
    QVERIFY(!m_window->findChild<fmrPrintOptions*>()->isVisible());
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_dialogs->asked.isEmpty());
}

} // namespace plenara

QTEST_MAIN(plenara::ReportsTest)
#include "test_reports.moc"
