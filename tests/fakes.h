#pragma once

#include "board/boardwindow.h"
#include "media/dialogs.h"
#include "media/soundplayer.h"
#include "media/speech.h"
#include "media/workarea.h"
#include "record/practicerecord.h"
#include "record/recordcsv.h"
#include "screens/screenset.h"
#include "widgets/vblabel.h"

#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTranslator>
#include <deque>
#include <memory>

namespace quintarlow::testing {

// The game's voice and sound, recorded: one ordered record of everything the game said and
// played, "say: …" and "play: …".
struct MediaLog final : Speech, SoundPlayer {
    QStringList entries;
    void speak(const QString& text) override { entries.append("say: " + text); }
    void playSoundFile(const QString& fileName) override { entries.append("play: " + fileName); }
};

class FixedWorkArea final : public WorkArea {
public:
    QRect readWorkArea() const override { return {0, 24, 1280, 776}; }
};

// Answers the message boxes from a script (Yes when the script runs dry) and keeps what
// was asked.
class ScriptedDialogs final : public Dialogs {
public:
    std::deque<bool> answers;
    QStringList asked;

    bool askYesNo(QWidget*, const QString& prompt, const QString& title) override {
        asked.append(title + ": " + prompt);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Said as "(No by default)" after the title, so that a test sees which default was offered.
    bool askToDelete(QWidget* parent, const QString& prompt, const QString& title) override {
        return askYesNo(parent, prompt, title + " (No by default)");
    }
    void warn(QWidget*, const QString& text, const QString& title) override {
        asked.append(title + ": " + text);
    }
};

// What the board reported to the record, one line a report: "start: Blue / Red",
// "answer: Ben 3x4 12 right" (the value clicked, "-" on a time-out), "finish: Ben" (empty
// winner for a game left unfinished).
struct RecordLog final : PracticeRecord {
    QStringList entries;
    void gameStarted(const QString& blue, const QString& red, const QDateTime&) override {
        entries.append("start: " + blue + " / " + red);
    }
    void gameStartedAgainstComputer(const QString& blue, const QDateTime&) override {
        entries.append("start alone: " + blue);
    }
    void answerJudged(const JudgedAnswer& answer) override {
        entries.append(QString::asprintf(
            "answer: %s %dx%d %s %s", qPrintable(answer.player), answer.a, answer.b,
            answer.answered ? qPrintable(QString::number(*answer.answered)) : "-",
            qPrintable(outcomeName(answer.outcome))));
    }
    void gameFinished(const QString& winner, const QDateTime&) override {
        entries.append("finish: " + winner);
    }
    bool keepsPlayers = false; // none of whose answers it holds yet
    PracticePlan practicePlan(const QString&) const override {
        PracticePlan plan;
        if (keepsPlayers)
            plan.kept = std::make_shared<const KeptHistory>();
        return plan;
    }
    QStringList names;
    QStringList playerNames() const override { return names; }
};

// Draws the factors a test queued, and 7 once they run out, whatever the player's plan.
struct FactorScript {
    std::deque<int> factors;
    int next() {
        if (factors.empty())
            return 7;
        const int factor = factors.front();
        factors.pop_front();
        return factor;
    }
    Fact operator()(const PracticePlan&, DrawMemory&) {
        const int a = next();
        return {a, next()};
    }
};

// The whole set of screens over recording fakes, or over the real services a test hands in,
// with factors drawn from a script.
struct Screens {
    MediaLog log;
    FixedWorkArea workArea;
    ScriptedDialogs dialogs;
    FactorScript script;
    RecordLog record;
    std::deque<int>& factors = script.factors;
    ScreenSet screens;

    // Reports go to `record` unless a test hands in a record of its own.
    explicit Screens(Speech* speech = nullptr, SoundPlayer* sound = nullptr,
                     PracticeRecord* ownRecord = nullptr)
        : screens({speech ? *speech : log, sound ? *sound : log, workArea, dialogs,
                   ownRecord ? *ownRecord : record, std::ref(script)}) {}
};

// A screen's control, found by its object name as a screen reader finds it by its own; none
// found ends the run, for every use would crash on it.
template <typename Control = QPushButton>
Control* control(const QWidget& screen, const char* name) {
    auto* found = screen.findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s in %s", name, screen.metaObject()->className());
    return found;
}
inline VbLabel* square(const QWidget& board, int index) {
    auto* found = board.findChild<VbLabel*>(squareObjectName(index));
    if (!found)
        qFatal("no square %d", index);
    return found;
}

#ifdef QUINTARLOW_TRANSLATIONS
// A test table's rows: each language the game ships.
inline void addLanguageRows() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "de", "es", "fr", "it", "nb"})
        QTest::newRow(language) << QString::fromLatin1(language);
}
// The game's translation into a language, put in for as long as it lives; English needs none.
struct InLanguage {
    QTranslator translation;
    bool loaded;
    explicit InLanguage(const QString& language)
        : loaded(language == QLatin1String("en") ||
                 translation.load(QStringLiteral("quintarlow_") + language,
                                  QStringLiteral(QUINTARLOW_TRANSLATIONS))) {
        QCoreApplication::installTranslator(&translation);
    }
    ~InLanguage() { QCoreApplication::removeTranslator(&translation); }
};
#endif

// The offscreen platform warns at every raise of a window; long runs keep their logs readable.
inline void silenceOffscreenRaise() {
    static const QtMessageHandler qt = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains("does not support raise"))
                qt(type, context, message);
        });
}

} // namespace quintarlow::testing
