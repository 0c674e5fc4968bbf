#pragma once

#include "recordreader.h"
#include "serversettings.h"
#include "sqliterecord.h"

#include <QString>
#include <memory>

class QSqlDatabase;
class QSqlQuery;

namespace quintarlow {

// The practice record as a school's PostgreSQL server holds it: every child of every machine
// that sends there. Read by a teacher's window and commands, on the caller's thread; a server
// that hangs costs seconds (the connection's own timeouts), never a game, which never reads
// from here.
class ServerRecord final : public RecordReader, public RecordEditor {
public:
    // Connects and checks the server's tables; on failure returns null and says why in one
    // line that names no host, user or password.
    static std::unique_ptr<ServerRecord> open(const ServerSettings& settings, QString* error);
    ~ServerRecord() override;
    ServerRecord(const ServerRecord&) = delete;
    ServerRecord& operator=(const ServerRecord&) = delete;

    std::vector<PlayerSummary> players() override;
    std::vector<AnswerRow> answers(const QString& player) override;
    std::vector<FactAnswer> factAnswers(const QString& player) override;
    QString readError() const override { return m_readError; }
    // A machine's login may insert and read but not delete: then -1.
    int forgetPlayer(const QString& name) override;
    PracticeSettings practiceSettings(const QString& name) override;
    bool setPracticeSettings(const QString& name, const PracticeSettings& settings) override;

    // Adds rows whose answer id the server does not hold yet, all in one transaction.
    SqliteRecord::Merge importAnswers(const std::vector<AnswerRow>& rows) override;

private:
    explicit ServerRecord(QString connection);
    QSqlDatabase db() const;
    // Runs one statement with its values; a failed read is remembered for readError().
    QSqlQuery read(const QString& sql, const QVariantList& values = {});

    QString m_connection;
    QString m_readError;
};

} // namespace quintarlow
