#pragma once

#include "core/factstats.h"

#include <QAbstractTableModel>
#include <QTableView>

namespace quintarlow {

// The 12 x 12 facts as a table: rows the first factor, columns the second. The cell's text is
// its median time; its tooltip and accessible name tell everything else.
class FactGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setGrid(const FactGrid& grid);
    const FactStats& statsAt(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    FactGrid grid{};
};

// The grid on screen: one tab stop, the arrow keys move between cells, the cells stretch with
// the window.
class FactGridView final : public QTableView {
    Q_OBJECT
public:
    explicit FactGridView(QWidget* parent = nullptr);
    void setGrid(const FactGrid& grid);
    FactGridModel& gridModel() { return cells; }

private:
    FactGridModel cells;
};

} // namespace quintarlow
