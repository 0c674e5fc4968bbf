#include "boardlayout.h"
#include "clocktext.h"

#include <QSet>
#include <QTest>

using namespace quintarlow;

class BoardLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Products ascend in reading order, and every question has its one square.
    void everyQuestionHasOneSquare() {
        int previous = 0;
        for (int index = 0; index < BoardSquareCount; ++index) {
            if (squareKind(index) != SquareKind::Numbered)
                continue;
            QVERIFY(squareCaption(index).toInt() > previous);
            previous = squareCaption(index).toInt();
        }
        QCOMPARE(previous, 144);
        for (int a = 1; a <= 12; ++a)
            for (int b = 1; b <= 12; ++b)
                QCOMPARE(squareCaption(boardIndexOfProduct(a * b)), QString::number(a * b));
    }

    void shadowsAreOnePerSquareAndLieBehindIt() {
        QSet<int> shadows;
        for (int index = 0; index < BoardSquareCount; ++index) {
            const int shadow = shadowIndexBehind(index);
            QVERIFY(isShadowIndex(shadow));
            QCOMPARE(boardIndexInFrontOf(shadow), index);
            shadows.insert(shadow);
            const QPoint offset =
                squareGeometryTwips(shadow).topLeft() - squareGeometryTwips(index).topLeft();
            QVERIFY2(offset.y() == 120 && offset.x() >= 115 && offset.x() <= 125,
                     qPrintable(QString::number(index)));
        }
        QCOMPARE(shadows.size(), BoardSquareCount);
    }

    void clockCaptions() {
        QCOMPARE(clockCaption(20), QStringLiteral(":20"));
        QCOMPARE(clockCaption(9), QStringLiteral(":09"));
        QCOMPARE(clockCaption(-2), QStringLiteral(":-02"));
    }
};

QTEST_GUILESS_MAIN(BoardLayoutTest)
#include "tst_boardlayout.moc"
