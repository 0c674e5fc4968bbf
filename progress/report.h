#pragma once

#include "core/factstats.h"
#include "record/practicerecord.h"
#include "record/recordreader.h"

#include <QDate>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace quintarlow {

class RecordEditor;

// What the window shows and the one-page report prints for one player (or the whole class).
struct ReportPage {
    QString player;   // as the page names them: "The whole class" for the class
    QString practice; // the player's practice settings as a sentence; empty for none
    // A child on the learning path: where they stand, from all their answers; for the class,
    // who has not moved on. Empty for a child off the path.
    QString movingOn;
    QString period; // "this school year"
    QDate from;     // the first and last day with answers
    QDate to;
    qint64 fluencyMs = DefaultFluencyMs;
    int answers = 0;
    int rights = 0;
    bool wholeClass = false;
    int children = 0; // on the class's page, how many children have answers
    FactGrid grid{};
    std::vector<FactToPractise> facts;
    std::vector<DayProgress> days;
    Trend trend;
    int keepDays = 0;   // how long the record keeps answers; 0: until a player is forgotten
    int gamesAlone = 0; // in all, against the computer, and of them won
    int wonAlone = 0;
};

// One player's page from their answers in the period.
ReportPage playerPage(const QString& player, const std::vector<FactAnswer>& history,
                      qint64 fluencyMs);
// The class's page from each child's answers in the period: each fact judged per child.
ReportPage classPage(const std::vector<std::vector<FactAnswer>>& children, qint64 fluencyMs);

// What the pages are made for.
struct PageChoices {
    qint64 fluencyMs = DefaultFluencyMs;
    QDate from;     // the period's first day; invalid for all
    QString period; // as the summary line says it: "in the last 7 days"
    QDate today;    // the learning path and moving on are judged on it
    int keepDays = 0;
};

// Every player's page and then the class's: each player's from their answers in the period,
// their path and whether they moved on from all of them, as `answersOf` gives them, and their
// games against the computer as the record's list counts them.
std::vector<ReportPage>
everyPage(const std::vector<PlayerSummary>& players,
          const std::function<std::vector<FactAnswer>(const QString&)>& answersOf,
          RecordEditor& editor, const PageChoices& choices);

// The line a parent can act on: how much, how well, how fast, what changed, what to practise.
QString summaryLine(const ReportPage& page);
// "Answers are kept for 365 days, then deleted.", or empty where they are kept until forgotten.
QString keepingSentence(int keepDays);
// "The last 12 days of play"
QString daysHeading(const ReportPage& page);

// "Practising the 3s and 4s; missed facts asked again.", or empty for the default settings.
QString practiceSentence(const PracticeSettings& settings);

// What the window and the report say of the children who have not moved on (names as given).
QString stalledSentence(const QStringList& names);

// "Practice Record - Leo.pdf", "Practice Record - Class.pdf". A "/" cannot be in a file name.
QString reportFileName(const ReportPage& page);

// Draws the page on a printer or a PDF writer; false when the device could not be painted on.
bool drawReport(QPagedPaintDevice& device, const ReportPage& page);
// Writes the page as a PDF: all of it or nothing; an empty string or why it failed. Nothing is
// written inside `keptOutOf` (the practice record's folder).
QString saveReport(const QString& path, const ReportPage& page, const QString& keptOutOf = {});
// Writes each page into the folder, made if need be, under its file name; an empty string or
// the first failure, with the file it was.
QString saveReports(const QString& folder, const std::vector<ReportPage>& pages,
                    const QString& keptOutOf = {});

} // namespace quintarlow
