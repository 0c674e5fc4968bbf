#include "record/schemasteps.h"

#include "core/playernames.h"
#include "record/recordrows.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// The family's file: the steps more than a statement or two long (versions 5, 7 and 10).

namespace quintarlow::schema {

// The file's list of players counted afresh from its answers. SQLite takes played_at from the
// row that holds the MAX.
QString countEveryGame() {
    return QStringLiteral("INSERT INTO player_games SELECT player, game_id, COUNT(*),"
                          " SUM(outcome = 'right'), MAX(played_ms), played_at FROM answers"
                          " GROUP BY player, game_id");
}

// Ids in one form, lower case without braces, as every later import writes them: an answer
// imported earlier in capitals or braces and again in the plain form is kept once.
QStringList canonicalIds() {
    const auto canonical = [](const char* column) {
        return QStringLiteral("lower(trim(%1, '{}'))").arg(QLatin1String(column));
    };
    QStringList steps;
    for (const auto& [table, column] : {std::pair{"answers", "answer_id"},
                                        {"games", "game_id"},
                                        {"server_sent", "answer_id"},
                                        {"server_sent_games", "game_id"}})
        steps << QStringLiteral("DELETE FROM %1 WHERE rowid NOT IN (SELECT MIN(rowid) FROM %1"
                                " GROUP BY %2)")
                     .arg(QLatin1String(table), canonical(column))
              << QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %2 <> %3")
                     .arg(QLatin1String(table), QLatin1String(column), canonical(column));
    steps << QStringLiteral("UPDATE answers SET game_id = %1 WHERE game_id <> %1")
                 .arg(canonical("game_id"));
    return steps;
}

// Names kept before the one rule for names: composed, without control or invisible characters,
// so that two spellings that look the same are one player. Practice settings and the school's
// facts are keyed by the name: of two that become one, the later settings stay. The list of
// players is counted afresh, since ids and names changed under it.
QString mergeNamesAlike(const QSqlDatabase& db) {
    QString error;
    QStringList spellings;
    QSqlQuery names(db);
    if (!names.exec(QStringLiteral("SELECT player FROM answers UNION SELECT blue FROM games UNION"
                                   " SELECT red FROM games UNION SELECT winner FROM games"
                                   " WHERE winner IS NOT NULL UNION SELECT player FROM practice")))
        return names.lastError().databaseText();
    while (names.next())
        spellings.append(names.value(0).toString());
    names.finish();
    const auto update = [&db, &error](const QString& sql, const QVariantList& values) {
        QSqlQuery query(db);
        query.prepare(sql);
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec() && error.isEmpty())
            error = query.lastError().databaseText();
    };
    for (const QString& spelling : std::as_const(spellings)) {
        const QString kept = withoutRefusedCharacters(spelling);
        if (kept == spelling || kept.isEmpty())
            continue;
        for (const char* column :
             {"answers SET player = ? WHERE player", "games SET blue = ? WHERE blue",
              "games SET red = ? WHERE red", "games SET winner = ? WHERE winner",
              "practice SET player = ? WHERE player"})
            update(QStringLiteral("UPDATE %1 = ?").arg(QLatin1String(column)), {kept, spelling});
    }
    QSqlQuery keys(db);
    QList<std::pair<QString, QString>> rekeyed;
    for (const char* table : {"practice", "school_facts"}) {
        if (!keys.exec(QStringLiteral("SELECT player_key FROM %1").arg(QLatin1String(table))))
            return keys.lastError().databaseText();
        rekeyed.clear();
        while (keys.next())
            if (const QString old = keys.value(0).toString();
                nameKey(withoutRefusedCharacters(old)) != old)
                rekeyed.append({old, nameKey(withoutRefusedCharacters(old))});
        keys.finish();
        for (const auto& [old, key] : std::as_const(rekeyed)) {
            // The later settings win; the school's facts come again at the next contact.
            update(QStringLiteral("DELETE FROM %1 WHERE player_key = ?%2")
                       .arg(QLatin1String(table),
                            table == std::string_view("practice")
                                ? QStringLiteral(" AND changed_ms < (SELECT MAX(changed_ms) FROM"
                                                 " practice WHERE player_key IN (?, ?))")
                                : QString()),
                   table == std::string_view("practice") ? QVariantList{key, old, key}
                                                         : QVariantList{key});
            update(QStringLiteral("DELETE FROM %1 WHERE player_key = ? AND EXISTS (SELECT 1 FROM"
                                  " %1 WHERE player_key = ?)")
                       .arg(QLatin1String(table)),
                   {old, key});
            update(QStringLiteral("UPDATE %1 SET player_key = ? WHERE player_key = ?")
                       .arg(QLatin1String(table)),
                   {key, old});
        }
    }
    update(QStringLiteral("DELETE FROM player_games"), {});
    update(countEveryGame(), {});
    return error;
}

// A child is a child of a class on the machine too: two Toms of two classes sharing a machine
// keep their answers, settings and the school's facts apart. What the file kept before is of no
// class, as it was; a machine sends it for the class its settings name, as before.
QStringList childOfAClassHere() {
    const auto keyedByClass = [](const char* table, const char* columns, const char* kept) {
        return QStringList{
            QStringLiteral("CREATE TABLE %1_by_class (class TEXT NOT NULL DEFAULT '',"
                           " player_key TEXT NOT NULL, %2, PRIMARY KEY (class, player_key))")
                .arg(QLatin1String(table), QLatin1String(columns)),
            QStringLiteral("INSERT INTO %1_by_class (player_key, %2) SELECT player_key, %2 FROM %1")
                .arg(QLatin1String(table), QLatin1String(kept)),
            QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)),
            QStringLiteral("ALTER TABLE %1_by_class RENAME TO %1").arg(QLatin1String(table))};
    };
    return QStringList{
               QStringLiteral("ALTER TABLE answers ADD COLUMN class TEXT NOT NULL DEFAULT ''"),
               QStringLiteral("ALTER TABLE games ADD COLUMN class TEXT NOT NULL DEFAULT ''"),
               QStringLiteral("ALTER TABLE player_games ADD COLUMN class TEXT NOT NULL DEFAULT ''"),
               QStringLiteral("DROP TRIGGER answer_counted"),
               QStringLiteral(
                   "CREATE TRIGGER answer_counted AFTER INSERT ON answers BEGIN"
                   " INSERT INTO player_games (player, game_id, answers, right_answers, last_ms,"
                   " last_at, class) VALUES (new.player, new.game_id, 1, new.outcome = 'right',"
                   " new.played_ms, new.played_at, new.class) ON CONFLICT (player, game_id) DO"
                   " UPDATE SET answers = answers + 1, right_answers = right_answers +"
                   " excluded.right_answers, last_at = CASE WHEN excluded.last_ms > last_ms THEN"
                   " excluded.last_at ELSE last_at END, last_ms = MAX(last_ms, excluded.last_ms);"
                   " END")} +
           keyedByClass("practice",
                        "player TEXT NOT NULL, tables TEXT NOT NULL, ask_missed INTEGER NOT NULL,"
                        " changed_ms BIGINT NOT NULL DEFAULT 0, path INTEGER NOT NULL DEFAULT 0,"
                        " answer_seconds INTEGER NOT NULL DEFAULT 20",
                        "player, tables, ask_missed, changed_ms, path, answer_seconds") +
           keyedByClass("school_facts", "facts TEXT NOT NULL", "facts");
}

} // namespace quintarlow::schema
