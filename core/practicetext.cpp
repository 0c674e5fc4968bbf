#include "core/practicetext.h"

#include <QStringList>
#include <algorithm>

namespace quintarlow {

namespace {
constexpr int TableCount = 12;
}

TableList parseTables(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
        return {};
    if (trimmed.isEmpty())
        return {{}, QStringLiteral("the list of tables is empty (give tables like 3,4,6 or all)")};
    TableList list;
    for (const QString& untrimmed : trimmed.split(QLatin1Char(','))) {
        const QString entry = untrimmed.trimmed();
        if (entry.isEmpty())
            return {{}, QStringLiteral("\"%1\" has an empty entry").arg(trimmed)};
        bool isNumber = false;
        const int table = entry.toInt(&isNumber);
        if (!isNumber || table < 1 || table > TableCount)
            return {{}, QStringLiteral("\"%1\" is not a table from 1 to 12").arg(entry)};
        list.tables.push_back(table);
    }
    std::sort(list.tables.begin(), list.tables.end());
    list.tables.erase(std::unique(list.tables.begin(), list.tables.end()), list.tables.end());
    if (list.tables.size() == TableCount)
        list.tables.clear();
    return list;
}

QString tablesText(const std::vector<int>& tables) {
    if (tables.empty())
        return QStringLiteral("all");
    QStringList entries;
    for (int table : tables)
        entries.append(QString::number(table));
    return entries.join(QLatin1Char(','));
}

QString practiceWords(const PracticeSettings& settings) {
    QStringList parts;
    // On the path its own draw asks missed facts again, so only the tables it runs over count.
    if (settings.path)
        parts.append(settings.tables.empty() ? QStringLiteral("following the learning path")
                                             : QLatin1String("following the learning path over ") +
                                                   tablesWords(settings.tables));
    else if (!settings.tables.empty())
        parts.append(QLatin1String("practising ") + tablesWords(settings.tables));
    if (settings.askMissed && !settings.path)
        parts.append(QStringLiteral("missed facts asked again"));
    if (settings.answerSeconds != AnswerSeconds)
        parts.append(QStringLiteral("%1 seconds to answer").arg(settings.answerSeconds));
    if (settings.opponent != ComputerLevel::Level)
        parts.append(settings.opponent == ComputerLevel::Easy ? QStringLiteral("an easy computer")
                                                              : QStringLiteral("a hard computer"));
    return parts.join(QLatin1String("; "));
}

QString listed(const QStringList& items) {
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QLatin1String(", ")) + QLatin1String(" and ") +
           items.last();
}

QString tablesWords(const std::vector<int>& tables) {
    QStringList named;
    for (int table : tables)
        named.append(QString::number(table) + QLatin1Char('s'));
    return QLatin1String("the ") + listed(named);
}

} // namespace quintarlow
