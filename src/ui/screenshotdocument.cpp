#include "ui/screenshotdocument.h"

#include "fileio/safefilewriter.h"

#include <algorithm>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentWriter>
#include <QTextImageFormat>
#include <QUrl>

namespace plenara {

namespace {

// The shading behind each picture: the light grey that the screen-shot documents have always
// had.
const QColor kShading(0xF3, 0xF3, 0xF3);
// The widest picture that fits within the margins of a letter or A4 page, in document pixels
// (three quarters of a point each).
constexpr int kPageWidthPixels = 600;
constexpr qreal kShadingMarginPointSize = 6.0;
constexpr qreal kCaptionSpacing = 6.0;
constexpr qreal kCaptionPointSize = 12.0;

} // namespace

ScreenShotDocument::ScreenShotDocument() {
    m_document.setMetaInformation(QTextDocument::DocumentTitle,
                                  QStringLiteral("Plenara Version 2.1 screen shots"));
}

void ScreenShotDocument::addPicture(const QString& caption, const QImage& picture) {
    const int number = static_cast<int>(m_captions.size()) + 1;
    QTextCursor cursor(&m_document);
    cursor.movePosition(QTextCursor::End);

    QTextBlockFormat captionBlock;
    captionBlock.setBottomMargin(kCaptionSpacing);
    if (number > 1) {
        // One tab to a page, as a printed set of screen shots reads best.
        captionBlock.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    }
    QTextCharFormat captionText;
    captionText.setFontWeight(QFont::Bold);
    captionText.setFontPointSize(kCaptionPointSize);
    if (number == 1) {
        cursor.setBlockFormat(captionBlock);
        cursor.setBlockCharFormat(captionText);
    } else {
        cursor.insertBlock(captionBlock, captionText);
    }
    cursor.insertText(caption, captionText);

    // The picture sits centred on a shaded paragraph, with a thin shaded paragraph above and
    // below it as a margin: paragraph shading is what every word processor keeps from an
    // OpenDocument file (a table cell's background is not written).
    QTextBlockFormat shaded;
    shaded.setBackground(kShading);
    shaded.setAlignment(Qt::AlignHCenter);
    QTextCharFormat margin;
    margin.setFontPointSize(kShadingMarginPointSize);
    cursor.insertBlock(shaded, margin);

    const QUrl name(QStringLiteral("screenshot-%1.png").arg(number));
    m_document.addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat image;
    image.setName(name.toString());
    const qreal width = std::min(picture.width(), kPageWidthPixels);
    image.setWidth(width);
    image.setHeight(picture.width() > 0 ? width * picture.height() / picture.width() : 0);
    cursor.insertBlock(shaded, QTextCharFormat());
    cursor.insertImage(image);
    cursor.insertBlock(shaded, margin);

    m_captions << caption;
}

int ScreenShotDocument::pictureCount() const {
    int count = 0;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                ++count;
            }
        }
    }
    return count;
}

QString ScreenShotDocument::write(const QString& path) const {
    // The writer closes the device it writes to, so the document is composed in memory and
    // then saved in one go: a failed write leaves neither a part nor a temporary file behind.
    QBuffer odf;
    QTextDocumentWriter writer(&odf, QByteArrayLiteral("odf"));
    if (!writer.write(&m_document)) {
        return QStringLiteral("The screen shots cannot be composed for %1.")
            .arg(QDir::toNativeSeparators(path));
    }
    // Every file the program writes goes through the one safe writer (links, read-only and
    // special files are treated alike everywhere).
    const QByteArray& bytes = odf.data();
    const std::string problem = writeFileSafely(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!problem.empty()) {
        return QStringLiteral("The screen shots cannot be written to %1: %2")
            .arg(QDir::toNativeSeparators(path), QString::fromStdString(problem));
    }
    return {};
}

} // namespace plenara
