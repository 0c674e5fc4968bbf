#include "boardlayout.h"
#include "clocktext.h"
#include "colours.h"

#include <QSet>
#include <QTest>

using namespace quintarlow;

class BoardLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void productSquaresAscendInReadingOrder() {
        int previous = 0;
        int numbered = 0;
        for (int index = 0; index < BoardSquareCount; ++index) {
            if (squareKind(index) != SquareKind::Numbered)
                continue;
            bool isNumber = false;
            const int value = squareCaption(index).toInt(&isNumber);
            QVERIFY2(isNumber, qPrintable(squareCaption(index)));
            QVERIFY(value > previous);
            previous = value;
            ++numbered;
        }
        QCOMPARE(numbered, 59);
        QCOMPARE(previous, 144);
    }

    void everyQuestionHasExactlyOneSquare() {
        for (int a = 1; a <= 12; ++a) {
            for (int b = 1; b <= 12; ++b) {
                int matches = 0;
                for (int index = 0; index < BoardSquareCount; ++index)
                    matches += squareCaption(index) == QString::number(a * b) ? 1 : 0;
                QCOMPARE(matches, 1);
                QCOMPARE(squareCaption(boardIndexOfProduct(a * b)), QString::number(a * b));
            }
        }
    }

    void captions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first product") << 1 << QStringLiteral("1");
        QTest::newRow("14 after 12") << 14 << QStringLiteral("14");
        QTest::newRow("last product") << 62 << QStringLiteral("144");
        QTest::newRow("row 6 ends in 100") << 55 << QStringLiteral("100");
        QTest::newRow("corner 0") << 0 << QStringLiteral("     Quintarlow!");
        QTest::newRow("corner 7") << 7 << QStringLiteral("     Quintarlow!");
        QTest::newRow("corner 56") << 56 << QStringLiteral("     Quintarlow!");
        QTest::newRow("corner 63") << 63 << QStringLiteral("     Quintarlow!");
        QTest::newRow("free") << 28 << QStringLiteral("  FREE");
        QTest::newRow("shadow of 81") << 65 << QStringLiteral("81");
        QTest::newRow("shadow of free is empty") << 126 << QString();
        QTest::newRow("shadow of a corner") << 101 << QStringLiteral("     Quintarlow!");
    }
    void captions() {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QCOMPARE(squareCaption(index), caption);
    }

    void numbersWithoutSquare_data() {
        QTest::addColumn<int>("number");
        for (int number : {0, 13, 17, 19, 23, 26, 29, 31, 97, 143, 145, 169})
            QTest::newRow(qPrintable(QString::number(number))) << number;
    }
    void numbersWithoutSquare() {
        QFETCH(int, number);
        QCOMPARE(boardIndexOfProduct(number), -1);
    }

    void shadowsAreOnePerSquareAndLieBehindIt() {
        QSet<int> shadows;
        for (int index = 0; index < BoardSquareCount; ++index) {
            const int shadow = shadowIndexBehind(index);
            QVERIFY(isShadowIndex(shadow));
            QCOMPARE(boardIndexInFrontOf(shadow), index);
            shadows.insert(shadow);
            const QRect square = squareGeometryTwips(index);
            const QRect behind = squareGeometryTwips(shadow);
            QCOMPARE(behind.size(), QSize(765, 765));
            QCOMPARE(behind.top() - square.top(), 120);
            const int offset = behind.left() - square.left();
            QVERIFY2(offset >= 115 && offset <= 125, qPrintable(QString::number(index)));
        }
        QCOMPARE(shadows.size(), 64);
    }

    void boardSquaresFillTheirArea() {
        QRect bounds;
        for (int index = 0; index < SquareLabelCount; ++index)
            bounds = bounds.united(squareGeometryTwips(index));
        QCOMPARE(bounds.left(), 4440);
        QCOMPARE(bounds.top(), 840);
        QCOMPARE(bounds.right() + 1, 11805);
        QCOMPARE(bounds.bottom() + 1, 8445);
    }

    void ownership_data() {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<int>("owner");
        QTest::newRow("blue") << quint32(0x00FF0000) << int(Player::Blue);
        QTest::newRow("red") << quint32(0x000000FF) << int(Player::Red);
        QTest::newRow("white") << quint32(0x00FFFFFF) << int(Player::Nobody);
        QTest::newRow("corner yellow") << quint32(0x0000FFFF) << int(Player::Nobody);
        QTest::newRow("free green") << quint32(0x0000FF00) << int(Player::Nobody);
        QTest::newRow("dark blue") << quint32(0x00C00000) << int(Player::Nobody);
    }
    void ownership() {
        QFETCH(quint32, colour);
        QFETCH(int, owner);
        QCOMPARE(int(SquareOwner(colour)), owner);
    }

    void clock_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("caption");
        QTest::newRow("full") << 20 << QStringLiteral(":20");
        QTest::newRow("first tick") << 19 << QStringLiteral(":19");
        QTest::newRow("padded") << 9 << QStringLiteral(":09");
        QTest::newRow("last second") << 0 << QStringLiteral(":00");
        QTest::newRow("time out") << -1 << QStringLiteral(":-01");
        QTest::newRow("running on hidden") << -2 << QStringLiteral(":-02");
    }
    void clock() {
        QFETCH(int, seconds);
        QFETCH(QString, caption);
        QCOMPARE(clockCaption(seconds), caption);
    }
};

QTEST_GUILESS_MAIN(BoardLayoutTest)
#include "tst_boardlayout.moc"
