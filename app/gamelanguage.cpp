#include "app/gamelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>

namespace quintarlow {

namespace {

QString optionValue(int argc, char* argv[]) {
    const QByteArray name = "--language";
    for (int index = 1; index < argc; ++index) {
        const QByteArray argument(argv[index]);
        if (argument == name && index + 1 < argc)
            return QString::fromLocal8Bit(argv[index + 1]);
        if (argument.startsWith(name + '='))
            return QString::fromLocal8Bit(argument.mid(name.size() + 1));
    }
    return {};
}

} // namespace

LanguageChoice askedLanguage(int argc, char* argv[]) {
    const QSettings settings(QSettings::UserScope, QStringLiteral("quintarlow"),
                             QStringLiteral("quintarlow"));
    const auto variable = [](const char* name) { return qEnvironmentVariable(name); };
    return chooseLanguage(
        readyLanguages(), optionValue(argc, argv),
        settings.value(QStringLiteral("game/language")).toString(),
        {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")});
}

GameTranslations::GameTranslations(const QString& language, const QStringList& folders) {
    if (language == QLatin1String("en"))
        return;
    // Numbers and dates as the language writes them, unless the desktop's region already does
    // ("de" asked on an Austrian desktop keeps Austria's months).
    if (QLocale().language() != QLocale(language).language())
        QLocale::setDefault(QLocale(language));
    const QString file = QStringLiteral("quintarlow_") + language;
    m_complete = std::any_of(folders.begin(), folders.end(),
                             [&](const QString& folder) { return m_game->load(file, folder); });
    // Debian's Qt translations, where qt6-translations-l10n put them.
    (void)m_qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString GameTranslations::beforeTheApplication(const char* commandText) const {
    const QString translated = m_game->translate("quintarlow::CommandText", commandText);
    return translated.isEmpty() ? QString::fromUtf8(commandText) : translated;
}

void GameTranslations::install() const {
    if (!m_qt->isEmpty())
        QCoreApplication::installTranslator(m_qt.get());
    if (!m_game->isEmpty())
        QCoreApplication::installTranslator(m_game.get());
}

} // namespace quintarlow
