#pragma once

#include "core/factstats.h"
#include "progress/report.h"
#include "record/recordreader.h"

#include <QDate>
#include <QWidget>
#include <map>
#include <optional>
#include <set>

class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace quintarlow {

class Dialogs;
class FactGridView;
class PlayerList;
class PracticeEditor;
class ReportDevices;

struct ProgressServices {
    RecordReader& reader;
    RecordEditor& editor;
    Dialogs& dialogs;
    ReportDevices& devices;
};

// "Practice Record": the players, the chosen player's facts as a 12 x 12 grid, the facts to
// practise and their days of play, over a period. It joins the parts: the player list, the
// practice editor, the grid and the chart. It changes the record only when "Forget player…"
// is confirmed and through the practice editor.
class ProgressWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(ProgressServices services, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Reads the players again and shows the first (the one who played last).
    void reload();
    // Shows a player's facts; an empty name shows the whole class.
    void showPlayer(const QString& name);
    void setFluencyMs(int ms);
    void setPeriod(Period period);

    QString shownPlayer() const { return player; }
    int fluencyMs() const { return fluency; }
    // The line shown instead of the grid for an empty or unreadable record; empty otherwise.
    QString notice() const;
    const std::vector<FactToPractise>& practiseList() const { return page.facts; }
    FactGridView& grid() { return *gridView; }
    PlayerList& playerList() { return *players; }
    const ReportPage& reportPage() const { return page; }
    // The children the class view names as not moved on, once everyone's answers are read.
    const QStringList& stalledChildren() const { return stalled; }

public Q_SLOTS:
    void saveReportAsked();
    // Every player's report and the class's into a folder, as `quintarlow --report --all`.
    void saveAllReportsAsked();
    void printAsked();
    void forgetAsked();
    // Reads every player's answers: the class view and the list's columns of who needs help.
    // Run once the window is up, so that it opens as fast as one player can be shown.
    void readEveryone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const std::vector<FactAnswer>& historyOf(const QString& name);
    // Every player's answers not read yet, in one read of the record.
    void readHistories();
    PracticeSettings settingsOf(const QString& name);
    void practiceSaved(const QString& name, bool ownSettings);
    // Where the shown child stands on the learning path, or who in the class has not moved on.
    void showMovingOn();
    void redraw();
    // The days the period chosen covers, as seen today.
    DaySpan span() const;
    void setTermStart(QDate start);
    void drawChart();
    QWidget* makeSidePanel();
    QWidget* makeGridPanel();
    QWidget* makeRightPanel();

    ProgressServices services;
    QString player; // empty: the class
    int fluency = DefaultFluencyMs;
    Period period = Period::All;
    QDate today = QDate::currentDate();                 // the periods count back from it
    std::vector<QString> names;                         // every player, as the record lists them
    std::vector<PlayerSummary> summaries;               // the same with the record's counts
    std::map<QString, std::vector<FactAnswer>> history; // every answer of each player read so far
    bool everyoneRead = false;
    bool everyoneAsked = false;     // once the window is first painted
    std::set<QString> withSettings; // the players with practice settings of their own
    QStringList stalled;            // as everyone's answers were last read
    ReportPage page;
    std::optional<ReportPage> classShown; // worked out with everyone's read, for the same period
    int keepDays = 0;                     // as the record said at the last reload

    QStackedWidget* pages = nullptr;
    QLabel* noticeLabel = nullptr;
    QLabel* troubleLabel = nullptr; // what the game could not keep, when it could not
    PlayerList* players = nullptr;
    PracticeEditor* practiceEditor = nullptr;
    QComboBox* fluencyChooser = nullptr;
    QComboBox* periodChooser = nullptr;
    QDateEdit* termStartEdit = nullptr;
    QLabel* gridTitle = nullptr;
    QLabel* summary = nullptr;
    FactGridView* gridView = nullptr;
    QLabel* cellWords = nullptr;
    QLabel* movingOnHeading = nullptr;
    QLabel* movingOnLabel = nullptr;
    QLabel* practiseHeading = nullptr;
    QLabel* practiseLabel = nullptr;
    QLabel* daysLabel = nullptr;
    QLabel* trendLabel = nullptr;
    QChart* chart = nullptr;
    QChartView* chartView = nullptr;
    QPushButton* forgetButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* saveAllButton = nullptr;
    QPushButton* printButton = nullptr;
};

// Opens the window and runs until it is closed; the program's exit status.
int runProgressWindow(RecordReader& reader, RecordEditor& editor, Dialogs& dialogs,
                      ReportDevices& devices);
// The fluency time last chosen in the window: the game asks missed facts again by the same
// list the window shows.
int chosenFluencyMs();

} // namespace quintarlow
