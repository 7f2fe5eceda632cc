#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace plenara {

// The cells of a block copied from a spreadsheet: rows separated by line breaks (CR LF, LF or
// CR), cells by tabs. The line break that ends the last row is no further row; a cell that
// the spreadsheet quoted because it held a tab, a line break or a quote is unquoted.
QList<QStringList> clipboardRows(const QString& text);

// Whether a text is more than one cell: it holds a tab or a line break between rows.
bool isClipboardBlock(const QString& text);

} // namespace plenara
