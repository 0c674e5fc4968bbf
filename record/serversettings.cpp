#include "record/serversettings.h"

#include "record/recordwords.h"

#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>

namespace quintarlow {

namespace {

constexpr auto group = "record";

// libpq reads key='value' pairs; Qt turns ';' into the separating space, so a value keeps
// its spaces and quotes only when quoted and escaped here.
QString libpqOption(const char* key, const QString& value) {
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1String(key) + QLatin1String("='") + quoted + QLatin1Char('\'');
}

struct Field {
    const char* key;
    QString ServerSettings::*value;
};
constexpr Field textFields[] = {
    {"host", &ServerSettings::host},       {"database", &ServerSettings::database},
    {"user", &ServerSettings::user},       {"passfile", &ServerSettings::passwordFile},
    {"sslmode", &ServerSettings::sslMode}, {"sslrootcert", &ServerSettings::sslRootCert},
    {"class", &ServerSettings::className},
};

} // namespace

bool ServerSettings::isOnThisMachine() const {
    // A socket folder, or the loopback names and addresses (127.0.0.0/8, ::1).
    return host.startsWith(QLatin1Char('/')) || host == QLatin1String("localhost") ||
           host.startsWith(QLatin1String("127.")) || host == QLatin1String("::1");
}

QString ServerSettings::effectiveSslMode() const {
    if (!sslMode.isEmpty())
        return sslMode;
    // Over the school's network, children's names travel encrypted or not at all.
    return isOnThisMachine() ? QStringLiteral("prefer") : QStringLiteral("require");
}

ServerSettings ServerSettings::read(QSettings& settings, QString* problem) {
    settings.beginGroup(QLatin1String(group));
    ServerSettings read;
    for (const Field& field : textFields)
        read.*field.value = settings.value(QLatin1String(field.key)).toString().trimmed();
    bool number = true;
    const QString portText = settings.value(QStringLiteral("port")).toString().trimmed();
    read.port = portText.isEmpty() ? 0 : portText.toInt(&number);
    const bool holdsPassword = settings.contains(QStringLiteral("password"));
    settings.endGroup();
    static const QStringList sslModes{QStringLiteral("disable"),   QStringLiteral("allow"),
                                      QStringLiteral("prefer"),    QStringLiteral("require"),
                                      QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
    QString wrong;
    if (holdsPassword)
        wrong = RecordWords::tr("the record server's settings in [record] hold a password key, "
                                "which the game refuses to use: remove that line and put the "
                                "password in the file named by passfile= (see the README, For "
                                "schools)");
    else if (!number || read.port < 0 || read.port > 65535)
        wrong = RecordWords::tr("the record server's settings in [record] hold a port= that is not "
                                "a port number (1 to 65535): correct it (see the README, For "
                                "schools)");
    else if (!read.sslMode.isEmpty() && !sslModes.contains(read.sslMode))
        wrong = RecordWords::tr("the record server's settings in [record] hold an sslmode= that is "
                                "none of %1: correct it (see the README, For schools)")
                    .arg(sslModes.join(QStringLiteral(", ")));
    if (!wrong.isEmpty() && read.isSet()) {
        if (problem)
            *problem = wrong;
        return {};
    }
    return read;
}

ServerSettings ServerSettings::forThisMachine(QString* problem) {
    QSettings settings(QSettings::UserScope, QStringLiteral("quintarlow"),
                       QStringLiteral("quintarlow"));
    return read(settings, problem);
}

QByteArray ServerSettings::serialize() const {
    QByteArray lines;
    for (const Field& field : textFields)
        lines +=
            QByteArray(field.key) + '=' + (this->*field.value).toUtf8().toPercentEncoding() + '\n';
    lines += "port=" + QByteArray::number(port) + '\n';
    return lines;
}

ServerSettings ServerSettings::deserialize(const QByteArray& lines) {
    ServerSettings read;
    for (const QByteArray& line : lines.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals);
        const QString value =
            QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(equals + 1)));
        for (const Field& field : textFields)
            if (key == field.key)
                read.*field.value = value;
        if (key == "port")
            read.port = value.toInt();
    }
    return read;
}

QSqlDatabase ServerSettings::open(const QString& connectionName) const {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(host);
    if (port > 0)
        db.setPort(port);
    db.setDatabaseName(database);
    db.setUserName(user);
    QStringList options{
        libpqOption("sslmode", effectiveSslMode()),
        libpqOption("connect_timeout", QStringLiteral("10")),
        libpqOption("keepalives_idle", QStringLiteral("10")),
        libpqOption("keepalives_interval", QStringLiteral("5")),
        libpqOption("keepalives_count", QStringLiteral("3")),
        libpqOption("application_name", QStringLiteral("quintarlow")),
        // A lock held by a machine that vanished must not keep this one waiting either.
        libpqOption("options", QStringLiteral("-c statement_timeout=20000")),
    };
    if (!passwordFile.isEmpty())
        options.append(libpqOption("passfile", passwordFile));
    if (!sslRootCert.isEmpty())
        options.append(libpqOption("sslrootcert", sslRootCert));
    db.setConnectOptions(options.join(QLatin1Char(';')));
    // libpq would say on stderr, in words of its own, that it ignores such a file.
    if (!passfileIgnored())
        db.open();
    return db;
}

bool ServerSettings::passfileIgnored() const {
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
    return !passwordFile.isEmpty() && QFileInfo(passwordFile).isFile() &&
           (QFile::permissions(passwordFile) & others);
}

QString ServerSettings::whyNotOpen(const QSqlDatabase& db) const {
    if (passfileIgnored())
        return RecordWords::tr("the file named by passfile= in [record] is ignored, since others "
                               "than its owner may read it (PostgreSQL takes only a file of mode "
                               "0600): make it private with chmod 600");
    // libpq's words, matched but not repeated: they may name the host or the user.
    const QString said = db.lastError().databaseText() + db.lastError().driverText();
    const auto says = [&said](const char* words) {
        return said.contains(QLatin1String(words), Qt::CaseInsensitive);
    };
    if (says("no password supplied"))
        return RecordWords::tr("the school's record server asks for a password and none was "
                               "found: add the line host:port:database:user:password to the file "
                               "named by passfile= in [record] (or ~/.pgpass)");
    if (says("authentication failed"))
        return RecordWords::tr("the school's record server refused the login (authentication "
                               "failed): check user= in [record] and the password in the passfile");
    if (says("pg_hba.conf"))
        return RecordWords::tr("the school's record server lets no one log in from here as that "
                               "user: its pg_hba.conf needs a line for this computer");
    if (says("database") && says("does not exist"))
        return RecordWords::tr("the school's record server has no database of the name database= "
                               "in [record] gives: correct it, or set the server up");
    if (says("role") && says("does not exist"))
        return RecordWords::tr("the school's record server knows no user of the name user= in "
                               "[record] gives: correct it, or ask for that login");
    if (says("SSL") || says("certificate"))
        return RecordWords::tr("the encrypted connection to the school's record server failed: "
                               "check sslmode= and sslrootcert= in [record]");
    return RecordWords::tr("the school's record server cannot be reached: check that it runs and "
                           "that host= and port= in [record] name it");
}

} // namespace quintarlow
