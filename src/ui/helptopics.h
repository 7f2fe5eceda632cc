#pragma once

#include <QString>
#include <QUrl>

class QHelpEngineCore;
class QWidget;

namespace plenara {

// The help context number of a control: the dynamic property "helpContext" of the widget or,
// when it has none, of the nearest parent that has one; 0 when no widget on the way has one.
// A control inherits the context of the frame it sits in, as its help topic usually is the
// frame's.
int helpContextOf(const QWidget* widget);

// The page of the help book for a context number: the document of the keyword id
// "context-<n>", or of "context-0" (the overview) when the number has no page of its own.
// Empty when even the overview is missing.
QUrl helpTopicUrl(QHelpEngineCore& engine, int context);

// The help collection that the program opens: it lies with the climate data in the data folder.
QString helpCollectionFile();

} // namespace plenara
