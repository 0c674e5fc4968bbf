#include "record/serverwriter.h"

#include "record/recordcsv.h"
#include "record/sqliterecord.h"
#include "record/sqlsteps.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace quintarlow {

RecordMerge writeToServer(const QSqlDatabase& server, const std::vector<GameRow>& games,
                          const std::vector<AnswerRow>& answers, const QString& className) {
    RecordMerge write;
    QSqlQuery game(server);
    QSqlQuery answer(server);
    // Answers alone (an imported file) need no game's function, nor its newest form.
    bool done =
        exec(server, QStringLiteral("BEGIN")) &&
        (games.empty() || game.prepare(QStringLiteral("SELECT quintarlow_add_game(?::uuid, ?, ?, ?,"
                                                      " ?::timestamptz, ?::timestamptz, ?, ?)"))) &&
        answer.prepare(QStringLiteral(
            "SELECT quintarlow_add_answer(?::uuid, ?, ?, ?::timestamptz, ?, ?::uuid, ?,"
            " ?, ?, ?, ?, ?, ?, ?)"));
    for (auto row = games.begin(); done && row != games.end(); ++row) {
        for (const QVariant& value :
             {QVariant(row->gameId), QVariant(row->blue), QVariant(row->red), row->winner,
              QVariant(row->startedAt), row->endedAt,
              QVariant(row->className.isEmpty() ? className : row->className),
              QVariant(row->againstComputer)})
            game.addBindValue(value);
        done = game.exec();
    }
    for (auto row = answers.begin(); done && row != answers.end(); ++row) {
        for (const QVariant& value :
             {QVariant(row->answerId), QVariant(row->player), QVariant(playerKey(row->player)),
              QVariant(isoWithOffset(row->playedAt)), QVariant(row->playedAt.offsetFromUtc()),
              QVariant(row->gameId), QVariant(row->turn), QVariant(row->a), QVariant(row->b),
              QVariant(row->product),
              row->answered ? QVariant(*row->answered) : QVariant(QMetaType(QMetaType::Int)),
              QVariant(outcomeName(row->outcome)), QVariant(row->ms),
              QVariant(row->className.isEmpty() ? className : row->className)})
            answer.addBindValue(value);
        done = answer.exec() && answer.next();
        (done && answer.value(0).toBool() ? write.added : write.skipped)++;
    }
    if (done && exec(server, QStringLiteral("COMMIT")))
        return write;
    const QSqlError why =
        !game.lastError().isValid() || game.lastError().type() == QSqlError::NoError
            ? answer.lastError()
            : game.lastError();
    exec(server, QStringLiteral("ROLLBACK"));
    return {0, 0,
            why.type() == QSqlError::NoError ? server.lastError().databaseText().simplified()
                                             : why.databaseText().simplified()};
}

QString forgottenHash(const QString& name) {
    return QString::fromLatin1(
        QCryptographicHash::hash(playerKey(name).toUtf8(), QCryptographicHash::Sha256).toHex());
}

} // namespace quintarlow
