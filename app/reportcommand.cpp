#include "app/reportcommand.h"

#include "app/recordcommands.h"
#include "core/playernames.h"
#include "progress/progresswindow.h"
#include "progress/report.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstring>

namespace quintarlow {

namespace {

const QCommandLineOption ReportOption(QStringLiteral("report"),
                                      QStringLiteral("Write the practice record's report as a "
                                                     "PDF (the class's, or --player's; with --all "
                                                     "one per player into a folder)."),
                                      QStringLiteral("FILE|FOLDER"));
const QCommandLineOption DaysOption(QStringLiteral("days"),
                                    QStringLiteral("With --report: only the last N days."),
                                    QStringLiteral("N"));
const QCommandLineOption AllOption(QStringLiteral("all"),
                                   QStringLiteral("With --report: every player's report and the "
                                                  "class's, each in a file of its own."));

int fail(const QString& why) {
    std::fprintf(stderr, "quintarlow: %s\n", qPrintable(why));
    return 1;
}

} // namespace

void addReportOptions(QCommandLineParser& parser) {
    parser.addOptions({ReportOption, DaysOption, AllOption});
}

bool isReportCommand(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--report") == 0 || std::strncmp(argv[i], "--report=", 9) == 0)
            return true;
    return false;
}

int runReportCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption player(QStringLiteral("player"), {}, QStringLiteral("NAME"));
    parser.addOptions({ReportOption, DaysOption, AllOption, player});
    // A mistyped option is said as the game's own command line says it.
    if (!parser.parse(arguments)) {
        fail(parser.errorText().split(QLatin1Char('\n')).constFirst() +
             QStringLiteral(" See quintarlow --help."));
        return 2;
    }
    const QString target = parser.value(ReportOption).trimmed();
    if (target.isEmpty())
        return fail(QStringLiteral("--report needs a FILE (or a FOLDER with --all)"));
    if (parser.isSet(AllOption) && parser.isSet(player))
        return fail(QStringLiteral("--all writes every player's report: leave out --player"));
    int days = 0;
    if (parser.isSet(DaysOption)) {
        bool number = false;
        days = parser.value(DaysOption).toInt(&number);
        if (!number || days < 1)
            return fail(QStringLiteral("--days needs a number of days, 1 or more, such as "
                                       "--days 30"));
    }

    // Reading only: a damaged record is told of and left as it is for the game to deal with.
    const ReadRecord record(SqliteRecord::Damaged::Refuse);
    RecordReader* reader = record.reader();
    if (!reader)
        return fail(QStringLiteral("cannot open the practice record: %1. Nothing was written. %2")
                        .arg(record.error(), record.advice()));
    const std::vector<PlayerSummary> summaries = reader->players();
    if (!reader->readError().isEmpty())
        return fail(QStringLiteral("cannot read the practice record: %1. Nothing was written.")
                        .arg(reader->readError()));
    QStringList names;
    for (const PlayerSummary& summary : summaries)
        names.append(summary.name);

    const QDate today = QDate::currentDate();
    const QDate from = days > 0 ? today.addDays(1 - days) : QDate();
    const QString period = days == 0   ? QStringLiteral("in all")
                           : days == 1 ? QStringLiteral("today")
                                       : QStringLiteral("in the last %1 days").arg(days);
    const int fluency = chosenFluencyMs();
    const int keepDays = reader->keepDays();
    const auto pagesOf = [&](const QStringList& players) {
        return everyPage(players, [&](const QString& name) { return reader->factAnswers(name); },
                         *record.editor(), {fluency, from, period, today, keepDays});
    };
    const auto write = [](const QString& path, const ReportPage& page) {
        const QString failure = saveReport(path, page, SqliteRecord::defaultFolder());
        if (!failure.isEmpty())
            return fail(QStringLiteral("cannot write %1: %2. Nothing was written; choose another "
                                       "file and try again.")
                            .arg(path, failure));
        std::printf("Wrote %s.\n", qPrintable(path));
        return 0;
    };

    if (names.isEmpty())
        return fail(QStringLiteral("nobody has played yet, so there is no report to write."));
    if (parser.isSet(AllOption)) {
        const std::vector<ReportPage> pages = pagesOf(names);
        if (const QString failure = saveReports(target, pages, SqliteRecord::defaultFolder());
            !failure.isEmpty())
            return fail(QStringLiteral("cannot write every report: %1. Choose another folder "
                                       "and try again.")
                            .arg(failure));
        std::printf("Wrote %s into %s.\n",
                    qPrintable(counted(static_cast<qint64>(pages.size()), QStringLiteral("report"),
                                       QStringLiteral("reports"))),
                    qPrintable(target));
        return 0;
    }
    if (parser.isSet(player)) {
        const QString asked = parser.value(player);
        const QStringList known = childrenNamed(asked, names);
        if (known.size() != 1)
            return fail(notOneChildText(asked, names));
        return write(target, pagesOf(known).front());
    }
    return write(target, pagesOf(names).back());
}

} // namespace quintarlow
