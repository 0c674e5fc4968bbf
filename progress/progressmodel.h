#pragma once

#include "progress/reportpage.h"
#include "record/recordreader.h"

#include <QDate>
#include <QSettings>
#include <map>
#include <optional>
#include <set>

namespace quintarlow {

// ~/.config/quintarlow/progress.conf: the Practice Record's choices, apart from any game setting.
QSettings progressSettings();
// The fluency time last chosen in the window: the game asks missed facts again by the same
// list the window shows.
int chosenFluencyMs();

// What the Practice Record shows, worked out without a window: the players, each one's answers
// read once and kept, the period and fluency time chosen (remembered for the next time), the
// class's page with its line per child, and who has not moved on. The window draws it and
// hands it the choices made.
class ProgressModel {
public:
    ProgressModel(RecordReader& reader, RecordEditor& editor, QDate today = QDate::currentDate());

    // Lists the players again and forgets every answer read.
    void reload();
    // Why the record could not be read, and what to do about it; empty when it could.
    const QString& readError() const { return failure; }
    QString readAdvice() const { return reader.readAdvice(); }
    // As the record lists them, the one who played last first.
    const std::vector<PlayerSummary>& players() const { return summaries; }
    int keepDays() const { return keptDays; }
    QDate today() const { return day; }

    int fluencyMs() const { return fluency; }
    void setFluencyMs(int ms);
    Period period() const { return shownPeriod; }
    void setPeriod(Period period);
    // The day this term began: the school year's first day until a teacher sets it.
    QDate termStart() const { return termBegan; }
    void setTermStart(QDate start);
    // The days the period chosen covers.
    DaySpan span() const { return periodSpan(shownPeriod, day, termBegan); }

    // Every answer of a player, read once.
    const std::vector<FactAnswer>& historyOf(const QString& name);
    // Everyone's answers in one read: the class's page, its line per child and who has not
    // moved on. Again after each choice that changes them, once it has been asked for.
    void readEveryone();
    bool everyoneIsRead() const { return wholeClass.has_value(); }
    // Once everyone is read: the class's page, with its sheet in the players' order.
    const ReportPage& classPage() const { return *wholeClass; }
    const QStringList& stalledChildren() const { return stalled; }

    // A player's page as the window shows it, with the settings it shows them with; an empty
    // name the class's, everyone read first.
    ReportPage pageOf(const QString& name, const PracticeSettings& settings);
    // A player's practice settings were kept: whether they have any of their own now.
    void practiceChanged(const QString& name, bool ownSettings);
    // Every player's page and the class's, as `quintarlow --report --all` makes them.
    std::vector<ReportPage> everyPage();

private:
    PracticeSettings settingsOf(const QString& name);
    // Every player's answers not read yet, in one read of the record.
    void readHistories();
    // Worked out again with the choices made, when it had been.
    void readEveryoneAgain();

    RecordReader& reader;
    RecordEditor& editor;
    QDate day; // the periods count back from it
    int fluency = DefaultFluencyMs;
    Period shownPeriod = Period::All;
    QDate termBegan;
    QString failure;
    int keptDays = 0; // as the record said at the last reload
    std::vector<PlayerSummary> summaries;
    std::map<QString, std::vector<FactAnswer>> history;
    std::set<QString> withSettings; // only these are asked for their settings
    std::optional<ReportPage> wholeClass;
    QStringList stalled;
};

} // namespace quintarlow
