#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace plenara {

// Shows the pages of the help book. The pages live inside the compressed help file under
// qthelp:// addresses, which only the help engine can read; every other address is left to
// the text browser.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QHelpEngineCore& engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore& m_engine;
};

} // namespace plenara
