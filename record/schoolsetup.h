#pragma once

#include <QStringList>
#include <optional>

class QSqlDatabase;

namespace quintarlow {

// Sets a school's server up on the tables' owner's connection, in one transaction: the tables
// brought up to date; the group roles quintarlow_machines, quintarlow_teachers,
// quintarlow_school (every class; a teacher too) and one per class made where missing (two
// names that would share a role are refused), each with exactly its rights (anything more is
// taken away); and, when given, how many days answers are kept (0: until forgotten). Returns one
// line per thing done, or that nothing needed changing; on failure nothing is changed and *error
// says why.
QStringList setUpSchoolServer(const QSqlDatabase& db, const QStringList& classes,
                              std::optional<int> keepDays, QString* error);

// Deletes from the server what the school no longer keeps (answers and games older than the
// days kept, the settings of children whose last answer went), as each machine's contact
// does, so that retention waits for no machine. Returns one line saying what went, or empty
// with *error saying why not.
QString expireSchoolRecord(const QSqlDatabase& db, QString* error);

// Moves the child of that name from one class to the other, with their answers and settings,
// on the word of a teacher of both classes or the school's. Returns one line saying so, or
// empty with *error saying why not (no such child, one of that name in the other class, or a
// login that may not).
QString moveSchoolChild(const QSqlDatabase& db, const QString& name, const QString& fromClass,
                        const QString& toClass, QString* error);

} // namespace quintarlow
