#include "record/schoolsetup.h"

#include "core/playernames.h"
#include "record/recordrows.h"
#include "record/recordwords.h"
#include "record/schema.h"
#include "record/sqlsteps.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <map>

namespace quintarlow {

namespace {

const QString machines = QStringLiteral("quintarlow_machines");
const QString teachers = QStringLiteral("quintarlow_teachers");
const QString school = QStringLiteral("quintarlow_school");
// Owns the tables and the functions that run with its rights: it logs in to nothing, makes no
// roles and holds no group's role, so a function tricked into running a caller's code could
// do no more than the tables' owner.
const QString records = QStringLiteral("quintarlow_records");

// What a machine calls: it adds answers and games, and asks what a game needs.
const QStringList machineFunctions{
    QStringLiteral("quintarlow_add_game"),       QStringLiteral("quintarlow_add_answer"),
    QStringLiteral("quintarlow_contact"),        QStringLiteral("quintarlow_practice_for"),
    QStringLiteral("quintarlow_offer_practice"), QStringLiteral("quintarlow_forgotten_among"),
    QStringLiteral("quintarlow_facts_for"),
};

// What a teacher calls besides: forgetting reaches the machines of the teacher's classes.
const QStringList teacherFunctions{
    QStringLiteral("quintarlow_forget"),
    QStringLiteral("quintarlow_forget_in_class"),
    QStringLiteral("quintarlow_move_child"),
};

using Rights = std::map<QString, QSet<QString>>; // table or function: privileges

Rights rightsOf(const QString& role) {
    Rights rights;
    rights[QStringLiteral("schema_version")] = {QStringLiteral("SELECT")};
    if (role == machines) {
        for (const QString& function : machineFunctions)
            rights[function] = {QStringLiteral("EXECUTE")};
    } else if (role == teachers) {
        // The window, the export and the report read; forgetting deletes; the practice editor
        // sets; importing a file goes through the machines' own function. Row-level security
        // narrows all of it to the teacher's classes.
        for (const QString& function : machineFunctions + teacherFunctions)
            rights[function] = {QStringLiteral("EXECUTE")};
        rights[QStringLiteral("answers")] = {QStringLiteral("SELECT"), QStringLiteral("DELETE")};
        rights[QStringLiteral("answer_rows")] = {QStringLiteral("SELECT")};
        rights[QStringLiteral("player_games")] = {QStringLiteral("SELECT")};
        rights[QStringLiteral("games")] = {QStringLiteral("SELECT"), QStringLiteral("DELETE")};
        rights[QStringLiteral("practice")] = {QStringLiteral("SELECT"), QStringLiteral("INSERT"),
                                              QStringLiteral("UPDATE"), QStringLiteral("DELETE")};
        rights[QStringLiteral("school_settings")] = {QStringLiteral("SELECT")};
    } else {
        // quintarlow_school and the classes hold their teachers' rights through
        // quintarlow_teachers; their own role only widens what the rows show.
        rights.clear();
    }
    return rights;
}

const QStringList tables{QStringLiteral("schema_version"),  QStringLiteral("answers"),
                         QStringLiteral("answer_rows"),     QStringLiteral("games"),
                         QStringLiteral("practice"),        QStringLiteral("forgotten"),
                         QStringLiteral("school_settings"), QStringLiteral("player_games"),
                         QStringLiteral("refused_answers"), QStringLiteral("server_secret")};

class Setup {
public:
    explicit Setup(const QSqlDatabase& db) : m_db(db) {}

    // Without values, not prepared: PostgreSQL prepares no BEGIN, GRANT or CREATE ROLE.
    bool run(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery query(m_db);
        if (values.isEmpty())
            query.exec(sql);
        else
            query = runStatement(m_db, sql, values);
        return noted(query);
    }
    QVariant value(const QString& sql, const QVariantList& values = {}) {
        QSqlQuery query = runStatement(m_db, sql, values);
        noted(query);
        return query.next() ? query.value(0) : QVariant();
    }
    QSet<QString> granted(const QString& role, const QString& object, bool isFunction) {
        QSqlQuery query = runStatement(
            m_db,
            isFunction
                ? QStringLiteral("SELECT a.privilege_type FROM pg_proc p, aclexplode(p.proacl) a "
                                 "WHERE p.proname = ? AND p.pronamespace = current_schema()::"
                                 "regnamespace AND a.grantee = ?::regrole")
                : QStringLiteral(
                      "SELECT a.privilege_type FROM pg_class c, aclexplode(c.relacl) a WHERE "
                      "c.oid = ?::regclass AND a.grantee = ?::regrole UNION SELECT "
                      "a.privilege_type || ' (columns)' FROM pg_attribute t, aclexplode(t.attacl) "
                      "a WHERE t.attrelid = ?::regclass AND a.grantee = ?::regrole"),
            isFunction ? QVariantList{object, role} : QVariantList{object, role, object, role});
        QSet<QString> rights;
        while (query.next())
            rights.insert(query.value(0).toString());
        return rights;
    }

    // One role made if missing, then given exactly its rights.
    void role(const QString& name) {
        if (!value(QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"), {name}).isValid()) {
            run(QStringLiteral("CREATE ROLE %1 NOLOGIN").arg(name));
            say(RecordWords::tr("Made the role %1.").arg(name));
        }
        // The classes and the school reach the tables through quintarlow_teachers.
        if ((name == machines || name == teachers) &&
            !value(QStringLiteral("SELECT has_database_privilege(?, current_database(), "
                                  "'CONNECT') AND has_schema_privilege(?, current_schema(), "
                                  "'USAGE')"),
                   {name, name})
                 .toBool()) {
            run(QStringLiteral("GRANT CONNECT ON DATABASE \"%1\" TO %2")
                    .arg(m_db.databaseName(), name));
            run(QStringLiteral("GRANT USAGE ON SCHEMA public TO %1").arg(name));
            say(RecordWords::tr("Let %1 connect to the database.").arg(name));
        }
        const Rights wanted = rightsOf(name);
        QStringList objects = tables;
        for (const QString& function : machineFunctions + teacherFunctions)
            objects.append(function);
        for (const QString& object : std::as_const(objects)) {
            const bool isFunction = object.startsWith(QLatin1String("quintarlow_"));
            const QString on = (isFunction ? QStringLiteral("FUNCTION ") : QString()) + object;
            const QSet<QString> has = granted(name, object, isFunction);
            const auto found = wanted.find(object);
            const QSet<QString> want = found == wanted.end() ? QSet<QString>() : found->second;
            QStringList extra;
            for (const QString& right : has)
                if (!want.contains(right))
                    extra.append(right.section(QLatin1Char(' '), 0, 0));
            QStringList missing;
            for (const QString& right : want)
                if (!has.contains(right))
                    missing.append(right);
            extra.sort();
            missing.sort();
            if (!extra.isEmpty()) {
                run(QStringLiteral("REVOKE %1 ON %2 FROM %3")
                        .arg(extra.join(QStringLiteral(", ")), on, name));
                say(QStringLiteral("Took %1 on %2 from %3.")
                        .arg(extra.join(QStringLiteral(", ")), object, name));
            }
            if (!missing.isEmpty()) {
                run(QStringLiteral("GRANT %1 ON %2 TO %3")
                        .arg(missing.join(QStringLiteral(", ")), on, name));
                say(QStringLiteral("Gave %1 %2 on %3.")
                        .arg(name, missing.join(QStringLiteral(", ")), object));
            }
        }
    }

    // PUBLIC, which every login holds, may neither connect (the group roles may) nor make the
    // temporary objects a function of ours could be shown in place of a table.
    void closeToPublic() {
        const QString held = QStringLiteral(
            "SELECT has_database_privilege('public', current_database(), 'TEMPORARY') OR"
            " has_database_privilege('public', current_database(), 'CONNECT')");
        if (!value(held).toBool())
            return;
        run(QStringLiteral("REVOKE TEMPORARY, CONNECT ON DATABASE \"%1\" FROM PUBLIC")
                .arg(m_db.databaseName()));
        if (value(held).toBool())
            refuse(QStringLiteral("every login may still connect to the database or make "
                                  "temporary tables in it; its owner must run REVOKE "
                                  "TEMPORARY, CONNECT ON DATABASE \"%1\" FROM PUBLIC")
                       .arg(m_db.databaseName()));
        say(RecordWords::tr("Took TEMPORARY and CONNECT on the database from PUBLIC."));
    }

    // Nor may PUBLIC make tables or functions beside ours, as PostgreSQL before 15 let every
    // login do in the schema public (and a database upgraded from one still does): a function
    // a machine made there, named like ours, would stop every later set-up, which cannot change
    // what it does not own.
    void closeSchemaToPublic() {
        const QString held =
            QStringLiteral("SELECT has_schema_privilege('public', current_schema(), 'CREATE')");
        if (!value(held).toBool())
            return;
        const QString schema =
            value(QStringLiteral("SELECT quote_ident(current_schema())")).toString();
        run(QStringLiteral("REVOKE CREATE ON SCHEMA %1 FROM PUBLIC").arg(schema));
        if (value(held).toBool())
            refuse(QStringLiteral("every login may still make tables and functions in the schema "
                                  "%1; its owner must run REVOKE CREATE ON SCHEMA %1 FROM PUBLIC")
                       .arg(schema));
        say(QStringLiteral("Took CREATE on the schema %1 from PUBLIC.").arg(schema));
    }

    // The tables and functions made by this login (or an earlier set-up) go to the role that
    // owns them; this login stays a member so that later versions can change them.
    void giveToRecords() {
        if (!value(QStringLiteral("SELECT 1 FROM pg_roles WHERE rolname = ?"), {records})
                 .isValid()) {
            run(QStringLiteral("CREATE ROLE %1 NOLOGIN NOCREATEROLE NOCREATEDB").arg(records));
            say(RecordWords::tr("Made the role %1.").arg(records));
        }
        memberOf(value(QStringLiteral("SELECT current_user")).toString(), records);
        if (!value(QStringLiteral("SELECT has_schema_privilege(?, 'public', 'CREATE') AND "
                                  "has_database_privilege(?, current_database(), 'TEMPORARY')"),
                   {records, records})
                 .toBool()) {
            // The count of a child's answers per game is kept with a temporary table.
            run(QStringLiteral("GRANT USAGE, CREATE ON SCHEMA public TO %1").arg(records));
            run(QStringLiteral("GRANT TEMPORARY ON DATABASE \"%1\" TO %2")
                    .arg(m_db.databaseName(), records));
        }
        QSqlQuery owned = runStatement(
            m_db,
            QStringLiteral("SELECT 'TABLE ' || quote_ident(relname) FROM pg_class WHERE "
                           "relname = ANY (?) AND relnamespace = current_schema()::regnamespace "
                           "AND relowner <> ?::regrole UNION ALL SELECT 'FUNCTION ' || "
                           "oid::regprocedure FROM pg_proc WHERE proname LIKE 'quintarlow\\_%' "
                           "AND pronamespace = current_schema()::regnamespace AND proowner <> "
                           "?::regrole"),
            {textArray(tables), records, records});
        QStringList objects;
        while (owned.next())
            objects.append(owned.value(0).toString());
        for (const QString& object : std::as_const(objects))
            run(QStringLiteral("ALTER %1 OWNER TO %2").arg(object, records));
        if (!objects.isEmpty())
            say(RecordWords::tr("Gave the tables and functions to %1.").arg(records));
    }

    void memberOf(const QString& member, const QString& group) {
        if (value(QStringLiteral("SELECT 1 FROM pg_auth_members WHERE roleid = ?::regrole AND "
                                 "member = ?::regrole"),
                  {group, member})
                .isValid())
            return;
        run(QStringLiteral("GRANT %1 TO %2").arg(group, member));
        say(RecordWords::tr("Made %1 a member of %2.").arg(member, group));
    }

    void say(const QString& line) { m_said.append(line); }
    void refuse(const QString& why) {
        if (m_error.isEmpty())
            m_error = why;
    }
    const QStringList& said() const { return m_said; }
    const QString& error() const { return m_error; }

private:
    // Whether the statement was done; the first failure is the one said.
    bool noted(const QSqlQuery& query) {
        if (failed(query) && m_error.isEmpty())
            m_error = query.lastError().databaseText().simplified();
        return !failed(query);
    }

    QSqlDatabase m_db;
    QStringList m_said;
    QString m_error;
};

} // namespace

QStringList setUpSchoolServer(const QSqlDatabase& db, const QStringList& classes,
                              std::optional<int> keepDays, QString* error) {
    const int before = schema::storedVersion(db);
    if (const QString why = schema::upgrade(db); !why.isEmpty()) {
        *error = why;
        return {};
    }
    Setup setup(db);
    if (before != schema::newestVersion())
        setup.say(RecordWords::tr("Brought the tables from version %1 to %2.")
                      .arg(before)
                      .arg(schema::newestVersion()));
    setup.run(QStringLiteral("BEGIN"));
    setup.closeToPublic();
    setup.closeSchemaToPublic();
    setup.giveToRecords();
    QStringList roles{machines, teachers, school};
    // The server's own rule names each class's role, as it keys the class's rows.
    std::map<QString, QString> named; // role: the class name that gave it
    for (const QString& name : classes) {
        if (name.trimmed().isEmpty())
            continue;
        const QString role =
            QStringLiteral("quintarlow_class_") +
            setup.value(QStringLiteral("SELECT quintarlow_class_key(?)"), {name}).toString();
        const auto [earlier, added] = named.emplace(role, name);
        if (added)
            roles.append(role);
        else if (earlier->second.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) != 0)
            setup.refuse(RecordWords::tr("the classes \"%1\" and \"%2\" would share the role %3; "
                                         "name them apart by a letter or digit")
                             .arg(earlier->second, name, role));
    }
    for (const QString& role : std::as_const(roles))
        setup.role(role);
    setup.memberOf(school, teachers);
    if (keepDays) {
        const QVariant kept = setup.value(QStringLiteral("SELECT keep_days FROM school_settings"));
        const QVariant wanted = *keepDays > 0 ? QVariant(*keepDays) : QVariant();
        if (kept.toInt() != wanted.toInt()) {
            setup.run(QStringLiteral("UPDATE school_settings SET keep_days = ?"),
                      {*keepDays > 0 ? QVariant(*keepDays) : QVariant(QMetaType(QMetaType::Int))});
            setup.say(*keepDays > 0
                          ? RecordWords::tr("Answers are now kept %1 days.").arg(*keepDays)
                          : RecordWords::tr("Answers are now kept until a child is forgotten."));
        }
    }
    if (!setup.error().isEmpty() || !setup.run(QStringLiteral("COMMIT"))) {
        *error = setup.error();
        exec(db, QStringLiteral("ROLLBACK"));
        return {};
    }
    QStringList said = setup.said();
    if (said.isEmpty())
        said.append(RecordWords::tr("Everything was set up already; nothing changed."));
    return said;
}

QString expireSchoolRecord(const QSqlDatabase& db, QString* error) {
    if (const int version = schema::storedVersion(db); version != schema::newestVersion()) {
        *error = RecordWords::tr("the tables are at version %1, this program's at %2: run "
                                 "--setup-school-server first")
                     .arg(version)
                     .arg(schema::newestVersion());
        return {};
    }
    QSqlQuery expired = runStatement(db, QStringLiteral("SELECT * FROM quintarlow_expire()"), {});
    if (!expired.next()) {
        *error = expired.lastError().databaseText().simplified();
        return {};
    }
    if (expired.isNull(0))
        return RecordWords::tr("Answers are kept until a child is forgotten; nothing expired.");
    return RecordWords::tr("Deleted what is older than %4 days: answers %1, games %2, settings %3.")
        .arg(expired.value(1).toLongLong())
        .arg(expired.value(2).toLongLong())
        .arg(expired.value(3).toLongLong())
        .arg(expired.value(0).toInt());
}

QString moveSchoolChild(const QSqlDatabase& db, const QString& name, const QString& fromClass,
                        const QString& toClass, QString* error) {
    QSqlQuery moved = runStatement(db, QStringLiteral("SELECT quintarlow_move_child(?, ?, ?)"),
                                   {nameKey(name), fromClass, toClass});
    if (!moved.next()) {
        *error = moved.lastError().databaseText().simplified();
        return {};
    }
    return QStringLiteral("Moved %1 from %2 to %3, with %4 answers.")
        .arg(name, fromClass, toClass)
        .arg(moved.value(0).toLongLong());
}

} // namespace quintarlow
