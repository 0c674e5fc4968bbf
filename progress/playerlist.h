#pragma once

#include "progress/report.h"
#include "record/recordreader.h"

#include <QWidget>

class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace quintarlow {

// The players as a sortable table, the whole class on top: who played, how much, how well
// and when. Choosing a row says whose record to show.
class PlayerList final : public QWidget {
    Q_OBJECT
public:
    explicit PlayerList(QWidget* parent = nullptr);

    // What the class's row is called.
    static QString classEntry() { return tr("Class", "the row of the whole class"); }

    // The class's row and one row per player, the one who played last chosen first.
    void setPlayers(const std::vector<PlayerSummary>& players);
    // Marks the row as chosen without saying so: the window already shows the player.
    void select(const QString& name);
    // The star beside a player who has practice settings of their own.
    void markPractice(const QString& name, bool hasSettings);
    // A player's line of the class sheet for the period shown, an empty name the class's.
    void setFigures(const QString& name, const ChildLine& line);

Q_SIGNALS:
    // An empty name: the whole class.
    void chosen(const QString& name);

private:
    void rowChosen();

    QStandardItemModel* model = nullptr;
    QSortFilterProxyModel* sorted = nullptr;
    QTableView* table = nullptr;
};

} // namespace quintarlow
