#pragma once

#include <QSortFilterProxyModel>

namespace plenara {

// The order of the results table: by the SortRole of a column, where a cell without a value
// (a payback that was not found, the figures of a failed building) comes after every value
// whichever way the column is sorted, as a reader of "longest payback first" looks for the
// paybacks, not for the buildings that have none. Rows that sort alike keep their order.
class PortfolioSortModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit PortfolioSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace plenara
