#pragma once

#include <QList>
#include <QString>

namespace quintarlow {

// A stretch of text to be said, followed by a silence.
struct SpeechPhrase {
    QString text;
    int pauseAfterMs = 0;
};

// The voice says commas as one fixed short pause, however many there are; the game's texts
// use runs of commas for longer pauses. The text is cut at every run of commas (blanks
// around them included), and the silence after each piece grows with the length of the run.
QList<SpeechPhrase> splitAtCommaRuns(const QString& text);

int pauseForCommaRun(int commas);

} // namespace quintarlow
