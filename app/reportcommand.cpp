#include "app/reportcommand.h"

#include "app/commandtext.h"

#include "app/recordcommands.h"
#include "core/playernames.h"
#include "core/savedfile.h"
#include "progress/progresswindow.h"
#include "progress/report.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstring>

namespace quintarlow {

namespace {

// Made once the translations are in, so that --help shows them.
struct ReportOptions {
    QCommandLineOption report{QStringLiteral("report"),
                              CommandText::tr("Write the practice record's report as a PDF (the "
                                              "class's, or --player's; with --all one per "
                                              "player into a folder)."),
                              QStringLiteral("FILE|FOLDER")};
    QCommandLineOption days{QStringLiteral("days"),
                            CommandText::tr("With --report: only the last N days."),
                            QStringLiteral("N")};
    QCommandLineOption from{QStringLiteral("from"),
                            CommandText::tr("With --report: from this day (YYYY-MM-DD)."),
                            QStringLiteral("DATE")};
    QCommandLineOption to{QStringLiteral("to"),
                          CommandText::tr("With --report: up to this day (YYYY-MM-DD)."),
                          QStringLiteral("DATE")};
    QCommandLineOption book{QStringLiteral("all-in-one"),
                            CommandText::tr("With --report: the class sheet and every child's "
                                            "page in one PDF to print.")};
    QCommandLineOption summary{QStringLiteral("summary"),
                               CommandText::tr("Write the class sheet, a line per child, as CSV "
                                               "for a spreadsheet."),
                               QStringLiteral("FILE")};
    QCommandLineOption all{QStringLiteral("all"),
                           CommandText::tr("With --report: every player's report and the "
                                           "class's, each in a file of its own.")};
    QList<QCommandLineOption> list() const { return {report, days, from, to, all, book, summary}; }
};

int fail(const QString& why) {
    std::fprintf(stderr, "quintarlow: %s\n", qPrintable(why));
    return 1;
}

} // namespace

void addReportOptions(QCommandLineParser& parser) {
    parser.addOptions(ReportOptions().list());
}

bool isReportCommand(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--report", "--summary"})
            if (const std::size_t length = std::strlen(option);
                std::strncmp(argv[i], option, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
    return false;
}

int runReportCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption player(QStringLiteral("player"), {}, QStringLiteral("NAME"));
    // Read and acted on before any application object; known here so it is no mistake.
    const QCommandLineOption language(QStringLiteral("language"), {}, QStringLiteral("LANGUAGE"));
    const ReportOptions options;
    parser.addOptions(options.list() << player << language);
    // A mistyped option is said as the game's own command line says it.
    if (!parser.parse(arguments)) {
        fail(CommandText::tr("%1 See quintarlow --help.")
                 .arg(parser.errorText().split(QLatin1Char('\n')).constFirst()));
        return 2;
    }
    const QString target = parser.value(options.report).trimmed();
    const QString summary = parser.value(options.summary).trimmed();
    if (target.isEmpty() && summary.isEmpty())
        return fail(CommandText::tr("--report needs a FILE (or a FOLDER with --all)"));
    if ((parser.isSet(options.book) || !summary.isEmpty()) &&
        (parser.isSet(options.all) || parser.isSet(player)))
        return fail(CommandText::tr("--all-in-one and --summary are of the whole class: leave out "
                                    "--all and --player"));
    if (parser.isSet(options.all) && parser.isSet(player))
        return fail(CommandText::tr("--all writes every player's report: leave out --player"));
    const QDate today = QDate::currentDate();
    DaySpan span = periodSpan(Period::All, today);
    if (parser.isSet(options.days)) {
        if (parser.isSet(options.from) || parser.isSet(options.to))
            return fail(
                CommandText::tr("--days counts back from today: leave out --from and --to"));
        bool number = false;
        const int days = parser.value(options.days).toInt(&number);
        if (!number || days < 1)
            return fail(CommandText::tr("--days needs a number of days, 1 or more, such as "
                                        "--days 30"));
        span = {today.addDays(1 - days), today,
                days == 1 ? CommandText::tr("today")
                          : englishPlural(CommandText::tr("in the last %Ln day(s)", nullptr, days),
                                          days)};
    } else if (parser.isSet(options.from) || parser.isSet(options.to)) {
        const QDate from = QDate::fromString(parser.value(options.from), Qt::ISODate);
        const QDate to = parser.isSet(options.to)
                             ? QDate::fromString(parser.value(options.to), Qt::ISODate)
                             : today;
        if (!from.isValid() || !to.isValid())
            return fail(CommandText::tr("--from and --to need days written as 2027-03-01, and "
                                        "--from is needed"));
        if (from > to)
            return fail(CommandText::tr("--from must not come after --to"));
        span = daysBetween(from, to);
    }

    // Reading only: a damaged record is told of and left as it is for the game to deal with.
    const ReadRecord record(SqliteRecord::Damaged::Refuse);
    RecordReader* reader = record.reader();
    if (!reader)
        return fail(CommandText::tr("cannot open the practice record: %1. Nothing was written. %2")
                        .arg(record.error(), record.advice()));
    const std::vector<PlayerSummary> summaries = reader->players();
    if (!reader->readError().isEmpty())
        return fail(CommandText::tr("cannot read the practice record: %1. Nothing was written.")
                        .arg(reader->readError()));
    QStringList names;
    for (const PlayerSummary& summary : summaries)
        names.append(summary.name);

    const int fluency = chosenFluencyMs();
    const int keepDays = reader->keepDays();
    const auto pagesOf = [&](const std::vector<PlayerSummary>& players) {
        return everyPage(players, [&](const QString& name) { return reader->factAnswers(name); },
                         *record.editor(), {fluency, span, today, keepDays});
    };
    const auto told = [](const QString& path, const QString& failure) {
        if (!failure.isEmpty())
            return fail(CommandText::tr("cannot write %1: %2. Nothing was written; choose another "
                                        "file and try again.")
                            .arg(path, failure));
        std::printf("%s\n", qPrintable(CommandText::tr("Wrote %1.").arg(path)));
        return 0;
    };
    const auto write = [&told](const QString& path, const ReportPage& page) {
        return told(path, saveReport(path, page, SqliteRecord::defaultFolder()));
    };

    if (names.isEmpty())
        return fail(CommandText::tr("nobody has played yet, so there is no report to write."));
    if (!summary.isEmpty() || parser.isSet(options.book)) {
        const std::vector<ReportPage> pages = pagesOf(summaries);
        if (!summary.isEmpty()) {
            if (const int status =
                    told(summary, writeWholeFile(summary, sheetCsv(pages.back().sheet),
                                                 SqliteRecord::defaultFolder()));
                status != 0 || target.isEmpty())
                return status;
        }
        if (!parser.isSet(options.book))
            return write(target, pages.back());
        return told(target, saveReportBook(target, pages, SqliteRecord::defaultFolder()));
    }
    if (parser.isSet(options.all)) {
        const std::vector<ReportPage> pages = pagesOf(summaries);
        if (const QString failure = saveReports(target, pages, SqliteRecord::defaultFolder());
            !failure.isEmpty())
            return fail(CommandText::tr("cannot write every report: %1. Choose another folder "
                                        "and try again.")
                            .arg(failure));
        const auto written = static_cast<qint64>(pages.size());
        std::printf("%s\n", qPrintable(englishPlural(CommandText::tr("Wrote %Ln report(s) into %1.",
                                                                     nullptr, int(written)),
                                                     written)
                                           .arg(target)));
        return 0;
    }
    if (parser.isSet(player)) {
        const QString asked = parser.value(player);
        const QStringList known = childrenNamed(asked, names);
        if (known.size() != 1)
            return fail(notOneChildText(asked, names));
        const auto child =
            std::find_if(summaries.begin(), summaries.end(), [&](const PlayerSummary& summary) {
                return summary.name == known.front();
            });
        return write(target, pagesOf({*child}).front());
    }
    return write(target, pagesOf(summaries).back());
}

} // namespace quintarlow
