#include "core/practicetext.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace quintarlow {

// How a child's practice settings read in the Practice Record, its reports and the command line.
struct PracticeWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::PracticeWords)
};

namespace {
constexpr int TableCount = 12;
}

TableList parseTables(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
        return {};
    if (trimmed.isEmpty())
        return {{},
                PracticeWords::tr("the list of tables is empty (give tables like 3,4,6 or all)")};
    TableList list;
    for (const QString& untrimmed : trimmed.split(QLatin1Char(','))) {
        const QString entry = untrimmed.trimmed();
        if (entry.isEmpty())
            return {{}, PracticeWords::tr("\"%1\" has an empty entry").arg(trimmed)};
        bool isNumber = false;
        const int table = entry.toInt(&isNumber);
        if (!isNumber || table < 1 || table > TableCount)
            return {{}, PracticeWords::tr("\"%1\" is not a table from 1 to 12").arg(entry)};
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
        parts.append(settings.tables.empty()
                         ? PracticeWords::tr("following the learning path")
                         : PracticeWords::tr("following the learning path over %1")
                               .arg(tablesWords(settings.tables)));
    else if (!settings.tables.empty())
        parts.append(PracticeWords::tr("practising %1").arg(tablesWords(settings.tables)));
    if (settings.askMissed && !settings.path)
        parts.append(PracticeWords::tr("missed facts asked again"));
    if (settings.answerSeconds != AnswerSeconds)
        parts.append(PracticeWords::tr("%1 seconds to answer").arg(settings.answerSeconds));
    if (settings.opponent != ComputerLevel::Level)
        parts.append(settings.opponent == ComputerLevel::Easy
                         ? PracticeWords::tr("an easy computer")
                         : PracticeWords::tr("a hard computer"));
    return parts.join(QLatin1String("; "));
}

QString listed(const QStringList& items) {
    if (items.size() < 2)
        return items.join(QString());
    return PracticeWords::tr("%1 and %2", "the last of a list")
        .arg(items.mid(0, items.size() - 1).join(QLatin1String(", ")), items.last());
}

QString tablesWords(const std::vector<int>& tables) {
    QStringList named;
    for (int table : tables)
        named.append(PracticeWords::tr("%1s", "a times table: the 7s").arg(table));
    return PracticeWords::tr("the %1", "times tables").arg(listed(named));
}

} // namespace quintarlow
