#include "engine/captiontext.h"
#include "engine/formatpattern.h"
#include "output/reportcomposer.h"
#include "ui/fmrprintoptions.h"
#include "ui/frmtavchpscreening.h"
#include "ui/reportpainter.h"
#include "ui/reportpdfwriter.h"
#include "ui/reportprinting.h"
#include "ui/uitestsupport.h"

#include <functional>
#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
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
    void pdfTextLiesWithinTheMargins();
    void previewShowsTheChosenPages();
    void exportPdfStartsInDocuments();
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
    test::openTestWindow(m_window, m_dialogs, m_watchdog);
    m_window->mnuFSampleData_Click();
}

void ReportsTest::cleanup() {
    test::closeTestWindow(m_window, *m_watchdog);
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
    // 100 dots to the inch: 1 inch is 1440 twips, the half-inch margin 50 dots.
    const QImage image = renderReportPage(page, 100);
    QCOMPARE(image.size(), QSize(850, 1100));
    // Nothing within the margins.
    QCOMPARE(darkPixels(image, 0, 50), 0);
    QCOMPARE(darkPixels(image, 1050, 1100), 0);
    QCOMPARE(darkPixels(image, 0, 1100, 0, 50), 0);
    QCOMPARE(darkPixels(image, 0, 1100, 800, 850), 0);
    // A character of Courier at 9.75 points is 0.6 x 195 = 117 twips wide; the 100 characters
    // of the longest line need 11,700 twips, the 7.5 inches within the margins less a point
    // on each side give 10,760: the text is drawn at 10,760 / 11,700 = 0.92 of its size, and
    // the line reaches the right margin. Its lines are about 0.92 x 240 = 221 twips (15 dots)
    // apart.
    QVERIFY(darkPixels(image, 50, 66) > 0);            // header
    QVERIFY(darkPixels(image, 66, 81) > 0);            // data-set line
    QVERIFY(darkPixels(image, 81, 140) > 0);           // text
    QVERIFY(darkPixels(image, 1030, 1050) > 0);        // footer
    QCOMPARE(darkPixels(image, 140, 1030), 0);         // nothing between
    QVERIFY(darkPixels(image, 81, 140, 780, 800) > 0); // the long line's end
    QVERIFY(darkPixels(image, 81, 140, 50, 58) > 0);   // from the left margin
    // The header is centred on the page.
    int left = image.width();
    int right = 0;
    for (int y = 50; y < 66; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY(qAbs((left + right) / 2 - image.width() / 2) <= 3);
    // The monospace in use advances 1229/2048 em, so the factor is 10760 / 11701.9 = 0.91951.
    QVERIFY(qAbs(reportTextScale(page, QSizeF(12240, 15840)) - 0.91951) < 0.0001);
}

// Every word of every page lies within the half-inch margins, on letter paper and on A4, as
// the PDF's own text boxes tell.
void ReportsTest::pdfTextLiesWithinTheMargins() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    m_window->mnuFSampleData_Click();
    const QDate day(2026, 6, 12);
    const std::vector<ReportPage> pages =
        composeReport(m_window->session(), ReportChoice{true, true, true, true, true}, "Run #1",
                      ShortDate(day.year(), day.month(), day.day()));
    QCOMPARE(pages.size(), std::size_t(7));

    const QString letter = m_folder.filePath(QStringLiteral("letter.pdf"));
    QVERIFY(writeReportPdf(pages, letter).isEmpty());
    const QString a4 = m_folder.filePath(QStringLiteral("a4.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(a4);
        printer.setFullPage(true);
        printer.setPageSize(reportPaper(QPageSize(QPageSize::A4)));
        paintReportPages(printer, pages);
    }
    // Page sizes in points: letter 612 x 792, A4 595.3 x 841.9; the margin is 36 points.
    const struct {
        QString file;
        double width;
        double height;
    } papers[] = {{letter, 612.0, 792.0}, {a4, 595.276, 841.89}};
    for (const auto& paper : papers) {
        const QString boxes =
            popplerOutput(QStringLiteral("pdftotext"),
                          {QStringLiteral("-bbox"), paper.file, QStringLiteral("-")});
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                           "yMax=\"([\\d.]+)\">"));
        int words = 0;
        double right = 0;
        double bottom = 0;
        for (auto match = word.globalMatch(boxes); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            const double x0 = m.captured(1).toDouble();
            const double y0 = m.captured(2).toDouble();
            const double x1 = m.captured(3).toDouble();
            const double y1 = m.captured(4).toDouble();
            QVERIFY2(x0 >= 36.0 && y0 >= 36.0 && x1 <= paper.width - 36.0 &&
                         y1 <= paper.height - 36.0,
                     qPrintable(paper.file + QStringLiteral(": ") + m.captured(0)));
            right = std::max(right, x1);
            bottom = std::max(bottom, y1);
            ++words;
        }
        QVERIFY(words > 1000);
        // The widest lines and the footers reach close to the margins: the text was scaled to
        // fit, not shrunk further.
        QVERIFY2(right > paper.width - 36.0 - 20.0, qPrintable(QString::number(right)));
        QVERIFY2(bottom > paper.height - 36.0 - 20.0, qPrintable(QString::number(bottom)));
    }
}

void ReportsTest::previewShowsTheChosenPages() {
    m_window->mnuFSampleData_Click();
    const std::vector<ReportPage> pages = composeReport(
        m_window->session(), ReportChoice{true, false, false, true, false}, "Run #1", "06/12/2026");
    std::unique_ptr<QPrintPreviewDialog> preview(createReportPreview(m_window.get(), pages));
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    QVERIFY(widget);
    widget->updatePreview();
    QCOMPARE(widget->pageCount(), 3);

    // The dialog's "Preview..." asks for it while the dialog stays open.
    PrintOptionsScript script([](fmrPrintOptions* dialog) {
        // The window's own preview would wait for the user: only the request is looked at.
        QObject::disconnect(dialog, &fmrPrintOptions::previewRequested, nullptr, nullptr);
        const QString shots = qEnvironmentVariable("PLENARA_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            dialog->grab().save(QDir(shots).filePath(QStringLiteral("print-options.png")));
        }
        QSignalSpy asked(dialog, &fmrPrintOptions::previewRequested);
        button(dialog, 3)->click();
        QCOMPARE(asked.count(), 1);
        QVERIFY(dialog->isVisible());
        button(dialog, 1)->click();
    });
    m_window->mnuPrint_Click();
    QVERIFY(script.ran());
}

void ReportsTest::exportPdfStartsInDocuments() {
    const QString pdf = m_folder.filePath(QStringLiteral("export.pdf"));
    m_dialogs->saveNames = {pdf};
    bool printShown = true;
    PrintOptionsScript script([&printShown](fmrPrintOptions* dialog) {
        printShown = button(dialog, 0)->isVisible();
        button(dialog, 2)->click();
    });
    m_window->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
    QVERIFY(!printShown);
    QCOMPARE(m_dialogs->asked, QStringList{QStringLiteral("save:Plenara.pdf")});
    QCOMPARE(m_dialogs->folders, QStringList{documentsFolder()});
    QVERIFY(QFileInfo(pdf).size() > 0);

    // A home without a documents folder: the dialog starts at home, not where the platform
    // happens to fall back to.
    const QByteArray home = qgetenv("HOME");
    const QTemporaryDir bareHome;
    qputenv("HOME", QFile::encodeName(bareHome.path()));
    const QString folder = documentsFolder();
    qputenv("HOME", home);
    QCOMPARE(folder, QDir(bareHome.path()).absolutePath());
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
    // The body starts 480 twips below the top margin and its guard.
    const double body = reportpage::kMarginTwips + reportpage::kGuardTwips + 480;
    const int top = dots(body + 10 * line);
    const int bottom = dots(body + 30 * line);
    QVERIFY(darkPixels(image, top, bottom) > 0);
    QCOMPARE(darkPixels(image, dots(body + 2 * line), top - 1), 0);
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

    // The life-cycle page of the sample is drawn at the size of the other pages (which the
    // width of the footer sets): its lines fit the height within the margins of letter and A4.
    m_window->mnuFSampleData_Click();
    ReportChoice choice{};
    choice[1] = true;
    choice[5] = true;
    const std::vector<ReportPage> pages =
        composeReport(m_window->session(), choice, "Run #1", "06/12/2026");
    QCOMPARE(pages.size(), std::size_t(2));
    QVERIFY(pages[1].chart.has_value());
    for (const QSizeF paper : {QSizeF(12240, 15840), QSizeF(11906, 16838)}) {
        QCOMPARE(reportTextScale(pages[1], paper), reportTextScale(pages[0], paper));
    }
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
    QCOMPARE(m_dialogs->folders.last(), documentsFolder());
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
