#include "media/speechpauses.h"

namespace quintarlow {

int pauseForCommaRun(int commas) {
    if (commas <= 0)
        return 0;
    return 180 + 270 * (commas - 1);
}

QList<SpeechPhrase> splitAtCommaRuns(const QString& text) {
    QList<SpeechPhrase> phrases;
    QString current;
    int position = 0;
    const int length = static_cast<int>(text.size());
    while (position < length) {
        const QChar character = text.at(position);
        if (character != QLatin1Char(',')) {
            current += character;
            ++position;
            continue;
        }
        int commas = 0;
        while (position < length &&
               (text.at(position) == QLatin1Char(',') || text.at(position).isSpace())) {
            if (text.at(position) == QLatin1Char(','))
                ++commas;
            ++position;
        }
        const QString phrase = current.trimmed();
        if (!phrase.isEmpty())
            phrases.append({phrase, pauseForCommaRun(commas)});
        else if (!phrases.isEmpty())
            phrases.last().pauseAfterMs += pauseForCommaRun(commas);
        current.clear();
    }
    const QString last = current.trimmed();
    if (!last.isEmpty())
        phrases.append({last, 0});
    return phrases;
}

} // namespace quintarlow
