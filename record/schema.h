#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QSqlDatabase;

namespace quintarlow::schema {

// One numbered step of the record's tables. Shared statements use only what SQLite and
// PostgreSQL both understand (TEXT, INTEGER, BIGINT, PRIMARY KEY), so the file on a family's
// computer and a school's server are made by the very same list; a step may also hold what
// only the file (its sending state) or only the server (native types, classes, rights) keeps.
struct Migration {
    int version = 0;
    QStringList statements;
    QStringList localOnly;
    QStringList serverOnly;
    // What the file's step needs besides statements (names composed as the game composes them);
    // an empty text when done, otherwise why not.
    std::function<QString(const QSqlDatabase&)> localCode = {};
};

// Every step from an empty database on, oldest first.
const std::vector<Migration>& migrations();
int newestVersion();

// The version a database's tables are at: SQLite keeps it in PRAGMA user_version, PostgreSQL
// in the one-row table schema_version (absent: 0). -1 when it cannot be read.
int storedVersion(const QSqlDatabase& db);

// Brings the database up to the newest version in one transaction, so a step never half
// happens; two programs doing it at once take turns. Returns an empty text when the tables are
// ready, otherwise one line saying why not: a record newer than this program knows is never
// touched.
QString upgrade(const QSqlDatabase& db);

} // namespace quintarlow::schema
