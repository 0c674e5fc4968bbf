#include "progress/factgridview.h"

#include "progress/factcell.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace quintarlow {

namespace {
class FactCellDelegate final : public QStyledItemDelegate {
public:
    FactCellDelegate(FactGridModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model(model) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        paintFactCell(*painter, option.rect, model.statsAt(index));
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            painter->save();
            painter->setPen(QPen(QColor(0, 0, 192), 3));
            painter->drawRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5));
            painter->restore();
        }
    }

private:
    FactGridModel& model;
};
} // namespace

void FactGridModel::setGrid(const FactGrid& newGrid) {
    grid = newGrid;
    Q_EMIT dataChanged(index(0, 0), index(FactorCount - 1, FactorCount - 1));
}

const FactStats& FactGridModel::statsAt(const QModelIndex& index) const {
    return grid[index.row()][index.column()];
}

int FactGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FactorCount;
}

int FactGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FactorCount;
}

QVariant FactGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const FactStats& stats = statsAt(index);
    switch (role) {
    case Qt::DisplayRole:
        return cellText(stats);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return factDescription({index.row() + 1, index.column() + 1}, stats);
    default:
        return {};
    }
}

QVariant FactGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole)
        return QString::number(section + 1);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return orientation == Qt::Vertical ? FactGridModel::tr("%1 times").arg(section + 1)
                                           : FactGridModel::tr("times %1").arg(section + 1);
    return {};
}

FactGridView::FactGridView(QWidget* parent) : QTableView(parent), cells(this) {
    setModel(&cells);
    setItemDelegate(new FactCellDelegate(cells, this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Stretch);
        // Twelve rows and the header within the view's least height, so that on a small
        // screen the last row is squeezed rather than cut off.
        header->setMinimumSectionSize(19);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
    }
    setCurrentIndex(cells.index(0, 0));
    setAccessibleName(FactGridModel::tr("Facts, rows the first factor, columns the second"));
}

void FactGridView::setGrid(const FactGrid& grid) {
    cells.setGrid(grid);
}

} // namespace quintarlow
