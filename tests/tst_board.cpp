#include "boardfixture.h"
#include "clocktext.h"
#include "media/animatedgif.h"

#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

class BoardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A click on a shadow's visible strip must reach the square in front of it.
    void squaresLieOverTheirShadows() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        const QRect square = board.Label1[49]->geometry();
        QCOMPARE(board.childAt(square.center()), board.Label1[49]);
        QCOMPARE(board.childAt(square.bottomRight() + QPoint(4, 4)), board.Label1[65]);
        QCOMPARE(board.childAt(board.Label1[FreeSquareIndex]->geometry().center()),
                 board.AnimatedGif2);
    }

    // index -1 is the FREE picture over square 28.
    void refusedClicks_data() {
        QTest::addColumn<bool>("questionPending");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        const QStringList notYet{"play: error.WAV", "say: blue,, generate your multipliers"};
        const QString invalid = "say: that is not a valid selection,, try again,, 3, times, 4";
        QTest::newRow("product before a question") << false << 10 << notYet;
        QTest::newRow("free picture before a question") << false << -1 << notYet;
        QTest::newRow("corner") << true << 7 << QStringList{"play: error.WAV", invalid};
        QTest::newRow("free square")
            << true << FreeSquareIndex << QStringList{"play: error.WAV", invalid};
        QTest::newRow("shadow of the free square")
            << true << 126 << QStringList{"play: error.WAV", invalid};
        QTest::newRow("free picture") << true << -1 << QStringList{invalid};
    }
    void refusedClicks() {
        QFETCH(bool, questionPending);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        if (questionPending) {
            fixture.ask(3, 4);
            board.onClockTick();
            fixture.log.clear();
        }
        if (index < 0)
            Q_EMIT board.AnimatedGif2->doubleClicked();
        else
            board.judgeSquareClick(index);
        QCOMPARE(fixture.log.entries, expected);
        QCOMPARE(board.Timer2.isActive(), questionPending);
        QCOMPARE(fixture.state().SecondsLeft, questionPending ? 19 : 20);
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("BLUE"));
        for (int square = 0; square < SquareLabelCount; ++square)
            QVERIFY(SquareOwner(board.Label1[square]->backColour()) == Player::Nobody);
    }

    void rightAnswers_data() {
        QTest::addColumn<QString>("turn");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("claimed");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("blue") << "BLUE" << 40 << 40
                              << "56, that is correct, blue gets the square. , it is, reds turn";
        QTest::newRow("red") << "RED" << 40 << 40
                             << "56, that is correct, red gets the square. , it is, blues turn";
        QTest::newRow("shadow strip of 56") << "BLUE" << shadowIndexBehind(40) << 40
                                            << "56, that is correct, blue gets the square. , "
                                               "it is, reds turn";
    }
    void rightAnswers() {
        QFETCH(QString, turn);
        QFETCH(int, clicked);
        QFETCH(int, claimed);
        QFETCH(QString, verdict);
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        fixture.state().TurnColour = turn;
        fixture.ask(7, 8);
        for (int tick = 0; tick < 5; ++tick)
            board.onClockTick();
        const bool blue = turn == QLatin1String("BLUE");
        if (blue) // the mover's name blinks dark; the claim leaves it white
            board.onBlueBlinkTick();
        else
            board.onRedBlinkTick();
        fixture.log.clear();
        board.judgeSquareClick(clicked);

        QCOMPARE(fixture.log.entries, (QStringList{"play: ding.WAV", "say: " + verdict}));
        QCOMPARE(board.Label1[claimed]->backColour(), blue ? Colour::Blue : Colour::Red);
        QCOMPARE(fixture.state().TurnColour, blue ? QStringLiteral("RED") : QStringLiteral("BLUE"));
        QCOMPARE((blue ? board.lblBlue : board.lblRed)->foreColour(), Colour::White);
        QCOMPARE(board.tmrRed.isActive(), blue);
        QVERIFY(board.Command1->isEnabled() && !board.Timer2.isActive());
        QCOMPARE(fixture.state().SecondsLeft, 20);
    }

    void wrongAnswers_data() {
        QTest::addColumn<int>("clicked"); // -1: the clock runs out
        QTest::addColumn<QString>("verdict");
        QTest::newRow("wrong square") << boardIndexOfProduct(42)
                                      << "42  that is wrong.  the correct answer was,, 56, it is, "
                                         "REDs turn.";
        QTest::newRow("time out") << -1
                                  << "you are out of time.  the correct answer was,, 56, it is, "
                                     "REDs turn.";
    }
    void wrongAnswers() {
        QFETCH(int, clicked);
        QFETCH(QString, verdict);
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        CorrectAnswer& popup = fixture.popup;
        fixture.ask(7, 8);
        fixture.log.clear();
        for (int tick = 0; tick < 20; ++tick)
            board.onClockTick();
        QCOMPARE(board.lblTime->caption(), QStringLiteral(":00"));
        QVERIFY(fixture.log.entries.isEmpty() && popup.isHidden());
        if (clicked < 0) { // the second tick finds the clock hidden: no second time-out
            board.onClockTick();
            board.onClockTick();
        } else {
            board.judgeSquareClick(clicked);
        }
        QCOMPARE(popup.Answer->caption(), QStringLiteral("56"));
        QVERIFY(clicked < 0 || !board.Timer2.isActive());

        // The pop-up passes the turn and speaks at its first tick, hands back at its ninth.
        for (int tick = 1; tick <= 9; ++tick) {
            popup.onTick();
            QCOMPARE(board.isEnabled(), tick == 9);
            QCOMPARE(popup.isVisible(), tick < 9);
            if (tick == 1)
                QVERIFY(board.tmrRed.isActive() && !board.tmrBlue.isActive());
        }
        QVERIFY(!popup.Timer1.isActive() && !board.Timer2.isActive());
        QVERIFY(board.Command1->isEnabled());
        QCOMPARE(board.lblTime->caption(), QStringLiteral(":20"));
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("RED"));
        QCOMPARE(fixture.log.entries, (QStringList{"play: error.WAV", "say: " + verdict}));
    }

    void wins_data() {
        QTest::addColumn<QList<int>>("claims");
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QList<int>>("line");
        // Blue takes row 3 with the FREE square; Red builds column 0.
        QTest::newRow("blue") << QList<int>{25, 9, 26, 10, 27} << "Ben" << quint32(Colour::Blue)
                              << QList<int>{25, 26, 27, 28};
        QTest::newRow("red") << QList<int>{1, 24, 2, 32, 3, 40, 9, 48} << "Rosa"
                             << quint32(Colour::Red) << QList<int>{24, 32, 40, 48};
    }
    void wins() {
        QFETCH(QList<int>, claims);
        QFETCH(QString, name);
        QFETCH(quint32, colour);
        QFETCH(QList<int>, line);
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        for (int index : claims)
            fixture.claim(index);
        const BoardState& state = fixture.state();
        QCOMPARE(state.GameWon, -1);
        QCOMPARE(
            (QList<int>{state.WinSquare1, state.WinSquare2, state.WinSquare3, state.WinSquare4}),
            line);
        QVERIFY(!board.isEnabled() && !board.tmrBlue.isActive() && !board.tmrRed.isActive());
        board.onWinningLineTick();
        QCOMPARE(board.Label1[line[0]]->borderStyle(), VbLabel::BorderStyle::None);

        WINNER& winner = fixture.winner;
        QVERIFY(winner.isVisible());
        QCOMPARE(winner.lblName->caption(), name);
        QCOMPARE(winner.lblName->backColour(), colour);
        fixture.log.clear();
        winner.onTick();
        QVERIFY(fixture.log.entries.isEmpty());
        winner.onTick();
        const QString word = colour == Colour::Blue ? "blue" : "red";
        QCOMPARE(fixture.log.entries, QStringList{"say: attention! attention! we have a winner! "
                                                  "congratulations to the,, " +
                                                  word + ", player"});
    }

    void factorsAreDrawnFromOneToTwelve() {
        std::array<int, 14> seen{};
        for (int draw = 0; draw < 12000; ++draw)
            ++seen.at(drawFactorUniformly());
        QCOMPARE(seen[0] + seen[13], 0);
        for (int factor = 1; factor <= 12; ++factor)
            QVERIFY2(seen[factor] > 800, qPrintable(QString::number(factor)));
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
