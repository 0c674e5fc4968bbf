#include "core/playernames.h"

#include <algorithm>
#include <vector>

namespace quintarlow {

// A name's faults and a name not found, as the command line says them.
struct NameWords {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::NameWords)
};

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

NameFault nameFault(const QString& name) {
    const QList<uint> characters = composedName(name).toUcs4();
    for (const uint character : characters)
        if (refused(character))
            return {NameFault::Kind::RefusedCharacter, character, characters.size()};
    if (characters.size() > MaximumNameLength)
        return {NameFault::Kind::TooLong, 0, characters.size()};
    return {NameFault::Kind::None, 0, characters.size()};
}

QString codePointText(uint character) {
    return QStringLiteral("U+") +
           QString::number(character, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString nameProblem(const QString& name) {
    const NameFault fault = nameFault(name);
    switch (fault.kind) {
    case NameFault::Kind::RefusedCharacter:
        return NameWords::tr("player holds a control or invisible character (%1)")
            .arg(codePointText(fault.character));
    case NameFault::Kind::TooLong:
        return NameWords::tr("player has %1 characters, more than %2")
            .arg(fault.length)
            .arg(MaximumNameLength);
    case NameFault::Kind::None:
        break;
    }
    return {};
}

QString withoutRefusedCharacters(const QString& name) {
    QList<uint> kept = name.toUcs4();
    kept.removeIf([](uint character) { return refused(character); });
    return composedName(
        QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size()));
}

// A unit separator: a control character, which the rule for names refuses.
constexpr QChar ClassMark(0x1F);

QString nameKey(const QString& name) {
    const auto [plain, classKey] = classChild(name);
    return childOfClass(composedName(plain.trimmed().toCaseFolded()), classKey);
}

QString childOfClass(const QString& name, const QString& classKey) {
    return classKey.isEmpty() ? name : name + ClassMark + classKey;
}

ClassChild classChild(const QString& child) {
    const qsizetype mark = child.lastIndexOf(ClassMark);
    if (mark < 0)
        return {child, {}};
    return {child.left(mark), child.mid(mark + 1)};
}

QString shownName(const QString& name) {
    const auto [plain, classKey] = classChild(name);
    const QString shown = plain.trimmed().isEmpty() ? QStringLiteral("“%1”").arg(plain) : plain;
    return classKey.isEmpty() ? shown : QStringLiteral("%1 (%2)").arg(shown, classKey.toUpper());
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

QStringList childrenNamed(const QString& asked, const QStringList& names) {
    QStringList exactly;
    QStringList byName;
    for (const QString& name : names) {
        if (sameName(name, asked) || sameName(shownName(name), asked))
            exactly.append(name);
        else if (sameName(classChild(name).name, asked))
            byName.append(name);
    }
    return exactly.isEmpty() ? byName : exactly;
}

QString notOneChildText(const QString& asked, const QStringList& names) {
    QStringList shown;
    for (const QString& name : names)
        shown.append(shownName(name));
    const QStringList found = childrenNamed(asked, names);
    if (found.isEmpty())
        return unknownPlayerText(asked, shown);
    QStringList those;
    for (const QString& name : found)
        those.append(shownName(name));
    return NameWords::tr("“%1” is a child of more than one class: “%2”. Name one of them as "
                         "shown and try again.")
        .arg(asked, those.join(QStringLiteral("”, “")));
}

QString unknownPlayerText(const QString& asked, const QStringList& names) {
    QString text = NameWords::tr("nobody called “%1” is in the practice record.").arg(asked);
    const QStringList close = closeNames(asked, names);
    if (!close.isEmpty())
        return text + NameWords::tr(" Did you mean “%1”? Check the spelling and try again.")
                          .arg(close.mid(0, 5).join(QStringLiteral("”, “")));
    if (names.isEmpty())
        return text + NameWords::tr(" Nobody has played yet.");
    const QString listed = names.mid(0, 12).join(QStringLiteral("”, “"));
    if (names.size() > 12)
        return text + NameWords::tr(" The players are “%1” and %L2 more. Check the spelling and "
                                    "try again.")
                          .arg(listed)
                          .arg(names.size() - 12);
    return text +
           NameWords::tr(" The players are “%1”. Check the spelling and try again.").arg(listed);
}

} // namespace quintarlow
