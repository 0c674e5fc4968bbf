#include "speechpauses.h"

#include <QTest>

using namespace quintarlow;

using Phrases = QList<QPair<QString, int>>;

class TextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commaRuns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Phrases>("phrases");
        const int one = pauseForCommaRun(1);
        const int two = pauseForCommaRun(2);
        QTest::newRow("question") << "7, times, 8" << Phrases{{"7", one}, {"times", one}, {"8", 0}};
        QTest::newRow("double without blanks")
            << "four in a row,,across" << Phrases{{"four in a row", two}, {"across", 0}};
        QTest::newRow("trailing run")
            << "not valid,, try again,, " << Phrases{{"not valid", two}, {"try again", two}};
        QTest::newRow("comma after a blank")
            << "the square. , it is" << Phrases{{"the square.", one}, {"it is", 0}};
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
};

QTEST_GUILESS_MAIN(TextsTest)
#include "tst_texts.moc"
