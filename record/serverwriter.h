#pragma once

#include "record/recordreader.h"

#include <QString>
#include <QVariant>
#include <vector>

class QSqlDatabase;

namespace quintarlow {

// One game as the local file keeps it; its times are the file's text, with their offsets.
struct GameRow {
    QString gameId;
    QString blue;
    QString red;
    QVariant winner; // null while it is played, or left unfinished
    QString startedAt;
    QVariant endedAt;  // null while it is played
    QString className; // the class it was played in; empty when not known
    bool againstComputer = false;
};

// The one way answers and games reach a school's server, from a machine's sending round as
// from a teacher's import: through the server's own functions, in one transaction, each row
// carrying the class it was played in (`className` for a row that does not say). A game sent again
// once ended gets its winner and end; an answer the server holds already is skipped. On a
// refusal, the server's words and nothing added.
RecordMerge writeToServer(const QSqlDatabase& server, const std::vector<GameRow>& games,
                          const std::vector<AnswerRow>& answers, const QString& className);

// What a server keeps of a forgotten player: the SHA-256 of the name as names compare.
QString forgottenHash(const QString& name);

} // namespace quintarlow
