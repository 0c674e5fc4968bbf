#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

// The steps migrations() lists that are longer than a line or two, by the version that brings
// them in. Each version's line in migrations() (schema.cpp) names its steps; the file's are in
// schemafilesteps.cpp, the server's in schemaserversteps.cpp (versions 3 to 6),
// schemaserverrights.cpp (version 9) and schemaserverclasses.cpp (versions 10 to 12).

namespace quintarlow::schema {

// The file's steps.
QString countEveryGame();                        // 5, and again by 7
QStringList canonicalIds();                      // 7
QString mergeNamesAlike(const QSqlDatabase& db); // 7
QStringList childOfAClassHere();                 // 10

// The server's steps.
QStringList serverClasses();                 // 3
QStringList childrenPerGame();               // 5
QStringList factsFromOtherMachines();        // 6
QStringList serverDecidesTheCaller();        // 9
QStringList onlyWhatTheGameMakes();          // 9
QStringList forgottenIsGone();               // 9
QStringList eachClassItsRole();              // 9
QStringList forgetInOneClass();              // 10
QStringList movingAChild();                  // 10
QStringList oneKeyForAName();                // 10
QStringList gamesAgainstTheComputer();       // 11
QStringList factsAndGamesOfTheChildsClass(); // 12
QStringList keyedByTheirNames();             // 12
// Closes every version from 9 on that makes functions.
QString pinSearchPaths();
// Gives back to the roles already set up their right to run functions made again.
QString grantAgain(const QString& functions);

} // namespace quintarlow::schema
