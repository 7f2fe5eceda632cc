#include "ui/frmtavchpscreening.h"
#include "ui/helpcontexts.h"
#include "ui/helpcontroller.h"
#include "ui/helptopics.h"
#include "ui/helpwindow.h"
#include "ui/screenshotdocument.h"
#include "ui/screenshots.h"
#include "ui/uitestsupport.h"
#include "ui/windowtab.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextImageFormat>

namespace plenara {

namespace {

const QString kEnergyCharge = QStringLiteral("txtEnergyCharge");

// The names of the entries of a zip file, read from its central directory; empty when the
// bytes are no zip file. An OpenDocument file is a zip file with its pictures in Pictures/.
QStringList zipEntryNames(const QByteArray& zip) {
    const auto u16 = [&zip](qsizetype at) {
        return static_cast<qsizetype>(static_cast<uchar>(zip[at]) | static_cast<uchar>(zip[at + 1])
                                                                        << 8);
    };
    const auto u32 = [&u16](qsizetype at) {
        return u16(at) | u16(at + 2) << 16;
    };
    const qsizetype end = zip.lastIndexOf(QByteArrayLiteral("PK\x05\x06"));
    if (end < 0 || end + 22 > zip.size()) {
        return {};
    }
    QStringList names;
    qsizetype at = u32(end + 16);
    for (qsizetype i = u16(end + 10); i > 0; --i) {
        if (at + 46 > zip.size() || zip.mid(at, 4) != QByteArrayLiteral("PK\x01\x02")) {
            return {};
        }
        const qsizetype nameLength = u16(at + 28);
        names << QString::fromUtf8(zip.mid(at + 46, nameLength));
        at += 46 + nameLength + u16(at + 30) + u16(at + 32);
    }
    return names;
}

QStringList shownTabs(const QTabWidget& tabs) {
    QStringList shown;
    for (int i = 0; i < tabs.count(); ++i) {
        if (tabs.isTabVisible(i)) {
            shown << tabs.tabText(i);
        }
    }
    return shown;
}

// Window sizes by tab are designed in twips, 15 to the pixel.
QSize twips(int width, int height) {
    return {width / 15, height / 15};
}

} // namespace

// The help window with F1, and the screen-shot command.
class HelpAndShotsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpCollectionHasATopicForEachContext_data();
    void helpCollectionHasATopicForEachContext();
    void unknownContextShowsTheOverview();
    void contextIsTheNearestOnTheWayUp();
    void f1InTheEnergyChargeBoxShowsItsTopic();
    void f1ShowsThePageOfTheControlOrItsTab_data();
    void f1ShowsThePageOfTheControlOrItsTab();
    void f1ReachesTheHelpFromTheFocusedBox();
    void helpMenuShowsTheContentsInOneKeptWindow();
    void aMissingHelpFileIsNamed();

    void screenShotsCoverTheShownTabsInOrder();
    void screenShotsIncludeTickedDetailTabs();
    void screenShotCommandWritesOneDocument();
    void anUnwritableFolderIsReported();
    void documentShadesEachPictureUnderItsCaption();

private:
    QWidget* control(const QString& name) const;

    std::unique_ptr<frmTAVCHPScreening> m_window;
    test::FakeFileDialogs* m_dialogs = nullptr;
    std::unique_ptr<test::ModalWatchdog> m_watchdog;
};

void HelpAndShotsTest::init() {
    test::openTestWindow(m_window, m_dialogs, m_watchdog);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void HelpAndShotsTest::cleanup() {
    test::closeTestWindow(m_window, *m_watchdog);
}

QWidget* HelpAndShotsTest::control(const QString& name) const {
    auto* widget = m_window->findChild<QWidget*>(name);
    if (!widget) {
        qFatal("no control %s", qPrintable(name));
    }
    return widget;
}

void HelpAndShotsTest::helpCollectionHasATopicForEachContext_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    const struct {
        int context;
        const char* page;
    } rows[] = {{helpcontext::Overview, "index.html"},
                {helpcontext::EnergyCharge, "energy-charge.html"},
                {helpcontext::MonthlyUtilityData, "monthly-utility-data.html"},
                {helpcontext::FuelsAndUnits, "fuels-and-units.html"},
                {helpcontext::UtilityRateData, "utility-rate-data.html"},
                {helpcontext::SiteInformation, "site-information.html"},
                {helpcontext::EquipmentAssumptions, "equipment-assumptions.html"},
                {helpcontext::EnergyPlots, "energy-plots.html"},
                {helpcontext::ResultsTab, "results-tab.html"},
                {helpcontext::Method1Tab, "method-tabs.html"},
                {helpcontext::Method2Tab, "method-tabs.html"},
                {helpcontext::Method2Settings, "method-2-settings.html"},
                {helpcontext::PaybackGraph, "payback-graph.html"},
                {helpcontext::Method3Tab, "method-tabs.html"},
                {helpcontext::AirConditioningCriteria, "air-conditioning-criteria.html"},
                {helpcontext::ComparisonOfMethods, "comparison-of-methods.html"},
                {helpcontext::Printing, "printing.html"},
                {helpcontext::MenusAndKeys, "menus-and-keys.html"},
                {helpcontext::LifeCycle, "life-cycle.html"},
                {helpcontext::Sensitivity, "sensitivity.html"}};
    for (const auto& row : rows) {
        QTest::addRow("context %d", row.context) << row.context << QString::fromLatin1(row.page);
    }
    // Every tab has a page of its own.
    for (const WindowTab& t : windowTabs()) {
        if (!t.workingSurface) {
            QTest::addRow("tab %d", t.index) << t.helpContext << QString();
        }
    }
}

void HelpAndShotsTest::helpCollectionHasATopicForEachContext() {
    QFETCH(int, context);
    QFETCH(QString, page);
    QHelpEngineCore engine(QStringLiteral(PLENARA_HELP_COLLECTION));
    engine.setReadOnly(true);
    QVERIFY2(engine.setupData(), qPrintable(engine.error()));
    const QList<QHelpLink> documents =
        engine.documentsForIdentifier(QStringLiteral("context-%1").arg(context));
    QVERIFY(!documents.isEmpty());
    if (!page.isEmpty()) {
        QCOMPARE(documents.constFirst().url.fileName(), page);
    }
    QVERIFY(!engine.fileData(documents.constFirst().url).isEmpty());
}

void HelpAndShotsTest::unknownContextShowsTheOverview() {
    QHelpEngineCore engine(QStringLiteral(PLENARA_HELP_COLLECTION));
    engine.setReadOnly(true);
    QVERIFY(engine.setupData());
    QCOMPARE(helpTopicUrl(engine, 1000).fileName(), QStringLiteral("energy-charge.html"));
    QCOMPARE(helpTopicUrl(engine, 4242), helpTopicUrl(engine, 0));
    QCOMPARE(helpTopicUrl(engine, 0).fileName(), QStringLiteral("index.html"));
}

void HelpAndShotsTest::contextIsTheNearestOnTheWayUp() {
    QWidget frame;
    frame.setProperty("helpContext", 1000);
    QWidget inside(&frame);
    QWidget own(&frame);
    own.setProperty("helpContext", 0);
    QWidget loose;
    QCOMPARE(helpContextOf(&frame), 1000);
    QCOMPARE(helpContextOf(&inside), 1000);
    QCOMPARE(helpContextOf(&own), 0);
    QCOMPARE(helpContextOf(&loose), 0);
    QCOMPARE(helpContextOf(nullptr), 0);
}

void HelpAndShotsTest::f1InTheEnergyChargeBoxShowsItsTopic() {
    QSignalSpy asked(&m_window->help(), &HelpController::topicRequested);
    QTest::keyClick(control(kEnergyCharge), Qt::Key_F1);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0).at(0).toInt(), 1000);
    HelpWindow* help = m_window->help().window();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentPage().fileName(), QStringLiteral("energy-charge.html"));
    QVERIFY(
        help->findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("Energy charge")));
    QVERIFY(m_dialogs->errors.isEmpty());
}

void HelpAndShotsTest::f1ShowsThePageOfTheControlOrItsTab_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("page");
    QTest::newRow("gas cost box") << QStringLiteral("txtGasCost") << int(tab::UtilityRateData)
                                  << QStringLiteral("utility-rate-data.html");
    QTest::newRow("kWh box") << QStringLiteral("txtkWh_3") << int(tab::MonthlyUtilityData)
                             << QStringLiteral("monthly-utility-data.html");
    QTest::newRow("fuel box") << QStringLiteral("cmbFuel1") << int(tab::MonthlyUtilityData)
                              << QStringLiteral("fuels-and-units.html");
    QTest::newRow("prime mover") << QStringLiteral("optGasTurbine")
                                 << int(tab::MiscInputInformation)
                                 << QStringLiteral("equipment-assumptions.html");
    QTest::newRow("occupants") << QStringLiteral("txtNoOccupants") << int(tab::MiscInputInformation)
                               << QStringLiteral("site-information.html");
    QTest::newRow("sensitivity draws")
        << QStringLiteral("txtMonteCarloDraws") << int(tab::Sensitivity)
        << QStringLiteral("sensitivity.html");
    QTest::newRow("show-details switch")
        << QStringLiteral("Check1(0)") << int(tab::Results) << QStringLiteral("results-tab.html");
    QTest::newRow("Done button") << QStringLiteral("cmdDone") << int(tab::EnergyPlots)
                                 << QStringLiteral("energy-plots.html");
    // Outside any tab: the page of the tab in front.
    QTest::newRow("tab holder on the results")
        << QStringLiteral("ssTabForm") << int(tab::Results) << QStringLiteral("results-tab.html");
    QTest::newRow("main window on the rates")
        << QStringLiteral("frmTAVCHPScreening") << int(tab::UtilityRateData)
        << QStringLiteral("utility-rate-data.html");
}

void HelpAndShotsTest::f1ShowsThePageOfTheControlOrItsTab() {
    QFETCH(QString, name);
    QFETCH(int, tabIndex);
    QFETCH(QString, page);
    m_window->tabs()->setCurrentIndex(tabIndex);
    QWidget* target = name == m_window->objectName() ? m_window.get() : control(name);
    QTest::keyClick(target, Qt::Key_F1);
    HelpWindow* help = m_window->help().window();
    QVERIFY(help);
    QCOMPARE(help->currentPage().fileName(), page);
    // The Contents mark the entry of the page itself, not a section that opens with it.
    const QString entry =
        page == QLatin1String("monthly-utility-data.html") ? QStringLiteral("Monthly utility data")
        : page == QLatin1String("results-tab.html")        ? QStringLiteral("The Results tab")
                                                           : QString();
    if (!entry.isEmpty()) {
        QTRY_COMPARE(help->findChild<QHelpContentWidget*>()->currentIndex().data().toString(),
                     entry);
    }

    // Esc puts the help away again.
    QVERIFY(help->isVisible());
    QTest::keyClick(help->findChild<QTextBrowser*>(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void HelpAndShotsTest::f1ReachesTheHelpFromTheFocusedBox() {
    // Through the window system, as a user presses the key: the box with the focus gets it.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->tabs()->setCurrentIndex(tab::UtilityRateData);
    QWidget* box = control(kEnergyCharge);
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QSignalSpy asked(&m_window->help(), &HelpController::topicRequested);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_F1);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0).at(0).toInt(), 1000);

    // Other keys are the box's own.
    QTest::keyClick(m_window->windowHandle(), Qt::Key_F2);
    QCOMPARE(asked.count(), 1);
}

void HelpAndShotsTest::helpMenuShowsTheContentsInOneKeptWindow() {
    QVERIFY(!m_window->help().window());
    m_window->mnuHelp_Click();
    HelpWindow* help = m_window->help().window();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentPage().fileName(), QStringLiteral("index.html"));
    auto* navigation = help->findChild<QTabWidget*>(QStringLiteral("helpNavigation"));
    QVERIFY(navigation);
    QCOMPARE(navigation->tabText(navigation->currentIndex()), QStringLiteral("Contents"));
    QTRY_VERIFY(help->engine().contentModel()->rowCount() > 0);

    help->close();
    m_window->mnuHelp_Click();
    QCOMPARE(m_window->help().window(), help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowModality(), Qt::NonModal);

    // Asked for over a modal dialog, the help is modal itself, or the dialog would block it;
    // once the dialog is gone it is an ordinary window again.
    QDialog dialog(m_window.get());
    dialog.setModal(true);
    dialog.show();
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    m_window->help().showTopic(1000);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowModality(), Qt::ApplicationModal);
    dialog.close();
    m_window->mnuHelp_Click();
    QCOMPARE(help->windowModality(), Qt::NonModal);
}

void HelpAndShotsTest::aMissingHelpFileIsNamed() {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("Plenara Version 2.1.qhc"));
    test::FakeFileDialogs dialogs;
    QWidget owner;
    HelpController help(owner, dialogs, missing);
    help.showContents();
    help.showTopic(1000);
    QVERIFY(!help.window());
    QCOMPARE(dialogs.errors.size(), 2);
    QVERIFY2(dialogs.errors.at(0).contains(QDir::toNativeSeparators(missing)),
             qPrintable(dialogs.errors.at(0)));

    // A collection whose help book is gone names the book.
    QFile::copy(QStringLiteral(PLENARA_HELP_COLLECTION), missing);
    dialogs.errors.clear();
    help.showContents();
    QVERIFY(!help.window());
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY2(dialogs.errors.at(0).contains(QStringLiteral("Plenara Version 2.1.qch")),
             qPrintable(dialogs.errors.at(0)));
}

void HelpAndShotsTest::screenShotsCoverTheShownTabsInOrder() {
    QTabWidget* tabs = m_window->tabs();
    tabs->setCurrentIndex(tab::Results);
    const QImage resultsWithoutSummary = m_window->grab().toImage();
    tabs->setCurrentIndex(tab::MiscInputInformation);
    const QStringList shownBefore = shownTabs(*tabs);
    const QSize sizeBefore = m_window->size();
    const ViewSettings viewBefore = m_window->session().view();
    const bool modifiedBefore = m_window->isWindowModified();

    const QList<ScreenShots::TabPicture> shots = m_window->screenShots().captureShownTabs();

    QStringList captions;
    QList<int> indices;
    for (const ScreenShots::TabPicture& shot : shots) {
        captions << shot.caption;
        indices << shot.tab;
    }
    QCOMPARE(
        captions,
        QStringList({QStringLiteral("Monthly Utility Data"), QStringLiteral("Utility Rate Data"),
                     QStringLiteral("Misc. Input Information"), QStringLiteral("Life Cycle"),
                     QStringLiteral("Sensitivity"), QStringLiteral("Energy Plots"),
                     QStringLiteral("Results"), QStringLiteral("Comparison of Methods")}));
    QCOMPARE(indices, QList<int>({0, 1, 2, 3, 4, 5, 6, 11}));
    // Each picture is of the whole window as laid out for its tab.
    const QList<QSize> sizes = {twips(15000, 10600), twips(15000, 10600), twips(15000, 10600),
                                twips(15000, 10600), twips(19500, 11100), twips(15000, 12200),
                                twips(15000, 12600), twips(15000, 10600)};
    for (int i = 0; i < shots.size(); ++i) {
        QCOMPARE(shots.at(i).picture.size() / shots.at(i).picture.devicePixelRatio(), sizes.at(i));
    }
    // The results were photographed with the summary lines shown.
    QVERIFY(shots.at(6).picture != resultsWithoutSummary);

    QCOMPARE(tabs->currentIndex(), int{tab::MiscInputInformation});
    QCOMPARE(shownTabs(*tabs), shownBefore);
    QVERIFY(m_window->session().view() == viewBefore);
    QCOMPARE(m_window->size(), sizeBefore);
    QCOMPARE(m_window->isWindowModified(), modifiedBefore);
    QVERIFY(!m_window->findChild<QWidget*>(QStringLiteral("Frame17"))->isVisible());
}

void HelpAndShotsTest::screenShotsIncludeTickedDetailTabs() {
    for (const QString& name : {QStringLiteral("Check1(1)"), QStringLiteral("Check1(3)")}) {
        auto* box = m_window->findChild<QCheckBox*>(name);
        QVERIFY(box);
        box->click();
    }
    QTabWidget* tabs = m_window->tabs();
    tabs->setCurrentIndex(tab::Method3);
    const QStringList shownBefore = shownTabs(*tabs);

    QList<int> indices;
    for (const ScreenShots::TabPicture& shot : m_window->screenShots().captureShownTabs()) {
        indices << shot.tab;
    }
    QCOMPARE(indices, QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 9, 11}));
    QCOMPARE(tabs->currentIndex(), int{tab::Method3});
    QCOMPARE(shownTabs(*tabs), shownBefore);
    const std::array<bool, 5> ticked = {false, true, false, true, false};
    QVERIFY(m_window->session().view().Check1 == ticked);
}

void HelpAndShotsTest::screenShotCommandWritesOneDocument() {
    QTemporaryDir folder;
    m_window->screenShots().setOutputFolder(folder.path());
    QSignalSpy tabChanges(m_window->tabs(), &QTabWidget::currentChanged);

    m_window->mnuScreenShots_Click();

    const QString document = folder.filePath(QStringLiteral("ScreenShots.odt"));
    QVERIFY(m_dialogs->errors.isEmpty());
    QCOMPARE(m_dialogs->informations.size(), 1);
    QVERIFY2(m_dialogs->informations.at(0).contains(QDir::toNativeSeparators(document)),
             qPrintable(m_dialogs->informations.at(0)));
    // Only the document is left: no picture file, no temporary file.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("ScreenShots.odt")});

    QFile file(document);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList entries = zipEntryNames(file.readAll());
    QVERIFY(entries.contains(QStringLiteral("mimetype")));
    QVERIFY(entries.contains(QStringLiteral("content.xml")));
    QCOMPARE(entries.filter(QStringLiteral("Pictures/")).size(), 8);

    // The window went through the eight tabs and came back to the first.
    QVERIFY(tabChanges.count() >= 8);
    QCOMPARE(m_window->tabs()->currentIndex(), 0);
}

void HelpAndShotsTest::anUnwritableFolderIsReported() {
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath(QStringLiteral("file"));
    {
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    m_window->screenShots().setOutputFolder(notAFolder);
    m_window->mnuScreenShots_Click();
    QVERIFY(m_dialogs->informations.isEmpty());
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY2(m_dialogs->errors.at(0).contains(QStringLiteral("ScreenShots.odt")),
             qPrintable(m_dialogs->errors.at(0)));
    QCOMPARE(m_window->tabs()->currentIndex(), 0);
}

void HelpAndShotsTest::documentShadesEachPictureUnderItsCaption() {
    QImage wide(1500, 750, QImage::Format_RGB32);
    wide.fill(Qt::darkBlue);
    QImage small(300, 200, QImage::Format_RGB32);
    small.fill(Qt::darkRed);
    ScreenShotDocument document;
    document.addPicture(QStringLiteral("Results"), wide);
    document.addPicture(QStringLiteral("Comparison of Methods"), small);

    QCOMPARE(document.pictureCount(), 2);
    QCOMPARE(document.captions(),
             QStringList({QStringLiteral("Results"), QStringLiteral("Comparison of Methods")}));
    // Caption, shaded margin, shaded picture, shaded margin; each caption after the first
    // starts a page.
    const QTextDocument& text = document.document();
    const QColor shading(0xF3, 0xF3, 0xF3);
    QStringList layout;
    QList<QTextImageFormat> images;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        QString kind;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                images << it.fragment().charFormat().toImageFormat();
                kind = QStringLiteral("picture");
            }
        }
        if (kind.isEmpty()) {
            kind = block.text().isEmpty() ? QStringLiteral("margin") : block.text();
        }
        const bool shaded = format.background().style() != Qt::NoBrush;
        QVERIFY(!shaded || format.background().color() == shading);
        if (shaded) {
            kind += QStringLiteral(" (shaded)");
        }
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
            kind.prepend(QStringLiteral("new page: "));
        }
        layout << kind;
    }
    QCOMPARE(layout,
             QStringList({QStringLiteral("Results"), QStringLiteral("margin (shaded)"),
                          QStringLiteral("picture (shaded)"), QStringLiteral("margin (shaded)"),
                          QStringLiteral("new page: Comparison of Methods"),
                          QStringLiteral("margin (shaded)"), QStringLiteral("picture (shaded)"),
                          QStringLiteral("margin (shaded)")}));

    // Each picture is kept whole and shown at most a page wide.
    QVERIFY(
        text.resource(QTextDocument::ImageResource, QUrl(images.at(0).name())).value<QImage>() ==
        wide);
    QCOMPARE(images.at(0).width(), 600.0);
    QCOMPARE(images.at(0).height(), 300.0);
    QCOMPARE(images.at(1).width(), 300.0);
    QCOMPARE(images.at(1).height(), 200.0);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ScreenShots.odt"));
    QCOMPARE(document.write(path), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(zipEntryNames(file.readAll()).filter(QStringLiteral("Pictures/")).size(), 2);
}

} // namespace plenara

QTEST_MAIN(plenara::HelpAndShotsTest)
#include "test_helpandshots.moc"
