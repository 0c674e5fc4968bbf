#include "record/recordrows.h"

#include "core/outcomewords.h"
#include "record/recordcsv.h"
#include "record/recordwords.h"
#include "record/sqliterecord.h"

#include "core/playernames.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace quintarlow {

QString keptTablesText(const std::vector<int>& tables) {
    QStringList numbers;
    for (int table : tables)
        numbers.append(QString::number(table));
    // Every table is an empty text, never a null one, which the column refuses.
    return numbers.isEmpty() ? QStringLiteral("") : numbers.join(QLatin1Char(','));
}

std::vector<int> keptTables(const QString& text) {
    std::vector<int> tables;
    for (const QString& number : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const int table = number.toInt(); table >= 1 && table <= 12)
            tables.push_back(table);
    std::sort(tables.begin(), tables.end());
    return tables;
}

PracticeSettings practiceSettingsFrom(const QSqlQuery& query, int first) {
    PracticeSettings settings;
    settings.tables = keptTables(query.value(first).toString());
    settings.askMissed = query.value(first + 1).toInt() != 0;
    settings.path = query.value(first + 2).toInt() != 0;
    settings.answerSeconds = query.value(first + 3).toInt();
    return settings;
}

QVariantList practiceValues(const PracticeSettings& settings) {
    return {keptTablesText(settings.tables), settings.askMissed ? 1 : 0, settings.path ? 1 : 0,
            settings.answerSeconds};
}

namespace {

QString unknownOutcome(const QString& answerId, const QString& word) {
    return RecordWords::tr("the record holds an answer (%1) with the unknown outcome \"%2\"")
        .arg(answerId.isEmpty() ? RecordWords::tr("no id read") : answerId, word);
}

std::optional<Outcome> outcomeIn(const QSqlQuery& query, int column, int idColumn, QString* error) {
    const QString word = query.value(column).toString();
    const auto outcome = outcomeOf(word);
    if (!outcome)
        *error = unknownOutcome(idColumn < 0 ? QString() : query.value(idColumn).toString(), word);
    return outcome;
}

} // namespace

std::optional<AnswerRow> answerRowFrom(const QSqlQuery& query, QString* error) {
    const auto outcome = outcomeIn(query, 9, 0, error);
    if (!outcome)
        return std::nullopt;
    AnswerRow row;
    row.answerId = query.value(0).toString();
    row.player = query.value(1).toString();
    row.playedAt = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
    row.gameId = query.value(3).toString();
    row.turn = query.value(4).toInt();
    row.a = query.value(5).toInt();
    row.b = query.value(6).toInt();
    row.product = query.value(7).toInt();
    if (!query.isNull(8))
        row.answered = query.value(8).toInt();
    row.outcome = *outcome;
    row.ms = query.value(10).toLongLong();
    row.className = query.value(11).toString();
    return row;
}

std::optional<FactAnswer> factAnswerFrom(const QSqlQuery& query, QString* error) {
    const auto outcome = outcomeIn(query, 2, -1, error);
    if (!outcome)
        return std::nullopt;
    return FactAnswer{query.value(0).toInt(), query.value(1).toInt(), *outcome,
                      query.value(3).toLongLong(),
                      QDate::fromString(query.value(4).toString().left(10), Qt::ISODate)};
}

FactsOfEach::FactsOfEach(const std::vector<QString>& players) : each(players.size()) {
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (players[i].isEmpty())
            m_everyone.push_back(i);
        else
            m_byKey[playerKey(players[i])].push_back(i);
    }
}

const std::vector<std::size_t>& FactsOfEach::takers(const QString& spelling) {
    auto found = m_bySpelling.find(spelling);
    if (found == m_bySpelling.end()) {
        // A child of a class is also the child of that name asked for in any class.
        std::vector<std::size_t> slots = m_byKey.value(playerKey(spelling));
        if (const ClassChild child = classChild(spelling); !child.classKey.isEmpty()) {
            const std::vector<std::size_t> anyClass = m_byKey.value(playerKey(child.name));
            slots.insert(slots.end(), anyClass.begin(), anyClass.end());
        }
        slots.insert(slots.end(), m_everyone.begin(), m_everyone.end());
        found = m_bySpelling.insert(spelling, std::move(slots));
    }
    return *found;
}

void FactsOfEach::add(const QString& spelling, const QSqlQuery& query, QString* error) {
    const std::vector<std::size_t>& slots = takers(spelling);
    if (slots.empty())
        return;
    const auto answer = factAnswerFrom(query, error);
    if (!answer)
        return;
    for (std::size_t slot : slots)
        each[slot].push_back(*answer);
}

void FactsOfEach::addPacked(const QString& spelling, const QByteArray& text, QString* error) {
    const std::vector<std::size_t>& slots = takers(spelling);
    std::string_view packed(text.constData(), std::size_t(text.size()));
    constexpr qint64 JulianDayOf1970 = 2440588;
    while (!slots.empty() && !packed.empty()) {
        const std::size_t end = std::min(packed.find(','), packed.size());
        std::string_view fields = packed.substr(0, end);
        packed.remove_prefix(std::min(end + 1, packed.size()));
        std::array<std::string_view, 5> field;
        for (std::string_view& one : field) {
            const std::size_t blank = std::min(fields.find(' '), fields.size());
            one = fields.substr(0, blank);
            fields.remove_prefix(std::min(blank + 1, fields.size()));
        }
        const auto number = [](std::string_view text) {
            qint64 value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            return value;
        };
        const auto outcome = outcomeOfWord(field[2]);
        if (!outcome) {
            *error =
                unknownOutcome({}, QString::fromUtf8(field[2].data(), qsizetype(field[2].size())));
            continue;
        }
        const FactAnswer answer{int(number(field[0])), int(number(field[1])), *outcome,
                                number(field[3]),
                                QDate::fromJulianDay(JulianDayOf1970 + number(field[4]))};
        for (std::size_t slot : slots)
            each[slot].push_back(answer);
    }
}

QString packedFactAnswers() {
    return QStringLiteral("string_agg(concat_ws(' ', a, b, outcome, ms, %1 - DATE '1970-01-01'),"
                          " ',' ORDER BY played, answer_id)")
        .arg(LocalDay);
}

QString textArray(const QStringList& texts) {
    QStringList quoted;
    for (QString text : texts)
        quoted.append(QLatin1Char('"') +
                      text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
                          .replace(QLatin1Char('"'), QLatin1String("\\\"")) +
                      QLatin1Char('"'));
    return QLatin1Char('{') + quoted.join(QLatin1Char(',')) + QLatin1Char('}');
}

QVariantList answerValues(const AnswerRow& row) {
    return {row.answerId,
            row.player,
            isoWithOffset(row.playedAt),
            row.playedAt.toMSecsSinceEpoch(),
            row.gameId,
            row.turn,
            row.a,
            row.b,
            row.product,
            row.answered ? QVariant(*row.answered) : QVariant(QMetaType(QMetaType::Int)),
            outcomeName(row.outcome),
            row.ms,
            keptClass(row.className)};
}

QString playerFilter(const QSqlDatabase& db, const QString& player, QVariantList* values) {
    if (player.isEmpty())
        return {};
    const QString key = playerKey(player);
    const QString inClass = classChild(player).classKey;
    QStringList marks;
    QSqlQuery names(db);
    names.setForwardOnly(true);
    names.exec(QStringLiteral("SELECT DISTINCT player FROM player_games"));
    while (names.next()) {
        if (playerKey(childOfClass(names.value(0).toString(), inClass)) == key) {
            values->append(names.value(0));
            marks.append(QStringLiteral("?"));
        }
    }
    if (marks.isEmpty())
        return QStringLiteral(" WHERE 0 = 1");
    if (!inClass.isEmpty())
        values->append(inClass);
    return QStringLiteral(" WHERE player IN (%1)%2")
        .arg(marks.join(QStringLiteral(", ")),
             inClass.isEmpty() ? QString() : QStringLiteral(" AND class IN (?, '')"));
}

QString classKey(const QString& className) {
    // PostgreSQL's btrim() takes blanks only.
    qsizetype first = 0;
    qsizetype last = className.size();
    while (first < last && className[first] == QLatin1Char(' '))
        ++first;
    while (last > first && className[last - 1] == QLatin1Char(' '))
        --last;
    const QString lowered = className.mid(first, last - first).toLower();
    QString key;
    bool printableAscii = true;
    for (const char32_t c : lowered.toUcs4()) {
        printableAscii = printableAscii && c >= U' ' && c <= U'~';
        key += (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') ? QChar(c) : QLatin1Char('_');
    }
    if (key.isEmpty() || (printableAscii && key.size() <= 46))
        return key;
    return key.left(37) + QLatin1Char('_') +
           QString::fromLatin1(
               QCryptographicHash::hash(lowered.toUtf8(), QCryptographicHash::Md5).toHex().left(8));
}

void PlayerMerge::add(const QString& name, const QString& classKey, int answers, int right,
                      qint64 lastMs, const QString& lastAt, const QString& gameIds, int alone,
                      int wonAlone) {
    const QString key = playerKey(childOfClass(name, classKey));
    if (!m_byKey.contains(key)) {
        m_byKey.insert(key, m_summaries.size());
        m_summaries.push_back({});
        m_classes.push_back(classKey);
    }
    m_classesOfName[playerKey(name)].insert(classKey);
    PlayerSummary& summary = m_summaries[m_byKey.value(key)];
    summary.answers += answers;
    summary.right += right;
    summary.gamesAlone += alone;
    summary.wonAlone += wonAlone;
    if (summary.name.isEmpty() || lastMs > m_lastMs.value(key)) {
        summary.name = name; // the spelling used last
        summary.lastPlayed = QDateTime::fromString(lastAt, Qt::ISODateWithMs);
        m_lastMs.insert(key, lastMs);
    }
    for (const QString& game : gameIds.split(QLatin1Char(','), Qt::SkipEmptyParts))
        m_games[key].insert(game);
}

std::vector<PlayerSummary>
PlayerMerge::players(const std::function<bool(const QString& key)>& hasPracticeSettings) const {
    std::vector<PlayerSummary> summaries = m_summaries;
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        PlayerSummary& summary = summaries[i];
        const QString key = playerKey(childOfClass(summary.name, m_classes[i]));
        if (m_classesOfName.value(playerKey(summary.name)).size() > 1)
            summary.name = childOfClass(summary.name, m_classes[i]);
        summary.games = static_cast<int>(m_games.value(key).size());
        summary.hasPracticeSettings = hasPracticeSettings(playerKey(summary.name));
    }
    std::stable_sort(
        summaries.begin(), summaries.end(),
        [](const PlayerSummary& x, const PlayerSummary& y) { return x.lastPlayed > y.lastPlayed; });
    return summaries;
}

} // namespace quintarlow
