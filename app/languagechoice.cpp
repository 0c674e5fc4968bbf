#include "app/languagechoice.h"

namespace quintarlow {

namespace {

// "de_AT.UTF-8@euro" -> "de"; "C" and "POSIX" are English without saying so.
QString languageOf(const QString& tag) {
    QString language = tag.trimmed().toLower();
    for (const QChar end : {QLatin1Char('.'), QLatin1Char('@'), QLatin1Char('_'), QLatin1Char('-')})
        language = language.section(end, 0, 0);
    if (language == QLatin1String("c") || language == QLatin1String("posix"))
        return QStringLiteral("en");
    if (language == QLatin1String("no") || language == QLatin1String("nn"))
        return QStringLiteral("nb");
    return language;
}

LanguageChoice chosen(const QStringList& offered, const QString& asked) {
    const QString language = languageOf(asked);
    if (offered.contains(language))
        return {language, {}};
    return {QStringLiteral("en"), asked.trimmed()};
}

} // namespace

LanguageChoice chooseLanguage(const QStringList& offered, const QString& option,
                              const QString& setting, const LanguageEnvironment& environment) {
    if (!option.trimmed().isEmpty())
        return chosen(offered, option);
    if (!setting.trimmed().isEmpty())
        return chosen(offered, setting);
    const QString locale = !environment.lcAll.isEmpty()        ? environment.lcAll
                           : !environment.lcMessages.isEmpty() ? environment.lcMessages
                                                               : environment.lang;
    // In the C locale gettext ignores LANGUAGE, and so does the game.
    const QString localeLanguage = locale.section(QLatin1Char('.'), 0, 0);
    if (locale.isEmpty() || localeLanguage == QLatin1String("C") ||
        localeLanguage == QLatin1String("POSIX"))
        return {QStringLiteral("en"), {}};
    QStringList wanted = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted.append(locale);
    for (const QString& asked : wanted)
        if (offered.contains(languageOf(asked)))
            return {languageOf(asked), {}};
    return {QStringLiteral("en"), wanted.first()};
}

} // namespace quintarlow
