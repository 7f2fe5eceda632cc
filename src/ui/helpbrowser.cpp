#include "ui/helpbrowser.h"

#include <QHelpEngineCore>

namespace plenara {

namespace {

const QString kHelpScheme = QStringLiteral("qthelp");

} // namespace

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent)
    , m_engine(engine) {
    setObjectName(QStringLiteral("helpBrowser"));
    // Links to the web leave the help window for the user's browser.
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == kHelpScheme) {
        return m_engine.fileData(name);
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace plenara
