#include "core/gamesummary.h"

#include "core/factstats.h"
#include "core/learningpath.h"

#include <QCoreApplication>
#include <QStringList>

namespace quintarlow {

namespace {

QString numbers(const std::vector<int>& tables) {
    QStringList named;
    for (int table : tables)
        named.append(QString::number(table));
    return named.join(QLatin1String(", "));
}

// The parts after the name's, shown or (`spoken`) said.
QStringList summaryParts(const GameSummary& summary, bool spoken) {
    QStringList parts;
    // Two English texts, each a plural of its own: "0 new facts known" stays English, while a
    // language whose zero is singular (French) says so.
    parts.append(summary.newlyKnown == 1
                     ? QCoreApplication::translate("Texts", "%n new fact known", nullptr, 1)
                     : QCoreApplication::translate("Texts", "%n new facts known", nullptr,
                                                   summary.newlyKnown));
    if (summary.onPath && summary.learningTable == 0)
        parts.append(QCoreApplication::translate("Texts", "every table learned"));
    else if (summary.onPath)
        parts.append((spoken ? QCoreApplication::translate("Texts", "learning the %1 times table")
                             : QCoreApplication::translate("Texts", "learning the %1s"))
                         .arg(summary.learningTable));
    else if (!summary.tables.empty())
        parts.append(QCoreApplication::translate("Texts", "practising the tables %1")
                         .arg(numbers(summary.tables)));
    return parts;
}

} // namespace

GameSummary summariseGame(const QString& name, const KeptHistory& before,
                          const std::vector<FactAnswer>& game, const PracticeSettings& settings,
                          const QDate& today) {
    GameSummary summary{.name = name,
                        .asked = int(game.size()),
                        .tables = settings.path ? std::vector<int>{} : settings.tables,
                        .onPath = settings.path};
    for (const FactAnswer& answer : game)
        summary.right += answer.outcome == Outcome::Right;
    std::vector<FactAnswer> after = before.answers;
    after.insert(after.end(), game.begin(), game.end());
    // Known as the Practice Record's grid colours it, so the child hears what the window shows.
    const FactGrid then = factGrid(before.answers, before.fluencyMs);
    const FactGrid now = factGrid(after, before.fluencyMs);
    for (std::size_t a = 0; a < now.size(); ++a)
        for (std::size_t b = 0; b < now[a].size(); ++b)
            summary.newlyKnown +=
                now[a][b].status == FactStatus::Known && then[a][b].status != FactStatus::Known;
    if (settings.path)
        summary.learningTable =
            pathSummary(after, before.fluencyMs, today, settings.tables).currentTable;
    return summary;
}

// The count right is the plural's ("1 sur 1 juste", "2 sur 2 justes"); then one pass of arg: a
// name is data, and one holding "%2" must not take a count.
QStringList shownSummary(const GameSummary& summary) {
    return QStringList{
               QCoreApplication::translate("Texts", "%1: %n of %2 right", nullptr, summary.right)
                   .arg(summary.name, QString::number(summary.asked))} +
           summaryParts(summary, false);
}

QString spokenSummary(const GameSummary& summary) {
    return (QStringList{
                QCoreApplication::translate("Texts", "%1,, %n of %2 right", nullptr, summary.right)
                    .arg(summary.name, QString::number(summary.asked))} +
            summaryParts(summary, true))
        .join(QLatin1String(",, "));
}

} // namespace quintarlow
