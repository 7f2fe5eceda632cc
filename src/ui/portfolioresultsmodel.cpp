#include "ui/portfolioresultsmodel.h"

#include "engine/formatpattern.h"
#include "portfolio/resultcolumns.h"

#include <QBrush>
#include <QColor>

namespace plenara {

namespace {

const char* shownPattern(ResultFormat format) {
    switch (format) {
    case ResultFormat::KW:
        return "###,###,##0";
    case ResultFormat::Years:
        return "##0.0";
    case ResultFormat::Dollars:
        return "$###,###,##0";
    case ResultFormat::Fraction:
        return "##0.0%";
    case ResultFormat::Tonnes:
        return "###,##0.0";
    case ResultFormat::Method:
    case ResultFormat::Text:
        break;
    }
    return "0";
}

// The heading of a column in the window: the method on one line, the figure on the next; the
// name of the column in the files is its tooltip.
QString heading(const std::string& name) {
    static const std::pair<const char*, const char*> kFigures[] = {
        {"CapacityKW", "Capacity (kW)"},
        {"PaybackYears", "Payback (years)"},
        {"InstalledCost", "Installed Cost"},
        {"AnnualSavings", "Annual Savings"},
        {"Npv", "NPV"},
        {"Irr", "IRR"},
        {"Co2ChangeTonnes", "CO2 Change (t)"},
        {"PaybackP10", "Payback P10"},
        {"PaybackP90", "Payback P90"},
    };
    static const std::pair<const char*, const char*> kOthers[] = {
        {"id", "Id"},
        {"state", "State"},
        {"city", "City"},
        {"bestMethod", "Best\nMethod"},
        {"bestPaybackYears", "Best Payback\n(years)"},
        {"error", "Error"},
    };
    for (const auto& [key, text] : kOthers) {
        if (name == key) {
            return QString::fromUtf8(text);
        }
    }
    if (name.rfind("method", 0) == 0 && name.size() > 7) {
        const std::string figure = name.substr(7);
        QString text = QStringLiteral("Method ") + QChar::fromLatin1(name[6]) + QLatin1Char('\n');
        for (const auto& [key, shown] : kFigures) {
            if (figure == key) {
                return text + QString::fromUtf8(shown);
            }
        }
        return text + QString::fromStdString(figure);
    }
    return QString::fromStdString(name);
}

} // namespace

PortfolioResultsModel::PortfolioResultsModel(QObject* parent)
    : QAbstractTableModel(parent) {}

int PortfolioResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PortfolioResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(resultColumns().size());
}

QVariant PortfolioResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const ScreenRow& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::ForegroundRole) {
        return row.failed() ? QVariant(QBrush(QColor(Qt::darkRed))) : QVariant();
    }
    const ResultColumn& column = resultColumns()[static_cast<std::size_t>(index.column())];
    if (column.format == ResultFormat::Text) {
        const QString text = QString::fromStdString(column.text(row));
        if (role == Qt::DisplayRole || role == SortRole) {
            return text;
        }
        if (role == Qt::ToolTipRole && column.name == "error") {
            return text;
        }
        return {};
    }
    const std::optional<double> value = column.number(row, column.method);
    switch (role) {
    case Qt::DisplayRole:
        return value ? QString::fromStdString(FormatPattern(*value, shownPattern(column.format)))
                     : QString();
    case SortRole:
        // None for an empty cell, which PortfolioSortModel puts after every number.
        return value ? QVariant(*value) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        break;
    }
    return {};
}

QVariant PortfolioResultsModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation == Qt::Vertical) {
        // The place of the building in the inputs, whatever the order shown.
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    const std::string& name = resultColumns()[static_cast<std::size_t>(section)].name;
    if (role == Qt::DisplayRole) {
        return heading(name);
    }
    if (role == Qt::ToolTipRole) {
        return QString::fromStdString(name);
    }
    return {};
}

void PortfolioResultsModel::clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void PortfolioResultsModel::append(std::vector<ScreenRow> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (ScreenRow& row : rows) {
        m_rows.push_back(std::move(row));
    }
    endInsertRows();
}

} // namespace plenara
