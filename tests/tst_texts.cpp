#include "boardstate.h"
#include "namecheck.h"
#include "speechpauses.h"
#include "spokentexts.h"

#include <QTest>

using namespace quintarlow;

using Phrases = QList<QPair<QString, int>>;

class TextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void spoken_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("question") << Texts::question(7, 8) << QStringLiteral("7, times, 8");
        QTest::newRow("equal factors")
            << Texts::question(12, 12) << QStringLiteral("12, times, 12");
        QTest::newRow("no question yet") << Texts::generateYourMultipliers(QStringLiteral("RED"))
                                         << QStringLiteral("red,, generate your multipliers");
        QTest::newRow("blue verdict")
            << Texts::verdictAndTurn(Texts::verdict(QStringLiteral("42"), QStringLiteral("BLUE")),
                                     QStringLiteral("RED"))
            << QStringLiteral("42, that is correct, blue gets the square. , it is, reds turn");
        QTest::newRow("red verdict")
            << Texts::verdictAndTurn(Texts::verdict(QStringLiteral("144"), QStringLiteral("RED")),
                                     QStringLiteral("BLUE"))
            << QStringLiteral("144, that is correct, red gets the square. , it is, blues turn");
        QTest::newRow("time out")
            << Texts::correctAnswerSpeech(QString(Texts::OutOfTime), 42, QStringLiteral("RED"))
            << QStringLiteral(
                   "you are out of time.  the correct answer was,, 42, it is, REDs turn.");
        QTest::newRow("wrong square")
            << Texts::correctAnswerSpeech(Texts::wrongPrompt(QStringLiteral("42")), 56,
                                          QStringLiteral("BLUE"))
            << QStringLiteral(
                   "42  that is wrong.  the correct answer was,, 56, it is, BLUEs turn.");
        QTest::newRow("winner") << Texts::winnerAnnouncement(QStringLiteral("red"))
                                << QStringLiteral("attention! attention! we have a winner! "
                                                  "congratulations to the,, red, player");
        QTest::newRow("turn line")
            << Texts::turnLine(QStringLiteral("RED")) << QStringLiteral("IT'S RED's TURN");
    }
    void spoken() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void turnPasses_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("blue") << QStringLiteral("BLUE") << QStringLiteral("RED");
        QTest::newRow("red") << QStringLiteral("RED") << QStringLiteral("BLUE");
        QTest::newRow("after a win") << QStringLiteral("blue") << QStringLiteral("BLUE");
        QTest::newRow("empty") << QString() << QStringLiteral("BLUE");
    }
    void turnPasses() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QCOMPARE(nextTurnColour(from), to);
    }

    void names_data() {
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("blue");
        QTest::addColumn<bool>("accepted");
        const QString redDefault = RedNamePlaceholder;
        const QString blueDefault = BlueNamePlaceholder;
        QTest::newRow("both defaults") << redDefault << blueDefault << false;
        QTest::newRow("red default") << redDefault << QStringLiteral("Ann") << false;
        QTest::newRow("blue default") << QStringLiteral("Bo") << blueDefault << false;
        QTest::newRow("red empty") << QString() << QStringLiteral("Ann") << false;
        QTest::newRow("blue empty") << QStringLiteral("Bo") << QString() << false;
        QTest::newRow("two names") << QStringLiteral("Bo") << QStringLiteral("Ann") << true;
        QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral(" ") << true;
        QTest::newRow("defaults swapped") << blueDefault << redDefault << true;
        QTest::newRow("default in lower case")
            << redDefault.toLower() << QStringLiteral("A") << true;
        QTest::newRow("markup") << QStringLiteral("<b>x</b>") << QStringLiteral("<img src=x>")
                                << true;
        QTest::newRow("non-latin") << QStringLiteral("Zoë") << QStringLiteral("Ωμέγα 李") << true;
        QTest::newRow("thirty characters")
            << QString(30, QLatin1Char('r')) << QStringLiteral("b") << true;
    }
    void names() {
        QFETCH(QString, red);
        QFETCH(QString, blue);
        QFETCH(bool, accepted);
        QCOMPARE(namesGiven(red, blue), accepted);
    }

    void commaRuns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Phrases>("phrases");
        const int one = pauseForCommaRun(1);
        const int two = pauseForCommaRun(2);
        QTest::newRow("question") << QStringLiteral("7, times, 8")
                                  << Phrases{{QStringLiteral("7"), one},
                                             {QStringLiteral("times"), one},
                                             {QStringLiteral("8"), 0}};
        QTest::newRow("no commas")
            << QStringLiteral("blue goes first") << Phrases{{QStringLiteral("blue goes first"), 0}};
        QTest::newRow("double without blanks")
            << QStringLiteral("four in a row,,across")
            << Phrases{{QStringLiteral("four in a row"), two}, {QStringLiteral("across"), 0}};
        QTest::newRow("trailing run")
            << QStringLiteral("that is not a valid selection,, try again,, ")
            << Phrases{{QStringLiteral("that is not a valid selection"), two},
                       {QStringLiteral("try again"), two}};
        QTest::newRow("comma after a blank")
            << QStringLiteral("the square. , it is")
            << Phrases{{QStringLiteral("the square."), one}, {QStringLiteral("it is"), 0}};
        QTest::newRow("empty") << QString() << Phrases{};
    }
    void commaRuns() {
        QFETCH(QString, text);
        QFETCH(Phrases, phrases);
        Phrases actual;
        for (const auto& phrase : splitAtCommaRuns(text))
            actual.append({phrase.text, phrase.pauseAfterMs});
        QCOMPARE(actual, phrases);
    }

    void longerRunsPauseLonger() {
        QVERIFY(pauseForCommaRun(1) > 0);
        QVERIFY(pauseForCommaRun(2) > pauseForCommaRun(1));
        QVERIFY(pauseForCommaRun(3) > pauseForCommaRun(2));
    }
};

QTEST_GUILESS_MAIN(TextsTest)
#include "tst_texts.moc"
