#pragma once

#include <QString>
#include <QStringList>

namespace quintarlow {

// The languages in which every text of the game's screens and voice is written and said (i18n/).
inline QStringList readyLanguages() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"),
            QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("nb")};
}

// What the desktop says, before Qt starts, of the language its user reads.
struct LanguageEnvironment {
    QString language{};   // LANGUAGE: preferences, most wanted first, separated by colons
    QString lcAll{};      // LC_ALL
    QString lcMessages{}; // LC_MESSAGES
    QString lang{};       // LANG
};

struct LanguageChoice {
    QString code;       // one of the languages offered
    QString notShipped; // what was asked for and is not shipped, for one line on stderr
};

// `--language` first, then `language=` under [game] in the settings, then the desktop as gettext
// reads it: LANGUAGE's list unless the locale (LC_ALL, else LC_MESSAGES, else LANG) is C, then
// the locale itself. Norwegian (no) and Nynorsk (nn) read Bokmål, the nearest shipped. Anything
// else unknown falls back to English.
// `offered` holds English.
LanguageChoice chooseLanguage(const QStringList& offered, const QString& option,
                              const QString& setting, const LanguageEnvironment& environment);

} // namespace quintarlow
