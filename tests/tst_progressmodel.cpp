#include "progress/progressmodel.h"
#include "record/recordcsv.h"
#include "recordscript.h"

#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// As play, the answers given the days before today that `daysAgo` says, in turn.
void playDaysAgo(MemoryRecord& record, const QString& player, const QString& script,
                 const QList<int>& daysAgo) {
    const std::size_t first = record.rows.size();
    play(record, player, script);
    for (std::size_t i = first; i < record.rows.size(); ++i)
        record.rows[i].playedAt.setDate(QDate::currentDate().addDays(-daysAgo[int(i - first)]));
}

// A model's class sheet, its own line first, each line's cells joined.
QString sheetText(ProgressModel& model) {
    model.readEveryone();
    QStringList lines{sheetCells(childLine(model.classPage())).join(QLatin1Char(' '))};
    for (const ChildLine& line : model.classPage().sheet)
        lines.append(sheetCells(line).join(QLatin1Char(' ')));
    return lines.join(QStringLiteral(" / "));
}

} // namespace

// The Practice Record's figures without a window: each period's lines, who moved on, the class
// sheet through a CSV reader, and the window's pages against those --report makes.
class ProgressModelTest : public QObject {
    Q_OBJECT
    OwnSettingsFolder settingsHome; // where the period chosen is remembered

private Q_SLOTS:
    // A line per child, through a CSV reader and back; a name a spreadsheet would run as a
    // formula stays text.
    void classSheet() {
        MemoryRecord record = twoChildren();
        play(record, QStringLiteral("=1+1"), QStringLiteral("6x6 R2000 R4000 R3000"));
        play(record, QStringLiteral("Ida"), QStringLiteral("9x9 W1000")); // nothing to judge yet
        const auto pages =
            everyPage({{QStringLiteral("Leo")},
                       {QStringLiteral("<b>Zoë</b>")},
                       {QStringLiteral("=1+1")},
                       {QStringLiteral("Ida")}},
                      [&](const QString& name) { return record.factAnswers(name); }, record,
                      {DefaultFluencyMs, periodSpan(Period::All, {}), QDate(2026, 12, 2), 0});
        const QByteArray csv = sheetCsv(pages.back().sheet);
        QVERIFY(csv.contains("\n'=1+1,"));
        const std::vector<QStringList> expected = {
            {"Child", "Knows (of 144)", "Answers", "Right", "Usually answers in", "Answer times",
             "To practise", "Moved on, last two weeks"},
            {"Leo", "1", "6", "67 %", "2.4 s", "too few to tell", "3 × 4", "yes"},
            {"<b>Zoë</b>", "1", "5", "60 %", "1.0 s", "too few to tell", "7 × 8", "yes"},
            {"=1+1", "1", "3", "100 %", "3.0 s", "too few to tell", "", "yes"},
            {"Ida", "0", "1", "0 %", "", "too few to tell", "9 × 9", "too soon"}};
        QCOMPARE(csvCells(csv), expected);
    }

    // Every figure follows the period, the class's line too, and the period is remembered.
    void linesFollowThePeriod() {
        MemoryRecord record = annAndBen();
        ProgressModel model(record, record);
        model.reload();
        const QString missed = QStringLiteral("too few to tell 2 × 3, 4 × 5, 6 × 7");
        const QString ben = QStringLiteral("Ben 0 2 50 % 0.9 s too few to tell 8 × 9 too soon");
        QCOMPARE(sheetText(model), "The whole class 0 11 9 % 0.9 s " + missed + "  / " + ben +
                                       " / Ann 0 9 0 %  " + missed + " not played");
        model.setPeriod(Period::ThisWeek);
        // Ann's facts were missed before the week and not asked in it: still missed.
        const QString thisWeek = "The whole class 0 2 50 % 0.9 s " + missed + "  / " + ben +
                                 " / Ann 0 0   " + missed + " not played";
        QCOMPARE(sheetText(model), thisWeek);
        ProgressModel again(record, record);
        again.reload();
        QCOMPARE(sheetText(again), thisWeek);
        again.setPeriod(Period::All);
    }

    // Where a child on the learning path stands, on the window's page and the report's alike,
    // and which children the class's page names as not moved on.
    void pagesSayWhoMovesOn_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("line"); // on the report; empty: no such line
        QTest::newRow("on the path") << "Maya"
                                     << "Maya knows 1 of 144 facts; to practise again today: 1 × 1";
        QTest::newRow("off the path") << "Zoë"
                                      << "";
        QTest::newRow("the class")
            << ""
            << "Not moved on for two weeks (played, and no fact became known): Leo.";
    }
    void pagesSayWhoMovesOn() {
        QFETCH(QString, player);
        QFETCH(QString, line);
        MemoryRecord record;
        const QList<int> days{20, 3, 2};
        playDaysAgo(record, QStringLiteral("Maya"), QStringLiteral("1x1 W1000 R1000 R1000"), days);
        playDaysAgo(record, QStringLiteral("Leo"), QStringLiteral("7x8 W1000 W1000 W1000"), days);
        playDaysAgo(record, QStringLiteral("Zoë"), QStringLiteral("2x2 W1000 R1000 R1000"), days);
        // Known on the grid in one day, so moved on, though the path counts it only after two.
        playDaysAgo(record, QStringLiteral("Sam"), QStringLiteral("2x2 W1000 R1000 R1000"),
                    {20, 2, 2});
        PracticeSettings path;
        path.path = true;
        record.setPracticeSettings(QStringLiteral("Maya"), path);
        record.alone[QStringLiteral("Maya")] = {2, 1};
        ProgressModel model(record, record);
        model.reload();
        model.readEveryone();
        // Put on the path once the class was judged: still moved on.
        record.setPracticeSettings(QStringLiteral("Sam"), path);
        model.practiceChanged(QStringLiteral("Sam"), true);
        const ReportPage shown = model.pageOf(player, record.practiceSettings(player));
        QVERIFY2(line.isEmpty() ? shown.movingOn.isEmpty() : shown.movingOn.startsWith(line),
                 qPrintable(shown.movingOn));
        // --report and Save All make their pages apart from the window's: they say the same.
        const std::vector<ReportPage> pages = model.everyPage();
        const auto& listed = model.players();
        const ReportPage& reported = pages[std::size_t(
            std::ranges::find(listed, player, &PlayerSummary::name) - listed.begin())];
        QCOMPARE(reported.movingOn + summaryLine(reported), shown.movingOn + summaryLine(shown));
        QCOMPARE(sheetCsv(reported.sheet), sheetCsv(shown.sheet));
    }
};

QTEST_GUILESS_MAIN(ProgressModelTest)
#include "tst_progressmodel.moc"
