#include "bench/learnmodel.h"

#include <QTest>

using namespace quintarlow::learnsim;

// The simulated children's memory must show the spacing effect the way Pavlik and Anderson
// found it before any way of drawing questions is judged by it: the same four practices spread
// over four days are recalled better days later than four in one sitting. A miss then told,
// and a hard fact, leave less.
class SpacingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void spacedBeatsMassed_data() {
        QTest::addColumn<int>("delayDays"); // from the last practice to the test
        QTest::newRow("1 day") << 1;
        QTest::newRow("1 week") << 7;
        QTest::newRow("4 weeks") << 28;
    }
    void spacedBeatsMassed() {
        QFETCH(int, delayDays);
        const ModelParameters model;
        const double day = 86400 * model.h; // a day between sittings, as psychological time
        FactMemory massed, spaced, missed;  // missed: spaced, each a miss then told
        for (int practice = 0; practice < 4; ++practice) {
            massed.practise(3 * day + 30 * practice, 0, model);
            spaced.practise(practice * day, 0, model);
            missed.practise(practice * day, 0, model, false);
        }
        const double test = 3 * day + 90 + delayDays * day;
        const double massedRecall = recallProbability(massed.activation(test, 0), model);
        const double spacedRecall = recallProbability(spaced.activation(test, 0), model);
        QVERIFY2(
            spacedRecall > massedRecall + 0.1,
            qPrintable(QStringLiteral("spaced %1, massed %2").arg(spacedRecall).arg(massedRecall)));
        // Retrieving beats being told; a large product is harder than a small one or a tie.
        QVERIFY(spaced.activation(test, 0) > missed.activation(test, 0) + 0.3);
        QVERIFY(factEase(7, 8) < factEase(3, 4) && factEase(3, 4) < factEase(6, 6));
    }
};

QTEST_GUILESS_MAIN(SpacingTest)
#include "tst_spacing.moc"
