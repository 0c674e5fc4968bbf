#pragma once

#include <QString>
#include <QVariant>

class QSqlDatabase;
class QSqlQuery;

namespace quintarlow {

// The few ways every part of the record runs a statement, on the local file and on a school's
// server alike.

// Runs one statement with its values; the query, to read from or check. Every read here goes
// through its rows once. A statement that cannot be prepared keeps the driver's reason.
QSqlQuery runStatement(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// Runs one statement as it stands, not prepared: PostgreSQL prepares no BEGIN, GRANT or CREATE
// ROLE. Whether it was done; the database's own words in `error` when not.
bool exec(const QSqlDatabase& db, const QString& statement, QString* error = nullptr);

bool failed(const QSqlQuery& query);

} // namespace quintarlow
