#pragma once

#include "progress/progressmodel.h"
#include "progress/report.h"

#include <QWidget>

class QBoxLayout;
class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLayout;
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
// practise and their days of play, over a period. It draws its model (ProgressModel) with its
// parts, the player list, the practice editor, the grid and the chart, and hands it the choices
// made. It changes the record only when "Forget player…" is confirmed and through the practice
// editor.
class ProgressWindow final : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(ProgressServices services, QWidget* parent = nullptr);
    ~ProgressWindow() override;

    // Reads the players again and shows the first (the one who played last).
    void reload();
    // Shows a player's facts; an empty name shows the whole class.
    void showPlayer(const QString& name);
    QString shownPlayer() const { return player; }
    // The page shown, as Save Report… writes it.
    const ReportPage& reportPage() const { return page; }
    // Reads every player's answers: the class view and the list's columns of who needs help.
    // Run once the window is up, so that it opens as fast as one player can be shown.
    void readEveryone();

    // Its controls are its own: tests and tools find them by their object names.

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setFluencyMs(int ms);
    void setPeriod(Period period);
    // The line shown instead of the grid for an empty or unreadable record; empty otherwise.
    QString notice() const;
    void saveReportAsked();
    // Every player's report and the class's into a folder, as `quintarlow --report --all`.
    void saveAllReportsAsked();
    void printAsked();
    void forgetAsked();
    // The list's figures, once everyone's answers are read.
    void showEveryone();
    void practiceSaved(const QString& name, bool ownSettings);
    // Where the shown child stands on the learning path, or who in the class has not moved on.
    void showMovingOn();
    void redraw();
    void drawChart();
    // The parts of the window, each made once by the constructor, top to bottom and left to
    // right: the order a keyboard's Tab goes through them.
    QLayout* makeTopRow();
    void addPeriodChoice(QBoxLayout& row);
    void addFluencyChoice(QBoxLayout& row);
    // The players, grid and chart, and the notice shown instead of them.
    QWidget* makePages();
    QWidget* makeSidePanel();
    QWidget* makeGridPanel();
    QWidget* makeRightPanel();
    void connectControls();

    ProgressServices services;
    ProgressModel model;
    QString player;             // empty: the class
    bool everyoneAsked = false; // once the window is first painted
    ReportPage page;            // as shown

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

} // namespace quintarlow
