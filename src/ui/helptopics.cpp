#include "ui/helptopics.h"

#include "project/datapaths.h"

#include <QDir>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QWidget>

namespace plenara {

namespace {

const char* const kHelpContextProperty = "helpContext";
const QString kCollectionName = QStringLiteral("Plenara Version 2.1.qhc");

QUrl documentOf(QHelpEngineCore& engine, int context) {
    const QList<QHelpLink> links =
        engine.documentsForIdentifier(QStringLiteral("context-%1").arg(context));
    return links.isEmpty() ? QUrl() : links.constFirst().url;
}

} // namespace

int helpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant context = w->property(kHelpContextProperty);
        if (context.isValid()) {
            return context.toInt();
        }
    }
    return 0;
}

QUrl helpTopicUrl(QHelpEngineCore& engine, int context) {
    const QUrl topic = documentOf(engine, context);
    if (!topic.isEmpty() || context == 0) {
        return topic;
    }
    return documentOf(engine, 0);
}

QString helpCollectionFile() {
    return QDir(QString::fromStdString(dataDirectory().string())).filePath(kCollectionName);
}

} // namespace plenara
