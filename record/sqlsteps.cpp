#include "record/sqlsteps.h"

#include <QSqlError>
#include <QSqlQuery>

namespace quintarlow {

QSqlQuery runStatement(const QSqlDatabase& db, const QString& sql, const QVariantList& values) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return query;
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

bool exec(const QSqlDatabase& db, const QString& statement, QString* error) {
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    if (error)
        *error = query.lastError().databaseText();
    return false;
}

bool failed(const QSqlQuery& query) {
    return query.lastError().isValid();
}

} // namespace quintarlow
