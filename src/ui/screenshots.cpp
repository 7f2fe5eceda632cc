#include "ui/screenshots.h"

#include "project/projectresults.h"
#include "project/viewsettings.h"
#include "ui/projecttab.h"
#include "ui/screenshotdocument.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTabWidget>
#include <QWidget>

namespace plenara {

namespace {

// The "Show Details for:" switches that the screen shots turn on.
constexpr std::size_t kSummarySwitch = 0;
constexpr std::size_t kComparisonSwitch = 4;

// Shows the busy cursor while the window flips through its tabs.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

QString ScreenShots::Outcome::message() const {
    if (!ok()) {
        return error;
    }
    return QStringLiteral("The screen shots of %1 tabs are in the document\n%2")
        .arg(captions.size())
        .arg(QDir::toNativeSeparators(file));
}

ScreenShots::ScreenShots(QWidget& window, QTabWidget& tabs, ViewSettings& view,
                         std::function<void()> recalculate)
    : m_window(window)
    , m_tabs(tabs)
    , m_view(view)
    , m_recalculate(std::move(recalculate)) {}

QString ScreenShots::fileName() {
    return QStringLiteral("ScreenShots.odt");
}

QString ScreenShots::defaultFolder() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable()) {
        return programFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString ScreenShots::outputFolder() const {
    return m_outputFolder.isEmpty() ? defaultFolder() : m_outputFolder;
}

ScreenShots::Outcome ScreenShots::run() {
    const BusyCursor busy;
    ScreenShotDocument document;
    for (const TabPicture& shot : captureShownTabs()) {
        document.addPicture(shot.caption, shot.picture);
    }
    Outcome outcome;
    const QString folder = outputFolder();
    // The documents folder of a fresh account may not exist yet.
    QDir().mkpath(folder);
    outcome.file = QDir(folder).filePath(fileName());
    outcome.captions = document.captions();
    outcome.error = document.write(outcome.file);
    return outcome;
}

QList<ScreenShots::TabPicture> ScreenShots::captureShownTabs() {
    const int currentTab = m_tabs.currentIndex();
    const bool summary = m_view.Check1[kSummarySwitch];
    const bool comparison = m_view.Check1[kComparisonSwitch];
    const QSize size = m_window.size();

    m_view.Check1[kSummarySwitch] = true;
    m_view.Check1[kComparisonSwitch] = true;
    m_recalculate();

    QList<TabPicture> shots;
    for (int i = 0; i < tab::Count && i < m_tabs.count(); ++i) {
        if (!m_tabs.isTabVisible(i)) {
            continue;
        }
        // Making the tab current lays the window out for it; the pending layout and drawing
        // must be done before the window is copied. A click meanwhile waits until the end.
        m_tabs.setCurrentIndex(i);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // Figures made on other threads (the Monte Carlo) are waited for, a few seconds at most.
        QWidget* shown = m_tabs.widget(i);
        const ProjectTab* page = qobject_cast<ProjectTab*>(shown);
        if (!page) {
            page = shown->findChild<ProjectTab*>(); // a tab that scrolls
        }
        const QDeadlineTimer deadline(5000);
        while (page && !page->settled() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(
                QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, 50);
        }
        shots.append({i, m_tabs.tabText(i), m_window.grab().toImage()});
    }

    m_view.Check1[kSummarySwitch] = summary;
    m_view.Check1[kComparisonSwitch] = comparison;
    m_recalculate();
    m_tabs.setCurrentIndex(currentTab);
    if (!m_window.isMaximized() && !m_window.isFullScreen() && m_window.size() != size) {
        m_window.resize(size);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return shots;
}

} // namespace plenara
