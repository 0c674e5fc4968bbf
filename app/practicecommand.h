#pragma once

#include <QStringList>

class QCommandLineParser;
class QTextStream;

namespace quintarlow {

class RecordEditor;

// quintarlow --practice NAME [--new] [--tables LIST|all] [--ask-missed on|off] [--path on|off]
// [--seconds N] [--opponent easy|level|hard]: a teacher sets or reads one player's practice
// settings on the terminal, without a display.

// For --help to list them.
void addPracticeOptions(QCommandLineParser& parser);
// Whether the arguments ask for the command rather than for the game.
bool isPracticeCommand(const QStringList& arguments);
// Changes what the options give, keeps the rest, then prints the settings as kept; anything
// wrong is one line on `err`. Returns the exit status. Without a record nothing can be kept. A
// name neither among `knownNames` (the record's players) nor with settings of its own needs
// --new.
int runPracticeCommand(const QStringList& arguments, RecordEditor* record,
                       const QStringList& knownNames, QTextStream& out, QTextStream& err);

} // namespace quintarlow
