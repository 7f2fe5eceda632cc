#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QButtonGroup>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;

namespace plenara {

class InputBox;

// A numeric text box of the input tabs: fixed-pitch font, numbers right-aligned, the whole
// text selected on entry and Enter moving on as Tab does.
InputBox* numberBox(const QString& objectName, QWidget* parent);

// Makes a box wide enough for `characters` digits of its font, and no wider.
void setWidthInCharacters(InputBox* box, int characters);

// A caption shown exactly as written: plain text (leading blanks kept), no access key.
QLabel* captionLabel(const QString& text, QWidget* parent, const QString& objectName = {});

// Puts the widgets into the tab order one after the other.
void setTabChain(const std::vector<QWidget*>& widgets);

// Checks the option with `id`, or none of the group when `id` is negative: a project file may
// leave a group with no option set, which an exclusive group cannot show by itself.
void showOptionId(QButtonGroup& group, int id);

// A text of the input record as a box shows it. The record keeps texts in Windows-1252, as
// project and climate files hold them ("caf\xE9" shows as "café").
QString fromRecord(std::string_view text);

// A text typed into a box as the input record keeps it; a character that Windows-1252 cannot
// hold becomes "?".
std::string toRecord(const QString& text);

// The items of a list of the input record or the engine, for a drop-down box.
template <typename Range>
QStringList itemList(const Range& items) {
    QStringList list;
    for (const auto& item : items) {
        list << fromRecord(item);
    }
    return list;
}

// Makes Tab and Backtab enter the group at its set option, as option groups do on the
// desktop, rather than at the first option of the focus chain.
void tabToSetOption(QButtonGroup& group);

// Shows an option group of the input record; the button ids are the enumeration's values.
template <typename E>
void showOption(QButtonGroup& group, const std::optional<E>& value) {
    showOptionId(group, value ? static_cast<int>(*value) : -1);
}

} // namespace plenara
