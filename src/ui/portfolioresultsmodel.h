#pragma once

#include "portfolio/screenrow.h"

#include <vector>

#include <QAbstractTableModel>

namespace plenara {

// The rows of a screening as a table: one column per column of the results files, numbers
// shown as the spreadsheet shows them (kW and dollars whole, paybacks to one decimal). Sorting
// goes by SortRole: numbers by value, none for an empty cell (see PortfolioSortModel), texts
// by text.
class PortfolioResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit PortfolioResultsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void clear();
    void append(std::vector<ScreenRow> rows);
    const ScreenRow& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    const std::vector<ScreenRow>& rows() const { return m_rows; }

private:
    std::vector<ScreenRow> m_rows;
};

} // namespace plenara
