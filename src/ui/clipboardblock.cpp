#include "ui/clipboardblock.h"

namespace plenara {

QList<QStringList> clipboardRows(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    const auto endCell = [&] {
        row << cell.trimmed();
        cell.clear();
        cellStarted = false;
    };
    const auto endRow = [&] {
        endCell();
        rows << row;
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == QLatin1Char('\t')) {
            endCell();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
            endRow();
        } else {
            cell += c;
            if (!c.isSpace()) {
                cellStarted = true;
            }
        }
    }
    if (!cell.isEmpty() || !row.isEmpty() || cellStarted) {
        endRow();
    }
    return rows;
}

bool isClipboardBlock(const QString& text) {
    const QList<QStringList> rows = clipboardRows(text);
    return rows.size() > 1 || (rows.size() == 1 && rows.front().size() > 1);
}

} // namespace plenara
