#pragma once

#include "app/languagechoice.h"

#include <QTranslator>

#include <memory>

namespace quintarlow {

// The language the user asked for, read before any application object exists: `--language`
// from the command line, `language=` under [game] in the settings file, then the desktop.
LanguageChoice askedLanguage(int argc, char* argv[]);

// The game's own translations into one language and Qt's (its help and message boxes), loaded
// once and handed to each application object the program makes in turn. English needs none.
class GameTranslations {
public:
    // `folders`: where the game's .qm files may lie, first found first.
    GameTranslations(const QString& language, const QStringList& folders);
    // Into the application object alive now: later texts are looked up in these first.
    void install() const;
    // A text of the command line's (`quintarlow::CommandText`) said while no application
    // object exists to install the translations into.
    QString beforeTheApplication(const char* commandText) const;
    // False when the game's own file for a language other than English was not found.
    bool complete() const { return m_complete; }

private:
    std::unique_ptr<QTranslator> m_game = std::make_unique<QTranslator>();
    std::unique_ptr<QTranslator> m_qt = std::make_unique<QTranslator>();
    bool m_complete = true;
};

} // namespace quintarlow
