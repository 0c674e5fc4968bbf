#include "boardstate.h"
#include "speechpauses.h"

#include <QTest>

using namespace quintarlow;

using Phrases = QList<QPair<QString, int>>;

class TextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
