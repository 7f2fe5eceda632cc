#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextDocument>

namespace plenara {

// The word-processor document of the screen-shot command: one picture per tab, in the order
// added, each under a caption with the tab's name and on a light grey shading. It is written
// as OpenDocument text, which every office suite opens.
class ScreenShotDocument {
public:
    ScreenShotDocument();

    // Appends a picture of a tab, scaled to the width of a page.
    void addPicture(const QString& caption, const QImage& picture);

    int pictureCount() const;
    QStringList captions() const { return m_captions; }
    const QTextDocument& document() const { return m_document; }

    // Writes the document; on failure returns why, naming the file, and leaves no file.
    QString write(const QString& path) const;

private:
    QTextDocument m_document;
    QStringList m_captions;
};

} // namespace plenara
