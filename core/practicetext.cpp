#include "practicetext.h"

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
    if (!settings.tables.empty()) {
        QStringList named;
        for (int table : settings.tables)
            named.append(QString::number(table) + QLatin1Char('s'));
        const QString last = named.takeLast();
        parts.append(QLatin1String("practising the ") +
                     (named.isEmpty()
                          ? last
                          : named.join(QLatin1String(", ")) + QLatin1String(" and ") + last));
    }
    if (settings.askMissed)
        parts.append(QStringLiteral("missed facts asked again"));
    return parts.join(QLatin1String("; "));
}

} // namespace quintarlow
