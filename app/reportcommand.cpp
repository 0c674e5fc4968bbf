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

// The command line read and checked: what to write, of whom, over which days.
struct ReportRequest {
    QString target;  // the PDF, or with --all the folder
    QString summary; // the class sheet as CSV, or empty
    bool book = false;
    bool everyPlayer = false;
    bool onePlayer = false;
    QString player;
    QDate today;
    DaySpan span;
};

// --days, or --from and --to, as the span of days the report covers; 0, or the exit status once
// the mistake is told.
int readSpan(const QCommandLineParser& parser, const ReportOptions& options, QDate today,
             DaySpan& span) {
    span = periodSpan(Period::All, today);
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
    return 0;
}

// 0, or the exit status once the mistake is told: 2 for an option the command does not know.
int readRequest(const QStringList& arguments, ReportRequest& request) {
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
    request.target = parser.value(options.report).trimmed();
    request.summary = parser.value(options.summary).trimmed();
    request.book = parser.isSet(options.book);
    request.everyPlayer = parser.isSet(options.all);
    request.onePlayer = parser.isSet(player);
    request.player = parser.value(player);
    if (request.target.isEmpty() && request.summary.isEmpty())
        return fail(CommandText::tr("--report needs a FILE (or a FOLDER with --all)"));
    if ((request.book || !request.summary.isEmpty()) && (request.everyPlayer || request.onePlayer))
        return fail(CommandText::tr("--all-in-one and --summary are of the whole class: leave out "
                                    "--all and --player"));
    if (request.everyPlayer && request.onePlayer)
        return fail(CommandText::tr("--all writes every player's report: leave out --player"));
    request.today = QDate::currentDate();
    return readSpan(parser, options, request.today, request.span);
}

// The pages as the window shows them, over the days asked for.
class PageMaker {
public:
    // Reads the chosen fluency and the record's days kept at once, as the window does on opening.
    PageMaker(RecordReader& reader, RecordEditor& editor, const ReportRequest& request)
        : reader(reader), editor(editor), choices{chosenFluencyMs(), request.span, request.today,
                                                  reader.keepDays()} {}

    // Each player's page, then the class's.
    std::vector<ReportPage> pagesOf(const std::vector<PlayerSummary>& players) const {
        return everyPage(
            players, [this](const QString& name) { return reader.factAnswers(name); }, editor,
            choices);
    }

private:
    RecordReader& reader;
    RecordEditor& editor;
    PageChoices choices;
};

// Says what was written, or why nothing was; the exit status.
int told(const QString& path, const QString& failure) {
    if (!failure.isEmpty())
        return fail(CommandText::tr("cannot write %1: %2. Nothing was written; choose another "
                                    "file and try again.")
                        .arg(path, failure));
    std::printf("%s\n", qPrintable(CommandText::tr("Wrote %1.").arg(path)));
    return 0;
}

int writePage(const QString& path, const ReportPage& page) {
    return told(path, saveReport(path, page, SqliteRecord::defaultFolder()));
}

// --summary, --all-in-one, or both: the class's sheet as CSV, then the report or the book.
int writeClassSheets(const ReportRequest& request, const std::vector<ReportPage>& pages) {
    if (!request.summary.isEmpty()) {
        if (const int status =
                told(request.summary, writeWholeFile(request.summary, sheetCsv(pages.back().sheet),
                                                     SqliteRecord::defaultFolder()));
            status != 0 || request.target.isEmpty())
            return status;
    }
    if (!request.book)
        return writePage(request.target, pages.back());
    return told(request.target,
                saveReportBook(request.target, pages, SqliteRecord::defaultFolder()));
}

// --all: every player's report and the class's into the folder.
int writeEveryReport(const QString& folder, const std::vector<ReportPage>& pages) {
    if (const QString failure = saveReports(folder, pages, SqliteRecord::defaultFolder());
        !failure.isEmpty())
        return fail(CommandText::tr("cannot write every report: %1. Choose another folder "
                                    "and try again.")
                        .arg(failure));
    const auto written = static_cast<qint64>(pages.size());
    std::printf("%s\n", qPrintable(englishPlural(CommandText::tr("Wrote %Ln report(s) into %1.",
                                                                 nullptr, int(written)),
                                                 written)
                                       .arg(folder)));
    return 0;
}

// --player: the one child the name points to, or why it points to none or several.
int writeChildReport(const ReportRequest& request, const std::vector<PlayerSummary>& summaries,
                     const QStringList& names, const PageMaker& pages) {
    const QStringList known = childrenNamed(request.player, names);
    if (known.size() != 1)
        return fail(notOneChildText(request.player, names));
    const auto child =
        std::find_if(summaries.begin(), summaries.end(),
                     [&](const PlayerSummary& summary) { return summary.name == known.front(); });
    return writePage(request.target, pages.pagesOf({*child}).front());
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
    ReportRequest request;
    if (const int status = readRequest(arguments, request); status != 0)
        return status;

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
    const PageMaker pages(*reader, *record.editor(), request);

    if (names.isEmpty())
        return fail(CommandText::tr("nobody has played yet, so there is no report to write."));
    if (!request.summary.isEmpty() || request.book)
        return writeClassSheets(request, pages.pagesOf(summaries));
    if (request.everyPlayer)
        return writeEveryReport(request.target, pages.pagesOf(summaries));
    if (request.onePlayer)
        return writeChildReport(request, summaries, names, pages);
    return writePage(request.target, pages.pagesOf(summaries).back());
}

} // namespace quintarlow
