#include "core/playernames.h"

#include <algorithm>
#include <vector>

namespace quintarlow {

namespace {

QString key(const QString& name) {
    return nameKey(name);
}

bool refused(char32_t character) {
    switch (QChar::category(character)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Letters to add, drop or change to turn one name into the other.
int editDistance(const QString& x, const QString& y) {
    std::vector<int> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] != y[j - 1])});
            diagonal = above;
        }
    }
    return row[y.size()];
}

} // namespace

QString composedName(const QString& name) {
    return name.normalized(QString::NormalizationForm_C);
}

QString nameProblem(const QString& name) {
    const QList<uint> characters = composedName(name).toUcs4();
    for (const uint character : characters)
        if (refused(character))
            return QStringLiteral("holds a control or invisible character (U+%1)")
                .arg(QString::number(character, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    if (characters.size() > MaximumNameLength)
        return QStringLiteral("has %1 characters, more than %2")
            .arg(characters.size())
            .arg(MaximumNameLength);
    return {};
}

QString withoutRefusedCharacters(const QString& name) {
    QList<uint> kept = name.toUcs4();
    kept.removeIf([](uint character) { return refused(character); });
    return composedName(
        QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size()));
}

QString nameKey(const QString& name) {
    return composedName(name.trimmed().toCaseFolded());
}

QString shownName(const QString& name) {
    return name.trimmed().isEmpty() ? QStringLiteral("“%1”").arg(name) : name;
}

bool sameName(const QString& x, const QString& y) {
    return key(x) == key(y);
}

QStringList closeNames(const QString& asked, const QStringList& names) {
    const QString wanted = key(asked);
    // Short names have few letters to spare.
    const int allowed = wanted.size() <= 4 ? 1 : 2;
    std::vector<std::pair<int, QString>> close;
    for (const QString& name : names) {
        const QString candidate = key(name);
        const int distance = editDistance(wanted, candidate);
        const bool holds = !wanted.isEmpty() && !candidate.isEmpty() &&
                           (candidate.contains(wanted) || wanted.contains(candidate));
        if (distance <= allowed || holds)
            close.emplace_back(distance, name);
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    QStringList found;
    for (const auto& [distance, name] : close)
        found.append(name);
    return found;
}

QString unknownPlayerText(const QString& asked, const QStringList& names) {
    QString text = QStringLiteral("nobody called “%1” is in the practice record.").arg(asked);
    const QStringList close = closeNames(asked, names);
    if (!close.isEmpty())
        return text + QStringLiteral(" Did you mean “%1”? Check the spelling and try again.")
                          .arg(close.mid(0, 5).join(QStringLiteral("”, “")));
    if (names.isEmpty())
        return text + QStringLiteral(" Nobody has played yet.");
    text +=
        QStringLiteral(" The players are “%1”").arg(names.mid(0, 12).join(QStringLiteral("”, “")));
    if (names.size() > 12)
        text += QStringLiteral(" and %1 more").arg(names.size() - 12);
    return text + QStringLiteral(". Check the spelling and try again.");
}

} // namespace quintarlow
