#pragma once

#include "factstats.h"
#include "record/recordreader.h"
#include "report.h"

#include <QWidget>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStackedWidget;
class QStandardItemModel;
class QTableView;

namespace quintarlow {

class Dialogs;
class FactGridView;
class ReportDevices;

struct ProgressServices {
    RecordReader& record;
    Dialogs& dialogs;
    ReportDevices& devices;
};

// "Practice Record": the players, the chosen player's facts as a 12 x 12 grid, the facts to
// practise and the last 30 days of play. It reads the record and changes it only when
// "Forget player…" is confirmed and when the chosen player's practice settings are changed.
class ProgressWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(ProgressServices services, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // What the "Class" entry shows: every player's answers together.
    static QString classEntry() { return QStringLiteral("Class"); }

    // Reads the players again and shows the first (the one who played last).
    void reload();
    // Shows a player's facts; an empty name shows the whole class.
    void showPlayer(const QString& name);
    void setFluencyMs(int ms);

    QString shownPlayer() const { return player; }
    int fluencyMs() const { return fluency; }
    // The line shown instead of the grid for an empty or unreadable record; empty otherwise.
    QString notice() const;
    const std::vector<FactToPractise>& practiseList() const { return facts; }
    FactGridView& grid() { return *gridView; }
    ReportPage reportPage() const;

public Q_SLOTS:
    void saveReportAsked();
    void printAsked();
    void forgetAsked();

private:
    void playerRowChosen();
    void redraw();
    // Each change of the chosen player's practice settings is saved at once, as a parent who
    // ticks a box expects; the game uses it from the next game. Nothing is saved for the class.
    void setTableChosen(int table, bool chosen);
    void chooseAllTables();
    void setAskMissed(bool on);
    void savePractice(const PracticeSettings& chosen);
    void showPractice();
    QWidget* makeSidePanel();
    QWidget* makeGridPanel();
    QWidget* makeRightPanel();
    QWidget* makePracticePanel(QWidget* parent);

    ProgressServices services;
    QString player; // empty: the class
    bool wholeClass = false;
    int fluency = DefaultFluencyMs;
    std::vector<FactAnswer> history;
    FactGrid stats{};
    std::vector<FactToPractise> facts;
    std::vector<DayProgress> days;
    PracticeSettings practice; // the chosen player's; the default for the class

    QStackedWidget* pages = nullptr;
    QLabel* noticeLabel = nullptr;
    QStandardItemModel* playerModel = nullptr;
    QSortFilterProxyModel* sortedPlayers = nullptr;
    QTableView* playerList = nullptr;
    QComboBox* fluencyChooser = nullptr;
    QLabel* gridTitle = nullptr;
    FactGridView* gridView = nullptr;
    QLabel* practiseLabel = nullptr;
    QChart* chart = nullptr;
    QChartView* chartView = nullptr;
    QPushButton* forgetButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* printButton = nullptr;
    std::vector<QPushButton*> tableButtons; // the 1s to the 12s
    QPushButton* allTablesButton = nullptr;
    QCheckBox* askMissedBox = nullptr;
    QLabel* practiceLabel = nullptr;
};

// Opens the window and runs until it is closed; the program's exit status.
int runProgressWindow(RecordReader& record, Dialogs& dialogs, ReportDevices& devices);
// The fluency time last chosen in the window: the game asks missed facts again by the same
// list the window shows.
int chosenFluencyMs();

} // namespace quintarlow
