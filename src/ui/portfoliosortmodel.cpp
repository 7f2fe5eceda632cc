#include "ui/portfoliosortmodel.h"

namespace plenara {

PortfolioSortModel::PortfolioSortModel(QObject* parent)
    : QSortFilterProxyModel(parent) {}

bool PortfolioSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    if (a.isValid() != b.isValid()) {
        // Sorted down, the view puts the greater first: an empty cell must then count as the
        // lesser to come last.
        return sortOrder() == Qt::AscendingOrder ? a.isValid() : b.isValid();
    }
    if (!a.isValid()) {
        return false;
    }
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace plenara
