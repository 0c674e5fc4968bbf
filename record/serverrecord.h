#pragma once

#include "record/recordreader.h"
#include "record/serversettings.h"
#include "record/sqliterecord.h"

#include <QString>
#include <memory>

class QSqlDatabase;
class QSqlQuery;

namespace quintarlow {

// The practice record as a school's PostgreSQL server holds it: the children of every machine
// that sends there, as far as the login's classes reach (the server's row-level security). Read by
// a teacher's window and commands, on the caller's thread; a server that hangs costs seconds (the
// connection's own timeouts), never a game, which never reads from here.
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
    std::vector<std::vector<FactAnswer>>
    factAnswersOfEach(const std::vector<QString>& players) override;
    QString readError() const override { return m_readError; }
    QString readAdvice() const override { return unreadableAdvice(); }
    static QString unreadableAdvice() {
        return QStringLiteral("Check that the school's record server is running and that this "
                              "computer can reach it, or ask whoever looks after it. See the "
                              "README, For schools.");
    }
    // Only the children of the teacher's classes; every machine forgets them too at its next
    // contact. A login without the right: -1.
    int forgetPlayer(const QString& name) override;
    PracticeSettings practiceSettings(const QString& name) override;
    bool setPracticeSettings(const QString& name, const PracticeSettings& settings) override;
    int keepDays() override;

    // Adds rows whose answer id the server does not hold yet, all in one transaction.
    SqliteRecord::Merge importAnswers(const std::vector<AnswerRow>& rows) override;

private:
    ServerRecord(QString connection, QString className);
    // One child's rows by the key names compare by (everyone's for an empty name).
    static QString keyFilter(const QString& player, QVariantList* values);
    // A child's rows by the name's key, and by the class for a child of a class.
    static QString childRows(const QString& child, QVariantList* values);
    QSqlDatabase db() const;
    // Runs one statement with its values; a failed read is remembered for readError().
    QSqlQuery read(const QString& sql, const QVariantList& values = {});

    QString m_connection;
    QString m_className; // the class named in this machine's settings
    QString m_readError;
};

} // namespace quintarlow
