#pragma once

#include <QCoreApplication>

namespace quintarlow {

// The command line's words, one translation context for every command.
struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(quintarlow::CommandText)
};

// `text` is tr("... %Ln answer(s) ...", nullptr, count), before any file or player's name is put
// in: each translation holds the forms of its language, and English, played without a
// translation file, takes its own here.
inline QString englishPlural(QString text, qint64 count) {
    return text.replace(QLatin1String("(s)"), count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace quintarlow
