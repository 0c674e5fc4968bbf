#include "progresswindow.h"

#include "factcell.h"
#include "factgridview.h"
#include "media/dialogs.h"
#include "progresschart.h"
#include "reportdevices.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace quintarlow {

namespace {

const QString FluencyKey = QStringLiteral("fluencyMs");

// ~/.config/quintarlow/progress.conf: the window's choices, apart from any game setting.
QSettings settings() {
    return QSettings(QStringLiteral("quintarlow"), QStringLiteral("progress"));
}
constexpr int SortRole = Qt::UserRole;
constexpr int NameRole = Qt::UserRole + 1;
enum Column { NameColumn, GamesColumn, AnswersColumn, RightColumn, LastColumn, ColumnCount };

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(gameFont(Face::ComicSans, 14, Bold));
    label->setStyleSheet(QStringLiteral("color: #0000c0;"));
    return label;
}

QLabel* plainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

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
        return sourceModel()->index(index.row(), NameColumn).data(NameRole).toString().isEmpty();
    }
};

// A status swatch beside its words in the legend.
class Swatch final : public QWidget {
public:
    Swatch(FactStatus status, QWidget* parent) : QWidget(parent), status(status) {
        setFixedSize(22, 22);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintStatusSwatch(painter, rect(), status);
    }

private:
    FactStatus status;
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
void markPractice(QStandardItem& name, bool hasSettings) {
    name.setData(hasSettings ? QVariant(practiceMark()) : QVariant(), Qt::DecorationRole);
    name.setData(
        hasSettings
            ? QVariant(QStringLiteral("%1, has practice settings of their own").arg(name.text()))
            : QVariant(),
        Qt::AccessibleTextRole);
    name.setToolTip(hasSettings ? QStringLiteral("Has practice settings of their own") : QString());
}

QPushButton* button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFont(gameFont(Face::MsSansSerif, 10, Bold));
    return button;
}

} // namespace

ProgressWindow::ProgressWindow(ProgressServices services, QWidget* parent)
    : QWidget(parent), services(services) {
    setWindowTitle(QStringLiteral("Practice Record"));
    setObjectName(QStringLiteral("progress"));
    setFont(gameFont(Face::Arial, 10));
    QPalette cheerful = palette();
    cheerful.setColor(QPalette::Window, QColor(255, 250, 205));
    setPalette(cheerful);
    setAutoFillBackground(true);
    fluency = chosenFluencyMs();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    auto* top = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("Practice Record"), this);
    title->setFont(gameFont(Face::ComicSans, 20, Bold));
    title->setStyleSheet(QStringLiteral("color: #0000c0;"));
    top->addWidget(title);
    top->addStretch();
    auto* fluencyLabel = new QLabel(QStringLiteral("&Known means right within"), this);
    fluencyChooser = new QComboBox(this);
    for (int ms : FluencyChoicesMs)
        fluencyChooser->addItem(QStringLiteral("%1 seconds").arg(ms / 1000), ms);
    fluencyChooser->setCurrentIndex(fluencyChooser->findData(fluency));
    fluencyLabel->setBuddy(fluencyChooser);
    fluencyChooser->setAccessibleName(QStringLiteral("Known means right within"));
    top->addWidget(fluencyLabel);
    top->addWidget(fluencyChooser);
    layout->addLayout(top);

    pages = new QStackedWidget(this);
    auto* content = new QWidget(pages);
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(makeSidePanel(), 37);
    columns->addWidget(makeGridPanel(), 38);
    columns->addWidget(makeRightPanel(), 25);
    pages->addWidget(content);
    noticeLabel = plainLabel(pages);
    noticeLabel->setAlignment(Qt::AlignCenter);
    noticeLabel->setFont(gameFont(Face::ComicSans, 16, Bold));
    noticeLabel->setStyleSheet(QStringLiteral("color: #0000c0;"));
    noticeLabel->setMargin(40);
    pages->addWidget(noticeLabel);
    layout->addWidget(pages, 1);

    connect(fluencyChooser, &QComboBox::currentIndexChanged, this,
            [this](int index) { setFluencyMs(fluencyChooser->itemData(index).toInt()); });
    connect(saveButton, &QPushButton::clicked, this, &ProgressWindow::saveReportAsked);
    connect(printButton, &QPushButton::clicked, this, &ProgressWindow::printAsked);
    connect(forgetButton, &QPushButton::clicked, this, &ProgressWindow::forgetAsked);
    connect(playerList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ProgressWindow::playerRowChosen);
    // 1024 x 600 at most: on a netbook's screen the frame and a panel must fit as well.
    resize(QSize(1024, 600).boundedTo(screen()->availableGeometry().size() - QSize(0, 32)));
    reload();
}

ProgressWindow::~ProgressWindow() = default;

QWidget* ProgressWindow::makeSidePanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = heading(QStringLiteral("&Players"), panel);
    layout->addWidget(label);
    playerModel = new QStandardItemModel(0, ColumnCount, panel);
    playerModel->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Games"),
                                            QStringLiteral("Answers"), QStringLiteral("Right"),
                                            QStringLiteral("Last played")});
    sortedPlayers = new PlayerSort(panel);
    sortedPlayers->setSourceModel(playerModel);
    sortedPlayers->setSortRole(SortRole);
    playerList = new QTableView(panel);
    playerList->setModel(sortedPlayers);
    playerList->setSortingEnabled(true);
    playerList->setSelectionBehavior(QAbstractItemView::SelectRows);
    playerList->setSelectionMode(QAbstractItemView::SingleSelection);
    playerList->setTabKeyNavigation(false);
    playerList->verticalHeader()->hide();
    playerList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    playerList->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    playerList->setWordWrap(false);
    playerList->setFont(gameFont(Face::Arial, 9));
    playerList->horizontalHeader()->setFont(gameFont(Face::Arial, 9, Bold));
    playerList->setAccessibleName(QStringLiteral("Players"));
    label->setBuddy(playerList);
    layout->addWidget(playerList, 1);
    layout->addWidget(makePracticePanel(panel));
    auto* buttons = new QHBoxLayout;
    saveButton = button(QStringLiteral("&Save Report…"), panel);
    printButton = button(QStringLiteral("P&rint…"), panel);
    forgetButton = button(QStringLiteral("&Forget player…"), panel);
    buttons->addWidget(saveButton);
    buttons->addWidget(printButton);
    buttons->addWidget(forgetButton);
    layout->addLayout(buttons);
    return panel;
}

QWidget* ProgressWindow::makePracticePanel(QWidget* parent) {
    auto* practicePanel = new QWidget(parent);
    auto* layout = new QGridLayout(practicePanel);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setVerticalSpacing(4);
    layout->addWidget(heading(QStringLiteral("Practice settings"), practicePanel), 0, 0, 1, 2);
    auto* tablesLabel = new QLabel(QStringLiteral("&Tables:"), practicePanel);
    layout->addWidget(tablesLabel, 1, 0);
    // The label leads into the row, not onto a button: a label's key would press the 1s.
    auto* row = new QWidget(practicePanel);
    auto* tables = new QHBoxLayout(row);
    tables->setContentsMargins(0, 0, 0, 0);
    tables->setSpacing(2);
    for (int table = 1; table <= FactorCount; ++table) {
        auto* toggle = button(QString::number(table), row);
        toggle->setCheckable(true);
        toggle->setFixedWidth(24);
        toggle->setAccessibleName(QStringLiteral("The %1s").arg(table));
        toggle->setToolTip(QStringLiteral("Practise the %1s").arg(table));
        connect(toggle, &QPushButton::clicked, this,
                [this, table](bool chosen) { setTableChosen(table, chosen); });
        tables->addWidget(toggle);
        tableButtons.push_back(toggle);
    }
    tables->addStretch();
    row->setFocusPolicy(Qt::TabFocus);
    row->setFocusProxy(tableButtons.front());
    tablesLabel->setBuddy(row);
    layout->addWidget(row, 1, 1);
    auto* more = new QHBoxLayout;
    allTablesButton = button(QStringLiteral("&All tables"), practicePanel);
    allTablesButton->setCheckable(true);
    allTablesButton->setAccessibleName(QStringLiteral("All tables"));
    allTablesButton->setToolTip(QStringLiteral("Every table from 1 to 12, as in any game"));
    askMissedBox = new QCheckBox(QStringLiteral("Ask again what I &miss"), practicePanel);
    askMissedBox->setAccessibleName(QStringLiteral("Ask again what I miss"));
    more->addWidget(allTablesButton);
    more->addWidget(askMissedBox);
    more->addStretch();
    layout->addLayout(more, 2, 1);
    practiceLabel = plainLabel(practicePanel);
    practiceLabel->setFont(gameFont(Face::Arial, 9, Italic));
    layout->addWidget(practiceLabel, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    connect(allTablesButton, &QPushButton::clicked, this, &ProgressWindow::chooseAllTables);
    connect(askMissedBox, &QCheckBox::clicked, this, &ProgressWindow::setAskMissed);
    return practicePanel;
}

QWidget* ProgressWindow::makeGridPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    gridTitle = heading({}, panel);
    gridTitle->setTextFormat(Qt::PlainText);
    layout->addWidget(gridTitle);
    gridView = new FactGridView(panel);
    gridView->setMinimumSize(300, 300);
    layout->addWidget(gridView, 1);
    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(6);
    legend->setVerticalSpacing(2);
    const auto entries = legendEntries(fluency);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        auto* words = plainLabel(panel);
        words->setObjectName(QStringLiteral("legend%1").arg(i));
        words->setText(entries[i].words);
        words->setFont(gameFont(Face::Arial, 8.5));
        legend->addWidget(new Swatch(entries[i].status, panel), i / 2, (i % 2) * 2);
        legend->addWidget(words, i / 2, (i % 2) * 2 + 1);
    }
    legend->setColumnStretch(1, 1);
    legend->setColumnStretch(3, 1);
    layout->addLayout(legend);
    auto* medians = plainLabel(panel);
    medians->setFont(gameFont(Face::Arial, 8.5, Italic));
    medians->setText(QStringLiteral("The number in a cell is the median time of its right answers, "
                                    "in seconds. Rows: first factor; columns: second. An orange "
                                    "star: the player has practice settings of their own."));
    layout->addWidget(medians);
    return panel;
}

QWidget* ProgressWindow::makeRightPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(QStringLiteral("Facts to practise"), panel));
    practiseLabel = plainLabel(panel);
    practiseLabel->setFont(gameFont(Face::Arial, 10, Bold));
    practiseLabel->setFocusPolicy(Qt::StrongFocus);
    practiseLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                           Qt::TextSelectableByMouse);
    layout->addWidget(practiseLabel);
    layout->addWidget(heading(QStringLiteral("The last 30 days of play"), panel));
    chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(4);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chartView = new QChartView(chart, panel);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(200);
    chartView->setAccessibleName(QStringLiteral("Share right and median time per day"));
    layout->addWidget(chartView, 1);
    return panel;
}

void ProgressWindow::reload() {
    const QSignalBlocker blocker(playerList->selectionModel());
    playerModel->removeRows(0, playerModel->rowCount());
    std::vector<PlayerSummary> players;
    if (services.record.readError().isEmpty())
        players = services.record.players();
    const QString failure = services.record.readError();
    const bool usable = failure.isEmpty() && !players.empty();
    for (QPushButton* b : {saveButton, printButton, forgetButton})
        b->setEnabled(usable);
    if (!failure.isEmpty()) {
        noticeLabel->setText(
            QStringLiteral("The practice record could not be read, so there is nothing to show. "
                           "Nothing in it was changed or deleted.\n\n%1")
                .arg(failure));
        pages->setCurrentWidget(noticeLabel);
        return;
    }
    if (players.empty()) {
        noticeLabel->setText(
            QStringLiteral("Nobody has played yet.\n\nThe record fills by itself: every answer "
                           "in a game of Quintarlow! is kept here. Play a game, then open the "
                           "Practice Record again to see which facts each player knows."));
        pages->setCurrentWidget(noticeLabel);
        return;
    }
    pages->setCurrentIndex(0);
    const QLocale locale;
    PlayerSummary everyone;
    everyone.name = classEntry();
    const auto addRow = [&](const PlayerSummary& summary, const QString& key) {
        const double share = summary.answers > 0 ? double(summary.right) / summary.answers : 0.0;
        QList<QStandardItem*> row{
            cell(summary.name, key.isEmpty() ? QString() : summary.name.toCaseFolded()),
            cell(key.isEmpty() ? QString() : locale.toString(summary.games), summary.games),
            cell(locale.toString(summary.answers), summary.answers),
            cell(QStringLiteral("%1 %").arg(qRound(100 * share)), share),
            cell(locale.toString(summary.lastPlayed.date(), QStringLiteral("d MMM yyyy")),
                 summary.lastPlayed.toMSecsSinceEpoch())};
        row[NameColumn]->setData(key, NameRole);
        markPractice(*row[NameColumn], summary.hasPracticeSettings);
        playerModel->appendRow(row);
    };
    for (const PlayerSummary& summary : players) {
        everyone.answers += summary.answers;
        everyone.right += summary.right;
        everyone.lastPlayed = std::max(everyone.lastPlayed, summary.lastPlayed);
    }
    // The class's games are left blank: two players share a game, and the summaries cannot
    // tell which.
    addRow(everyone, {});
    for (const PlayerSummary& summary : players)
        addRow(summary, summary.name);
    playerList->sortByColumn(LastColumn, Qt::DescendingOrder);
    showPlayer(players.front().name);
}

void ProgressWindow::playerRowChosen() {
    const QModelIndex current = playerList->currentIndex();
    if (!current.isValid())
        return;
    showPlayer(sortedPlayers->index(current.row(), NameColumn).data(NameRole).toString());
}

void ProgressWindow::showPlayer(const QString& name) {
    player = name;
    wholeClass = name.isEmpty();
    history = services.record.factAnswers(name);
    // The list follows, so the keyboard and the window agree on who is shown.
    for (int row = 0; row < sortedPlayers->rowCount(); ++row) {
        const QModelIndex index = sortedPlayers->index(row, NameColumn);
        if (index.data(NameRole).toString() == name) {
            const QSignalBlocker blocker(playerList->selectionModel());
            playerList->setCurrentIndex(index);
            break;
        }
    }
    forgetButton->setEnabled(!wholeClass && !history.empty());
    practice = wholeClass ? PracticeSettings{} : services.record.practiceSettings(name);
    showPractice();
    redraw();
}

void ProgressWindow::setTableChosen(int table, bool chosen) {
    PracticeSettings next = practice;
    std::erase(next.tables, table);
    if (chosen)
        next.tables.insert(std::upper_bound(next.tables.begin(), next.tables.end(), table), table);
    // Every table chosen is no choice at all: the game's own draw.
    if (next.tables.size() == FactorCount)
        next.tables.clear();
    savePractice(next);
}

void ProgressWindow::chooseAllTables() {
    PracticeSettings next = practice;
    next.tables.clear();
    savePractice(next);
}

void ProgressWindow::setAskMissed(bool on) {
    PracticeSettings next = practice;
    next.askMissed = on;
    savePractice(next);
}

void ProgressWindow::savePractice(const PracticeSettings& chosen) {
    if (!wholeClass && chosen != practice) {
        if (services.record.setPracticeSettings(player, chosen)) {
            practice = chosen;
            for (int row = 0; row < playerModel->rowCount(); ++row)
                if (QStandardItem* name = playerModel->item(row, NameColumn);
                    name->data(NameRole).toString() == player)
                    markPractice(*name, !practice.isDefault());
        } else {
            services.dialogs.warn(
                this,
                QStringLiteral("The practice settings of %1 could not be saved: the record could "
                               "not be changed.")
                    .arg(player),
                QStringLiteral("Practice Settings"));
        }
    }
    // On failure, and for the class, the controls go back to what the record holds.
    showPractice();
}

void ProgressWindow::showPractice() {
    // The words stay clear for the class: they say why nothing can be set.
    for (QPushButton* toggle : tableButtons)
        toggle->setEnabled(!wholeClass);
    allTablesButton->setEnabled(!wholeClass);
    askMissedBox->setEnabled(!wholeClass);
    // A pressed button alone is hard to tell from the others: a chosen one is orange, as the
    // star beside the player's name.
    const auto press = [this](QPushButton& toggle, bool chosen) {
        toggle.setChecked(chosen);
        QPalette colours = palette();
        if (chosen)
            colours.setColor(QPalette::Button, QColor(255, 160, 64));
        toggle.setPalette(colours);
    };
    for (int table = 1; table <= FactorCount; ++table)
        press(*tableButtons[table - 1], std::find(practice.tables.begin(), practice.tables.end(),
                                                  table) != practice.tables.end());
    // Pressed while every table is asked, so the default is seen as a choice of its own.
    press(*allTablesButton, !wholeClass && practice.tables.empty());
    askMissedBox->setChecked(practice.askMissed);
    const QString words = practiceSentence(practice);
    practiceLabel->setText(
        wholeClass ? QStringLiteral("Settings are made for one player: choose a player above.")
        : words.isEmpty()
            ? QStringLiteral("Every table from 1 to 12, as in any game. Changes count from the "
                             "next game.")
            : words + QStringLiteral(" Changes count from the next game."));
}

void ProgressWindow::setFluencyMs(int ms) {
    if (ms == fluency)
        return;
    fluency = ms;
    settings().setValue(FluencyKey, ms);
    fluencyChooser->setCurrentIndex(fluencyChooser->findData(ms));
    const auto entries = legendEntries(fluency);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
        if (auto* words = findChild<QLabel*>(QStringLiteral("legend%1").arg(i)))
            words->setText(entries[i].words);
    redraw();
}

void ProgressWindow::redraw() {
    stats = factGrid(history, fluency);
    facts = factsToPractise(stats);
    days = dailyProgress(history);
    gridTitle->setText(wholeClass ? QStringLiteral("The whole class") : player);
    gridView->setGrid(stats);
    QStringList lines;
    for (const FactToPractise& fact : facts)
        lines.append(fact.text);
    practiseLabel->setText(lines.isEmpty()
                               ? QStringLiteral("None: every fact asked lately is known.")
                               : lines.join(QLatin1Char('\n')));
    showProgress(*chart, days);
}

QString ProgressWindow::notice() const {
    return pages->currentWidget() == noticeLabel ? noticeLabel->text() : QString();
}

ReportPage ProgressWindow::reportPage() const {
    ReportPage page;
    page.player = wholeClass ? QStringLiteral("The whole class") : player;
    page.practice = practiceSentence(practice);
    if (!history.empty()) {
        const auto [first, last] = std::minmax_element(
            history.begin(), history.end(),
            [](const FactAnswer& x, const FactAnswer& y) { return x.day < y.day; });
        page.from = first->day;
        page.to = last->day;
    }
    page.fluencyMs = fluency;
    page.grid = stats;
    page.facts = facts;
    page.days = days;
    return page;
}

void ProgressWindow::saveReportAsked() {
    if (!notice().isEmpty())
        return;
    QString fileName =
        QStringLiteral("Practice Record - %1.pdf").arg(wholeClass ? classEntry() : player);
    fileName.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path = services.devices.chooseReportFile(this, QDir::home().filePath(fileName));
    if (path.isEmpty())
        return;
    const QString failure = saveReport(path, reportPage());
    if (!failure.isEmpty())
        services.dialogs.warn(this,
                              QStringLiteral("The report could not be saved: %1").arg(failure),
                              QStringLiteral("Save Report"));
}

void ProgressWindow::printAsked() {
    if (!notice().isEmpty())
        return;
    const ReportPage page = reportPage();
    services.devices.print(this,
                           [&page](QPagedPaintDevice& device) { return drawReport(device, page); });
}

void ProgressWindow::forgetAsked() {
    if (wholeClass || player.isEmpty())
        return;
    const QString name = player;
    if (!services.dialogs.askYesNo(
            this,
            QStringLiteral("Forget %1? Every answer %1 gave is deleted from the practice record "
                           "on this computer. This cannot be undone.")
                .arg(name),
            QStringLiteral("Forget Player")))
        return;
    if (services.record.forgetPlayer(name) < 0) {
        services.dialogs.warn(
            this,
            QStringLiteral("%1 could not be forgotten: the record could not be changed.").arg(name),
            QStringLiteral("Forget Player"));
        return;
    }
    reload();
}

int chosenFluencyMs() {
    const int fluency = settings().value(FluencyKey, DefaultFluencyMs).toInt();
    if (std::find(FluencyChoicesMs.begin(), FluencyChoicesMs.end(), fluency) ==
        FluencyChoicesMs.end())
        return DefaultFluencyMs;
    return fluency;
}

int runProgressWindow(RecordReader& record, Dialogs& dialogs, ReportDevices& devices) {
    ProgressWindow window({record, dialogs, devices});
    QApplication::setQuitOnLastWindowClosed(true);
    window.show();
    return QApplication::exec();
}

} // namespace quintarlow
