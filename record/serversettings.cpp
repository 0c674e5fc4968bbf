#include "record/serversettings.h"

#include <QSettings>
#include <QSqlDatabase>

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
    read.port = settings.value(QStringLiteral("port"), 0).toInt();
    const bool holdsPassword = settings.contains(QStringLiteral("password"));
    settings.endGroup();
    if (holdsPassword && read.isSet()) {
        if (problem)
            *problem = QStringLiteral(
                "quintarlow: the record server's settings hold a password, which the game never "
                "uses; answers are kept on this computer (see the README, For schools)");
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
    db.open();
    return db;
}

} // namespace quintarlow
