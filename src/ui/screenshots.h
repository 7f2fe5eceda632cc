#pragma once

#include <functional>

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class QTabWidget;
class QWidget;

namespace plenara {

struct ViewSettings;

// The command "Capture Screen Shots": it photographs every shown tab of the main window, the
// summary and the comparison of methods included, and collects the pictures in the document
// "ScreenShots.odt". Afterwards the window is as it was.
class ScreenShots {
public:
    // A picture of the whole window while one tab was current.
    struct TabPicture {
        int tab = 0;
        QString caption;
        QImage picture;
    };

    // What the command did: the document written and the tabs in it, or why it failed.
    struct Outcome {
        QString file;
        QStringList captions;
        QString error;

        bool ok() const { return error.isEmpty(); }
        // The one message that tells the user where the document is.
        QString message() const;
    };

    // `recalculate` recalculates and shows the results, which applies the show-details
    // switches to the summary frame and the tabs.
    ScreenShots(QWidget& window, QTabWidget& tabs, ViewSettings& view,
                std::function<void()> recalculate);

    // The folder the document is written to; empty means defaultFolder().
    void setOutputFolder(const QString& folder) { m_outputFolder = folder; }
    QString outputFolder() const;

    // The program's folder when it is writable (a program run from where it was built), else
    // the user's documents folder (an installed program).
    static QString defaultFolder();
    static QString fileName();

    // Captures the shown tabs and writes the document.
    Outcome run();

    // Pictures of every tab shown with the summary and the comparison of methods switched on,
    // in tab order; the tab, the switches and the size of the window are restored.
    QList<TabPicture> captureShownTabs();

private:
    QWidget& m_window;
    QTabWidget& m_tabs;
    ViewSettings& m_view;
    std::function<void()> m_recalculate;
    QString m_outputFolder;
};

} // namespace plenara
