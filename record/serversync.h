#pragma once

#include "record/serversettings.h"

#include <QString>

namespace quintarlow {

// How one sending round ended; the sending process's exit status.
enum class SyncStatus {
    Sent = 0,            // the server holds every answer and game the local record holds
    Unreachable = 3,     // no connection, or it broke or hung (also a round that was ended)
    NewerServer = 4,     // the server's tables are newer than this program knows
    Refused = 5,         // the server answered with an error (rights, tables)
    LocalUnreadable = 6, // the local record cannot be read or is newer than this program
    NotStarted = 7,      // the sending process could not be started
};

// One contact with the school's server. First what the school decided reaches the local
// record: answers older than the days it keeps them, and players a teacher forgot, are deleted
// here too. Then what the local record holds and the server has not confirmed is sent: games
// first (so an answer's game is there before it), then answers oldest first, each batch in one
// server transaction. Only once the server has committed are they marked sent locally; a round
// cut short anywhere sends them again, which the server skips by their ids. Last, practice
// settings are exchanged, the later change winning. With nothing to send it reaches the server
// only when asked to (a game's first round). Blocks on the network: it runs only in the sending
// process.
SyncStatus sendUnsent(const QString& localDatabase, const ServerSettings& server,
                      bool evenIfNothingToSend);

// The sending process (`quintarlow --sync-record`): reads on standard input what
// RecordSender writes there, sends, and exits with the SyncStatus.
int runSyncRecord();

} // namespace quintarlow
