#pragma once

#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace plenara {

class HelpBrowser;

// The help window: the table of contents and the index of the help book in tabs beside the
// page that is read. It opens the collection read-only, since the installed data folder is not
// writable.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Why the help book cannot be shown, naming the file; empty when it can.
    QString problem() const { return m_problem; }

    // Shows the window with the table of contents and the overview page.
    void showContents();
    // Shows the window at the page of a help context number.
    void showTopic(int context);

    // The page shown now.
    QUrl currentPage() const;
    QHelpEngine& engine() { return *m_engine; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildWidgets();
    void showPage(const QUrl& page);
    void selectInContents(const QUrl& page);
    void bringToFront();
    QString checkDocumentation() const;

    // Created before the widgets, so that it is destroyed first: it stops reading the table of
    // contents in the background before the views of its models go.
    QHelpEngine* m_engine = nullptr;
    QTabWidget* m_navigation = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    HelpBrowser* m_browser = nullptr;
    QString m_problem;
};

} // namespace plenara
