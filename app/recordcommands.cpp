#include "recordcommands.h"

#include "progress/progresswindow.h"
#include "recordcsv.h"
#include "schoolsetup.h"
#include "sqliterecord.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <cstdio>
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

int exportRecord(const QString& fileName, const QString& player) {
    const ReadRecord record(SqliteRecord::Damaged::MoveAside);
    if (!record.reader())
        return fail(QStringLiteral("cannot open the practice record: ") + record.error());
    const std::vector<AnswerRow> rows = record.reader()->answers(player);
    if (!record.reader()->readError().isEmpty())
        return fail(record.reader()->readError());
    // Written aside and renamed into place: a failed export leaves no half file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(answersToCsv(rows)) < 0 || !file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(fileName, file.errorString()));
    say(QStringLiteral("Exported %1 answers to %2.").arg(rows.size()).arg(fileName));
    return 0;
}

int importRecord(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString()));
    const CsvReading reading = answersFromCsv(file.readAll());
    if (!reading.error.isEmpty())
        return fail(QStringLiteral("%1 %2; nothing imported").arg(fileName, reading.error));
    ReadRecord record(SqliteRecord::Damaged::MoveAside);
    if (!record.reader())
        return fail(QStringLiteral("cannot open the practice record: ") + record.error());
    const SqliteRecord::Merge merge = record.importAnswers(reading.rows);
    if (!merge.error.isEmpty())
        return fail(
            QStringLiteral("cannot import %1: %2; nothing imported").arg(fileName, merge.error));
    say(QStringLiteral("Added %1 answers, skipped %2 already kept.")
            .arg(merge.added)
            .arg(merge.skipped));
    return 0;
}

int forgetPlayer(const QString& name, bool sure) {
    if (!sure) {
        std::printf("Delete every answer and game of %s from the practice record? [y/N] ",
                    qPrintable(name));
        std::fflush(stdout);
        std::string reply;
        std::getline(std::cin, reply);
        if (reply.empty() || (reply[0] != 'y' && reply[0] != 'Y')) {
            say(QStringLiteral("Nothing deleted."));
            return 0;
        }
    }
    // On the school's server where one is set: every machine then forgets the child too.
    const ReadRecord record(SqliteRecord::Damaged::MoveAside);
    if (!record.reader())
        return fail(QStringLiteral("cannot open the practice record: ") + record.error());
    const int deleted = record.reader()->forgetPlayer(name);
    if (deleted < 0)
        return fail(QStringLiteral("cannot delete %1 from the practice record").arg(name));
    say(QStringLiteral("Deleted %1 answers of %2.").arg(deleted).arg(name));
    return 0;
}

int setUpServer(const QString& classes, const QString& keepDays, bool keepDaysGiven) {
    bool number = true;
    const int days = keepDays.toInt(&number);
    if (keepDaysGiven && (!number || days < 0))
        return fail(QStringLiteral("--keep-days needs a number of days (0: until forgotten)"));
    QString problem;
    const ServerSettings server = ServerSettings::forThisMachine(&problem);
    if (!problem.isEmpty() || !server.isSet())
        return fail(problem.isEmpty() ? QStringLiteral("no school's record server is set in "
                                                       "[record] (see the README, For schools)")
                                      : problem);
    const QString connection = QStringLiteral("quintarlow-setup");
    QStringList said;
    QString error;
    {
        const QSqlDatabase db = server.open(connection);
        if (!db.isOpen())
            error = QStringLiteral("the school's record server cannot be reached");
        else
            said =
                setUpSchoolServer(db, classes.split(QLatin1Char(','), Qt::SkipEmptyParts),
                                  keepDaysGiven ? std::optional<int>(days) : std::nullopt, &error);
    }
    QSqlDatabase::removeDatabase(connection);
    if (said.isEmpty())
        return fail(QStringLiteral("cannot set up the school's record server: ") + error);
    for (const QString& line : std::as_const(said))
        say(line);
    return 0;
}

} // namespace

std::unique_ptr<SqliteRecord> openKeptRecord(QString* error, SqliteRecord::Damaged damaged) {
    return SqliteRecord::open(SqliteRecord::defaultFolder(), error, damaged);
}

ReadRecord::ReadRecord(SqliteRecord::Damaged damaged) {
    QString problem;
    const ServerSettings server = ServerSettings::forThisMachine(&problem);
    // Settings meant to name a server: reading the file instead would look like a school
    // with one machine.
    if (!problem.isEmpty()) {
        m_error = QStringLiteral("the record server's settings hold a password, which the game "
                                 "never uses (see the README, For schools)");
        return;
    }
    if (server.isSet())
        m_server = ServerRecord::open(server, &m_error);
    else
        m_file = openKeptRecord(&m_error, damaged);
}

RecordReader* ReadRecord::reader() const {
    if (m_server)
        return m_server.get();
    return m_file.get();
}

SqliteRecord::Merge ReadRecord::importAnswers(const std::vector<AnswerRow>& rows) {
    return m_server ? m_server->importAnswers(rows) : m_file->importAnswers(rows);
}

RecordCommands::RecordCommands(QCommandLineParser& parser)
    : m_export(QStringLiteral("export-record"),
               QStringLiteral("Write the practice record (or one player's part) as CSV."),
               QStringLiteral("FILE")),
      m_player(QStringLiteral("player"), QStringLiteral("With --export-record: only this player."),
               QStringLiteral("NAME")),
      m_import(QStringLiteral("import-record"),
               QStringLiteral("Add the answers of a CSV file exported on another computer."),
               QStringLiteral("FILE")),
      m_forget(QStringLiteral("forget-player"),
               QStringLiteral("Delete a player's answers and games from the practice record."),
               QStringLiteral("NAME")),
      m_yes(QStringLiteral("yes"), QStringLiteral("With --forget-player: do not ask first.")),
      m_noRecord(QStringLiteral("no-record"),
                 QStringLiteral("Play without reading or writing the practice record.")),
      m_setup(QStringLiteral("setup-school-server"),
              QStringLiteral("Set up the school's record server named in [record]: tables, "
                             "roles and their rights (run as the tables' owner).")),
      m_classes(QStringLiteral("classes"),
                QStringLiteral("With --setup-school-server: a role for each of these classes."),
                QStringLiteral("LIST")),
      m_keepDays(QStringLiteral("keep-days"),
                 QStringLiteral("With --setup-school-server: delete answers older than this "
                                "(0: keep them until forgotten)."),
                 QStringLiteral("N")) {
    parser.addOptions({m_export, m_player, m_import, m_forget, m_yes, m_noRecord, m_setup,
                       m_classes, m_keepDays});
}

std::optional<int> RecordCommands::run(const QCommandLineParser& parser) const {
    for (const QCommandLineOption* option : {&m_export, &m_import, &m_forget, &m_player})
        if (parser.isSet(*option) && parser.value(*option).trimmed().isEmpty())
            return fail(QStringLiteral("--%1 needs a %2")
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
    return std::nullopt;
}

bool RecordCommands::noRecord(const QCommandLineParser& parser) const {
    return parser.isSet(m_noRecord);
}

PlayRecord::PlayRecord(bool wanted) {
    if (!wanted)
        return;
    QString error;
    m_kept = openKeptRecord(&error);
    if (!m_kept) {
        std::fprintf(stderr, "quintarlow: no practice record (%s); playing without one\n",
                     qPrintable(error));
        return;
    }
    m_kept->setFluencyMs(chosenFluencyMs());
    m_sender = RecordSender::forThisMachine(m_kept->fileName());
    if (!m_sender)
        return;
    // The record's thread only asks; the round itself starts on the game's thread.
    m_kept->onWritten([sender = m_sender.get()] {
        QMetaObject::invokeMethod(sender, &RecordSender::sendNow, Qt::QueuedConnection);
    });
    // The round may have brought the school's practice settings into the file.
    QObject::connect(m_sender.get(), &RecordSender::roundEnded, m_sender.get(),
                     [kept = m_kept.get()] { kept->reloadSettings(); });
    m_sender->sendNow();
}

PlayRecord::~PlayRecord() {
    // Everything reported is written before the sender it would ask goes.
    if (m_kept && m_sender) {
        m_kept->waitUntilWritten();
        m_kept->onWritten({});
    }
}

PracticeRecord& PlayRecord::record() {
    if (m_kept)
        return *m_kept;
    return m_none;
}

} // namespace quintarlow
