#pragma once

#include <QString>

class QSettings;
class QSqlDatabase;

namespace quintarlow {

// Where a school keeps its practice record: a PostgreSQL server named once per machine by
// whoever manages the computers, in the [record] group of quintarlow.conf. Never holds a
// password: the login is a password file or, on the server's own machine, peer login on its
// Unix socket.
struct ServerSettings {
    QString host; // a name, an address, or a Unix-socket folder ("/var/run/postgresql")
    int port = 0; // 0: PostgreSQL's own default
    QString database;
    QString user;
    QString passwordFile; // a libpq password file, mode 0600
    QString sslMode;      // empty: require, unless the server is on this machine
    QString sslRootCert;  // the school's certificate authority, for verify-ca and verify-full
    // The class whose children play on this machine ("4B"), carried by every answer and game
    // it sends; on a teacher's machine, the class a child first set up there belongs to.
    QString className;

    // No host: the record stays in the local file only.
    bool isSet() const { return !host.isEmpty(); }
    bool isOnThisMachine() const;
    QString effectiveSslMode() const;

    // Reads the [record] group; a per-user file overrides the machine's, key by key. A password
    // in the file is never used, and a port or sslmode no server takes is not tried: the server
    // is left out and *problem says why and what to do, in one line that names the key and no
    // setting's value.
    static ServerSettings read(QSettings& settings, QString* problem);
    // The machine's settings: /etc/xdg/quintarlow/quintarlow.conf, overridden by
    // ~/.config/quintarlow/quintarlow.conf.
    static ServerSettings forThisMachine(QString* problem);

    // How the sending process is told, on its standard input rather than its command line,
    // which anyone on the machine can read.
    QByteArray serialize() const;
    static ServerSettings deserialize(const QByteArray& lines);

    // A PostgreSQL connection with short timeouts, so a server that hangs costs a sending
    // round seconds, never minutes.
    QSqlDatabase open(const QString& connectionName) const;
    // Why the connection open() made is not open: one cause and its next step, naming no host,
    // user or file (the login refused, no password found, the passfile ignored because others
    // can read it, a database or user the server does not know, TLS, or no server at all).
    QString whyNotOpen(const QSqlDatabase& db) const;

    // A passfile libpq would ignore, since others than its owner may read it.
    bool passfileIgnored() const;

    friend bool operator==(const ServerSettings&, const ServerSettings&) = default;
};

} // namespace quintarlow
