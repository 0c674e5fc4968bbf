#include "progress/playerlist.h"

#include "core/playernames.h"
#include "progress/progresskit.h"
#include "progress/progressmodel.h"
#include "widgets/fonts.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <array>
#include <cmath>

namespace quintarlow {

namespace {

constexpr int SortRole = Qt::UserRole;
constexpr int NameRole = Qt::UserRole + 1;
enum Column {
    NameColumn,
    AnswersColumn,
    RightColumn,
    MissingColumn,
    TrendColumn,
    KnowsColumn,
    UsualColumn,
    PractiseColumn,
    MovedOnColumn,
    LastColumn,
    ColumnCount
};

// Where each column's words stand on the class sheet; none for those the sheet leaves out.
constexpr std::array<int, ColumnCount> SheetIndex = {
    SheetChild, SheetAnswers, SheetRight,    -1,           SheetTimes,
    SheetKnows, SheetUsual,   SheetPractise, SheetMovedOn, -1};

const QString SortColumnKey = QStringLiteral("listSortColumn");
const QString SortOrderKey = QStringLiteral("listSortOrder");

QStandardItem* cell(const QString& text, const QVariant& sortKey) {
    auto* item = new QStandardItem(text);
    item->setData(sortKey, SortRole);
    item->setEditable(false);
    return item;
}

// Keeps "Class" on top however the list is sorted.
class PlayerSort final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
        const bool leftClass = isClass(left);
        const bool rightClass = isClass(right);
        if (leftClass != rightClass)
            return leftClass == (sortOrder() == Qt::AscendingOrder);
        return QSortFilterProxyModel::lessThan(left, right);
    }

private:
    bool isClass(const QModelIndex& index) const {
        return !sourceModel()->index(index.row(), NameColumn).data(NameRole).isValid();
    }
};

// The mark beside a player who has practice settings of their own: an orange star.
QPixmap practiceMark() {
    QPixmap mark(14, 14);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? 2.8 : 6.8;
        const double angle = M_PI / 5 * i - M_PI / 2;
        star << QPointF(7 + radius * std::cos(angle), 7 + radius * std::sin(angle));
    }
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(QColor(255, 128, 0));
    painter.drawPolygon(star);
    return mark;
}

// The star, and the same told to a screen reader and on hovering; none for the default.
void markPracticeOn(QStandardItem& name, bool hasSettings) {
    name.setData(hasSettings ? QVariant(practiceMark()) : QVariant(), Qt::DecorationRole);
    name.setData(
        hasSettings
            ? QVariant(PlayerList::tr("%1, has practice settings of their own").arg(name.text()))
            : QVariant(),
        Qt::AccessibleTextRole);
    name.setToolTip(hasSettings ? PlayerList::tr("Has practice settings of their own") : QString());
}

} // namespace

PlayerList::PlayerList(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = heading(PlayerList::tr("&Players"), this);
    layout->addWidget(label);
    model = new QStandardItemModel(0, ColumnCount, this);
    model->setHorizontalHeaderLabels({PlayerList::tr("Name"), PlayerList::tr("Answers"),
                                      PlayerList::tr("Right"), PlayerList::tr("Missing"),
                                      PlayerList::tr("Trend"), PlayerList::tr("Knows"),
                                      PlayerList::tr("Usually"), PlayerList::tr("To practise"),
                                      PlayerList::tr("Moved on"), PlayerList::tr("Last played")});
    model->horizontalHeaderItem(AnswersColumn)
        ->setToolTip(PlayerList::tr("How many answers in the period shown"));
    model->horizontalHeaderItem(MissingColumn)
        ->setToolTip(PlayerList::tr("How many facts the player keeps missing at the end of the "
                                    "period shown"));
    model->horizontalHeaderItem(TrendColumn)
        ->setToolTip(PlayerList::tr("Whether right answers got faster or slower in the period "
                                    "shown; slower first"));
    // A column's first sort puts who needs help most on top: the fewest answers, the lowest
    // share right, the most facts missed, the times that slowed most, who played longest ago.
    for (int column : {MissingColumn, TrendColumn, UsualColumn})
        model->setHeaderData(column, Qt::Horizontal, Qt::DescendingOrder, Qt::InitialSortOrderRole);
    for (int column : {NameColumn, AnswersColumn, RightColumn, KnowsColumn, PractiseColumn,
                       MovedOnColumn, LastColumn})
        model->setHeaderData(column, Qt::Horizontal, Qt::AscendingOrder, Qt::InitialSortOrderRole);
    sorted = new PlayerSort(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(SortRole);
    table = new QTableView(this);
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    // Every column as wide as it needs, the names too: on a small screen the list scrolls
    // sideways rather than cut names short.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    table->setFont(gameFont(Face::Arial, 9));
    table->horizontalHeader()->setFont(gameFont(Face::Arial, 9, Bold));
    table->setAccessibleName(PlayerList::tr("Players"));
    table->setObjectName(QStringLiteral("players"));
    label->setBuddy(table);
    layout->addWidget(table, 1);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PlayerList::rowChosen);
    connect(table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [](int column, Qt::SortOrder order) {
                QSettings kept = progressSettings();
                kept.setValue(SortColumnKey, column);
                kept.setValue(SortOrderKey, static_cast<int>(order));
            });
}

void PlayerList::setPlayers(const std::vector<PlayerSummary>& players) {
    const QSignalBlocker blocker(table->selectionModel());
    model->removeRows(0, model->rowCount());
    const QLocale locale;
    const auto addRow = [&](const PlayerSummary& summary, const QVariant& key) {
        const double share = summary.answers > 0 ? double(summary.right) / summary.answers : 0.0;
        QList<QStandardItem*> row{
            cell(shownName(summary.name), key.isValid() ? summary.name.toCaseFolded() : QString()),
            cell(locale.toString(summary.answers), summary.answers),
            cell(QStringLiteral("%1 %").arg(qRound(100 * share)), share),
            cell({}, -1),
            cell({}, 0.0),
            cell({}, -1),
            cell({}, -1),
            cell({}, QString()),
            cell({}, -1),
            cell(locale.toString(summary.lastPlayed.date(),
                                 PlayerList::tr("d MMM yy", "a date's format")),
                 summary.lastPlayed.toMSecsSinceEpoch())};
        row[NameColumn]->setData(key, NameRole);
        markPracticeOn(*row[NameColumn], summary.hasPracticeSettings);
        model->appendRow(row);
    };
    PlayerSummary everyone;
    everyone.name = classEntry();
    for (const PlayerSummary& summary : players) {
        everyone.answers += summary.answers;
        everyone.right += summary.right;
        everyone.lastPlayed = std::max(everyone.lastPlayed, summary.lastPlayed);
    }
    addRow(everyone, QVariant());
    for (const PlayerSummary& summary : players)
        addRow(summary, summary.name);
    // As it was last sorted; at first, who keeps missing the most facts on top.
    const QSettings kept = progressSettings();
    const int column = kept.value(SortColumnKey, int(MissingColumn)).toInt();
    table->sortByColumn(column >= 0 && column < ColumnCount ? column : int(MissingColumn),
                        static_cast<Qt::SortOrder>(
                            kept.value(SortOrderKey, int(Qt::DescendingOrder)).toInt() != 0));
}

void PlayerList::setFigures(const QString& name, const ChildLine& line) {
    const QVariant key = name.isEmpty() ? QVariant() : QVariant(name);
    const QStringList cells = sheetCells(line);
    const double share = line.answers > 0 ? double(line.rights) / line.answers : 0.0;
    // The sort keys: who needs help most comes first at a column's first click.
    const std::array<std::pair<int, QVariant>, 8> figures = {{
        {AnswersColumn, line.answers},
        {RightColumn, share},
        {MissingColumn, line.missed},
        // Slower first: those are the children to look at.
        {TrendColumn, line.trend.change()},
        {KnowsColumn, line.known},
        {UsualColumn, line.usualMs.value_or(-1)},
        {PractiseColumn, cells[SheetPractise]},
        {MovedOnColumn, line.movingOn ? int(*line.movingOn) : -1},
    }};
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->item(row, NameColumn)->data(NameRole) != key)
            continue;
        // Told as one change of the row: a change of a single cell makes the view place it at
        // once, which sizes every column to its contents again, for each player.
        QSignalBlocker quiet(model);
        for (const auto& [column, sortKey] : figures) {
            QStandardItem* item = model->item(row, column);
            item->setData(sortKey, SortRole);
            const QString text = column == AnswersColumn   ? QLocale().toString(line.answers)
                                 : column == MissingColumn ? QString::number(line.missed)
                                                           : cells[SheetIndex[column]];
            item->setText(text.isEmpty() ? QStringLiteral("–") : text);
        }
        model->item(row, TrendColumn)->setToolTip(trendSentence(line.trend));
        quiet.unblock();
        Q_EMIT model->dataChanged(model->index(row, AnswersColumn),
                                  model->index(row, MovedOnColumn));
    }
}

void PlayerList::select(const QString& name) {
    for (int row = 0; row < sorted->rowCount(); ++row) {
        const QModelIndex index = sorted->index(row, NameColumn);
        const QVariant key = index.data(NameRole);
        if (name.isEmpty() ? !key.isValid() : key == QVariant(name)) {
            const QSignalBlocker blocker(table->selectionModel());
            table->setCurrentIndex(index);
            return;
        }
    }
}

void PlayerList::markPractice(const QString& name, bool hasSettings) {
    for (int row = 0; row < model->rowCount(); ++row)
        if (QStandardItem* item = model->item(row, NameColumn);
            item->data(NameRole) == QVariant(name))
            markPracticeOn(*item, hasSettings);
}

void PlayerList::rowChosen() {
    const QModelIndex current = table->currentIndex();
    if (!current.isValid())
        return;
    Q_EMIT chosen(sorted->index(current.row(), NameColumn).data(NameRole).toString());
}

} // namespace quintarlow
