#include "app/recordcommands.h"

#include "app/commandtext.h"

#include "core/playernames.h"
#include "core/savedfile.h"
#include "progress/progresswindow.h"
#include "record/recordcsv.h"
#include "record/schoolsetup.h"
#include "record/sqliterecord.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

namespace quintarlow {

namespace {

int fail(const QString& why) {
    std::fprintf(stderr, "quintarlow: %s\n", qPrintable(why));
    return 1;
}

void say(const QString& text) {
    std::printf("%s\n", qPrintable(text));
}

// What to do when the record will not open, after why and before the next step for that cause.
int cannotOpen(const ReadRecord& record, const QString& whatNot) {
    return fail(CommandText::tr("cannot open the practice record: %1. %2. %3")
                    .arg(record.error(), whatNot, record.advice()));
}

// The player's name as the record spells it; empty, with the reason said, when nobody of
// that name is there.
QString keptName(RecordReader& record, const QString& asked) {
    QStringList names;
    for (const PlayerSummary& summary : record.players())
        names.append(summary.name);
    if (const QStringList found = childrenNamed(asked, names); found.size() == 1)
        return found.front();
    fail(notOneChildText(asked, names));
    return {};
}

int exportRecord(const QString& fileName, const QString& player) {
    const ReadRecord record(SqliteRecord::Damaged::Refuse);
    if (!record.reader())
        return cannotOpen(record, CommandText::tr("Nothing was changed"));
    const QString kept = player.isEmpty() ? player : keptName(*record.reader(), player);
    if (!player.isEmpty() && kept.isEmpty())
        return 1;
    const std::vector<AnswerRow> rows = record.reader()->answers(kept);
    if (!record.reader()->readError().isEmpty())
        return fail(record.reader()->readError());
    if (const QString failure =
            writeWholeFile(fileName, answersToCsv(rows), SqliteRecord::defaultFolder());
        !failure.isEmpty())
        return fail(CommandText::tr("cannot write %1: %2. Nothing was exported; choose another "
                                    "file and try again.")
                        .arg(fileName, failure));
    const auto exported = static_cast<qint64>(rows.size());
    say(englishPlural(CommandText::tr("Exported %Ln answer(s) to %1.", nullptr, int(exported)),
                      exported)
            .arg(fileName));
    return 0;
}

int importRecord(const QString& fileName) {
    // Opening a pipe would wait for a writer, and a device may never end.
    if (const QString kind = notAFile(fileName); !kind.isEmpty())
        return fail(CommandText::tr("cannot read %1: it is %2, not a file; nothing imported. "
                                    "Import a CSV file the game exported.")
                        .arg(fileName, kind));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(CommandText::tr("cannot read %1: %2").arg(fileName, file.errorString()));
    const CsvReading reading = answersFromCsv(file.readAll());
    if (!reading.error.isEmpty())
        return fail(CommandText::tr("%1 %2; nothing imported").arg(fileName, reading.error));
    const ReadRecord record(SqliteRecord::Damaged::MoveAside);
    if (!record.reader())
        return cannotOpen(record, CommandText::tr("Nothing imported"));
    const RecordMerge merge = record.editor()->importAnswers(reading.rows);
    if (!merge.error.isEmpty())
        return fail(
            CommandText::tr("cannot import %1: %2. Nothing imported.").arg(fileName, merge.error));
    say(englishPlural(CommandText::tr("Added %Ln answer(s), skipped %L1 already kept.", nullptr,
                                      int(merge.added)),
                      merge.added)
            .arg(merge.skipped));
    return 0;
}

int forgetPlayer(const QString& asked, bool sure) {
    // On the school's server where one is set: every machine then forgets the child too.
    const ReadRecord record(SqliteRecord::Damaged::Refuse);
    if (!record.reader())
        return cannotOpen(record, CommandText::tr("Nothing was changed"));
    const QString name = keptName(*record.reader(), asked);
    if (name.isEmpty())
        return 1;
    if (!sure) {
        std::printf("%s ", qPrintable(CommandText::tr("Delete every answer and game of %1 from "
                                                      "the practice record? [y/N]")
                                          .arg(shownName(name))));
        std::fflush(stdout);
        std::string reply;
        std::getline(std::cin, reply);
        if (reply.empty() || (reply[0] != 'y' && reply[0] != 'Y')) {
            say(CommandText::tr("Nothing deleted."));
            return 0;
        }
    }
    const int deleted = record.editor()->forgetPlayer(name);
    if (deleted < 0)
        return fail(CommandText::tr("cannot delete %1 from the practice record: it could not be "
                                    "changed. Nothing was deleted; close the game and try again.")
                        .arg(shownName(name)));
    say(englishPlural(CommandText::tr("Deleted %Ln answer(s) of %1.", nullptr, deleted), deleted)
            .arg(shownName(name)));
    return 0;
}

// Runs `work` on the school's server named in [record], as the login named there, and says
// what it did, one line each; `cannot` is said with the server's error when it fails.
int onTheServer(const QString& cannot,
                const std::function<QStringList(const QSqlDatabase&, QString*)>& work) {
    QString problem;
    const ServerSettings server = ServerSettings::forThisMachine(&problem);
    if (!problem.isEmpty() || !server.isSet())
        return fail(problem.isEmpty() ? CommandText::tr("no school's record server is set in "
                                                        "[record] (see the README, For schools)")
                                      : problem);
    const QString connection = QStringLiteral("quintarlow-setup");
    QStringList said;
    QString error;
    {
        const QSqlDatabase db = server.open(connection);
        if (!db.isOpen())
            error = server.whyNotOpen(db);
        else
            said = work(db, &error);
    }
    QSqlDatabase::removeDatabase(connection);
    if (said.isEmpty())
        return fail(cannot.arg(error));
    for (const QString& line : std::as_const(said))
        say(line);
    return 0;
}

QStringList saidOrNothing(const QString& said) {
    return said.isEmpty() ? QStringList() : QStringList{said};
}

int setUpServer(const QString& classes, const QString& keepDays, bool keepDaysGiven) {
    bool number = true;
    const int days = keepDays.toInt(&number);
    if (keepDaysGiven && (!number || days < 0))
        return fail(CommandText::tr("--keep-days needs a number of days (0: until forgotten)"));
    return onTheServer(CommandText::tr("cannot set up the school's record server: %1"),
                       [&](const QSqlDatabase& db, QString* error) {
                           return setUpSchoolServer(
                               db, classes.split(QLatin1Char(','), Qt::SkipEmptyParts),
                               keepDaysGiven ? std::optional<int>(days) : std::nullopt, error);
                       });
}

} // namespace

RecordCommands::RecordCommands(QCommandLineParser& parser)
    : m_export(QStringLiteral("export-record"),
               CommandText::tr("Write the practice record (or one player's part) as CSV."),
               QStringLiteral("FILE")),
      m_player(QStringLiteral("player"),
               CommandText::tr("With --export-record or --report: only this player."),
               QStringLiteral("NAME")),
      m_import(QStringLiteral("import-record"),
               CommandText::tr("Add the answers of a CSV file exported on another computer."),
               QStringLiteral("FILE")),
      m_forget(QStringLiteral("forget-player"),
               CommandText::tr("Delete a player's answers and games from the practice record."),
               QStringLiteral("NAME")),
      m_yes(QStringLiteral("yes"), CommandText::tr("With --forget-player: do not ask first.")),
      m_noRecord(QStringLiteral("no-record"),
                 CommandText::tr("Play without reading or writing the practice record.")),
      m_setup(QStringLiteral("setup-school-server"),
              CommandText::tr("Set up the school's record server named in [record]: tables, "
                              "roles and their rights (run as the tables' owner).")),
      m_classes(QStringLiteral("classes"),
                CommandText::tr("With --setup-school-server: a role for each of these classes."),
                QStringLiteral("LIST")),
      m_expire(QStringLiteral("expire-school-record"),
               CommandText::tr("Delete from the school's record server what it no longer keeps "
                               "(run as the tables' owner, from a timer).")),
      m_keepDays(QStringLiteral("keep-days"),
                 CommandText::tr("With --setup-school-server: delete answers older than this "
                                 "(0: keep them until forgotten)."),
                 QStringLiteral("N")),
      m_move(QStringLiteral("move-player"),
             CommandText::tr("Move a child to another class on the school's record server, with "
                             "their answers and settings (a teacher of both classes)."),
             QStringLiteral("NAME")),
      m_fromClass(QStringLiteral("from-class"),
                  CommandText::tr("With --move-player: the class the child is in."),
                  QStringLiteral("CLASS")),
      m_toClass(QStringLiteral("to-class"),
                CommandText::tr("With --move-player: the class the child moves to."),
                QStringLiteral("CLASS")) {
    parser.addOptions({m_export, m_player, m_import, m_forget, m_yes, m_noRecord, m_setup,
                       m_classes, m_expire, m_keepDays, m_move, m_fromClass, m_toClass});
}

std::optional<int> RecordCommands::run(const QCommandLineParser& parser) const {
    // A name of blanks is a player's name; a file name of blanks is a slip.
    for (const QCommandLineOption* option :
         {&m_export, &m_import, &m_forget, &m_player, &m_move, &m_fromClass, &m_toClass})
        if (parser.isSet(*option) &&
            (option == &m_export || option == &m_import ? parser.value(*option).trimmed()
                                                        : parser.value(*option))
                .isEmpty())
            return fail(CommandText::tr("--%1 needs a %2")
                            .arg(option->names().constFirst(), option->valueName()));
    if (parser.isSet(m_export))
        return exportRecord(parser.value(m_export), parser.value(m_player));
    if (parser.isSet(m_import))
        return importRecord(parser.value(m_import));
    if (parser.isSet(m_forget))
        return forgetPlayer(parser.value(m_forget), parser.isSet(m_yes));
    if (parser.isSet(m_setup))
        return setUpServer(parser.value(m_classes), parser.value(m_keepDays),
                           parser.isSet(m_keepDays));
    if (parser.isSet(m_expire))
        return onTheServer(
            CommandText::tr("cannot expire answers on the school's record server: %1"),
            [](const QSqlDatabase& db, QString* error) {
                return saidOrNothing(expireSchoolRecord(db, error));
            });
    if (parser.isSet(m_move)) {
        if (!parser.isSet(m_fromClass) || !parser.isSet(m_toClass))
            return fail(CommandText::tr("--move-player needs --from-class and --to-class"));
        return onTheServer(CommandText::tr("cannot move a child on the school's record server: %1"),
                           [&](const QSqlDatabase& db, QString* error) {
                               return saidOrNothing(moveSchoolChild(
                                   db, parser.value(m_move), parser.value(m_fromClass),
                                   parser.value(m_toClass), error));
                           });
    }
    return std::nullopt;
}

bool RecordCommands::noRecord(const QCommandLineParser& parser) const {
    return parser.isSet(m_noRecord);
}

} // namespace quintarlow
