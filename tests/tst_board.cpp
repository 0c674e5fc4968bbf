#include "boardfixture.h"
#include "clocktext.h"
#include "media/animatedgif.h"

#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

class BoardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsStandWhereDesigned() {
        BoardFixture fixture;
        MULTIPLICATION& b = fixture.board;
        const std::vector<std::pair<QWidget*, QRect>> designed{
            {b.Label5, {240, 120, 1335, 1695}},       {b.Label3, {1800, 600, 615, 1215}},
            {b.Label6, {2520, 120, 1335, 1695}},      {b.Command1, {720, 2400, 2655, 495}},
            {b.lblTime, {1680, 3240, 735, 615}},      {b.Label2[0], {240, 3240, 3735, 375}},
            {b.Label2[1], {240, 3720, 3735, 375}},    {b.lblRed, {120, 4560, 3975, 495}},
            {b.Label4, {120, 5040, 3975, 495}},       {b.lblBlue, {120, 5520, 3975, 495}},
            {b.Label8, {240, 6240, 3975, 735}},       {b.Command2, {660, 7200, 2895, 495}},
            {b.Command3, {660, 8040, 2895, 495}},     {b.AnimatedGif1, {4920, 120, 6615, 495}},
            {b.AnimatedGif2, {8160, 3720, 705, 705}}, {b.AnimatedGif3, {6480, 120, 4215, 735}},
            {b.Label1[0], {4440, 840, 765, 765}},     {b.Label1[14], {9960, 1800, 765, 765}},
            {b.Label1[33], {5400, 4680, 765, 765}},   {b.Label1[51], {7200, 6600, 765, 765}},
            {b.Label1[44], {8140, 5640, 765, 765}},   {b.Label1[63], {10920, 7560, 765, 765}},
            {b.Label1[65], {5490, 6720, 765, 765}},   {b.Label1[77], {10080, 1920, 765, 765}},
        };
        for (const auto& [control, twips] : designed)
            QCOMPARE(control->geometry(), twipsToPixels(twips));
    }

    void windowAndStacking() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        QCOMPARE(board.size(), QSize(814, 581));
        QVERIFY(board.windowFlags() & Qt::CustomizeWindowHint);
        QVERIFY(!(board.windowFlags() & Qt::WindowTitleHint));
        // Board squares lie over their shadows, the FREE picture over square 28.
        const QRect square = board.Label1[49]->geometry();
        QCOMPARE(board.childAt(square.center()), board.Label1[49]);
        QCOMPARE(board.childAt(square.bottomRight() + QPoint(4, 4)), board.Label1[65]);
        QCOMPARE(board.childAt(board.Label1[FreeSquareIndex]->geometry().center()),
                 board.AnimatedGif2);
    }

    void loadPreparesTheBoard() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        QCOMPARE(board.Label2[0]->caption(), QStringLiteral("BLUE GOES FIRST"));
        QCOMPARE(board.Label5->caption(), QStringLiteral("?"));
        QVERIFY(board.tmrBlue.isActive());
        QVERIFY(!board.tmrRed.isActive());
        QVERIFY(!board.Timer2.isActive());
        QVERIFY(board.lblTime->isHidden());
        QCOMPARE(board.Label1[FreeSquareIndex]->backColour(), Colour::BrightGreen);
        QCOMPARE(board.Label1[FreeSquareIndex]->foreColour(), Colour::BrightGreen);
        QCOMPARE(board.AnimatedGif1->pictureFile(), QStringLiteral("gif/quintarlow_small.gif"));
        QCOMPARE(board.AnimatedGif2->pictureFile(), QStringLiteral("gif/free_.gif"));
        QCOMPARE(board.AnimatedGif3->pictureFile(), QStringLiteral("gif/gameover.gif"));
        QVERIFY(board.AnimatedGif3->isHidden());
        QCOMPARE(board.lblBlue->caption(), QStringLiteral("Ben"));
        QCOMPARE(board.lblRed->caption(), QStringLiteral("Rosa"));
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("BLUE"));
    }

    void askingAQuestion() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        fixture.ask(7, 8);
        QCOMPARE(board.Label5->caption(), QStringLiteral("7"));
        QCOMPARE(board.Label6->caption(), QStringLiteral("8"));
        QCOMPARE(fixture.state().Product, 56);
        QCOMPARE(fixture.log.entries, QStringList{"say: 7, times, 8"});
        QVERIFY(!board.Command1->isEnabled());
        QVERIFY(!board.Command2->isEnabled());
        QVERIFY(!board.Command3->isEnabled());
        QVERIFY(board.Timer2.isActive());
        QVERIFY(board.Label2[0]->isHidden());
        QVERIFY(board.Label2[1]->isHidden());
        QVERIFY(board.Label2[0]->caption().isEmpty());
        QVERIFY(!board.lblTime->isHidden());
    }

    void refusedClicks_data() {
        QTest::addColumn<bool>("questionPending");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        const QStringList notYet{"play: error.WAV", "say: blue,, generate your multipliers"};
        const QStringList invalid{"play: error.WAV",
                                  "say: that is not a valid selection,, try again,, 3, times, 4"};
        QTest::newRow("product before a question") << false << 10 << notYet;
        QTest::newRow("shadow before a question") << false << 65 << notYet;
        QTest::newRow("corner before a question") << false << 0 << notYet;
        QTest::newRow("corner") << true << 7 << invalid;
        QTest::newRow("other corner") << true << 56 << invalid;
        QTest::newRow("free square") << true << FreeSquareIndex << invalid;
        QTest::newRow("shadow of a corner") << true << 101 << invalid;
        QTest::newRow("shadow of the free square") << true << 126 << invalid;
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
        board.judgeSquareClick(index);
        QCOMPARE(fixture.log.entries, expected);
        QCOMPARE(board.Timer2.isActive(), questionPending);
        QCOMPARE(fixture.state().SecondsLeft, questionPending ? 19 : 20);
        QCOMPARE(board.Label5->caption(),
                 questionPending ? QStringLiteral("3") : QStringLiteral("?"));
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("BLUE"));
        for (int square = 0; square < SquareLabelCount; ++square)
            QVERIFY(SquareOwner(board.Label1[square]->backColour()) == Player::Nobody);
    }

    void freePictureClicks_data() {
        QTest::addColumn<bool>("questionPending");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("during a question")
            << true << QStringList{"say: that is not a valid selection,, try again,, 2, times, 2"};
        QTest::newRow("before a question")
            << false << QStringList{"play: error.WAV", "say: blue,, generate your multipliers"};
    }
    void freePictureClicks() {
        QFETCH(bool, questionPending);
        QFETCH(QStringList, expected);
        BoardFixture fixture;
        if (questionPending)
            fixture.ask(2, 2);
        fixture.log.clear();
        Q_EMIT fixture.board.AnimatedGif2->clicked();
        QCOMPARE(fixture.log.entries, expected);
        fixture.log.clear();
        Q_EMIT fixture.board.AnimatedGif2->doubleClicked();
        QCOMPARE(fixture.log.entries, expected);
        QCOMPARE(fixture.board.Timer2.isActive(), questionPending);
    }

    void rightAnswers_data() {
        QTest::addColumn<QString>("turn");
        QTest::addColumn<int>("multiplier1");
        QTest::addColumn<int>("multiplier2");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("claimed");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("blue") << "BLUE" << 7 << 8 << 40 << 40
                              << "56, that is correct, blue gets the square. , it is, reds turn";
        QTest::newRow("red") << "RED" << 8 << 7 << 40 << 40
                             << "56, that is correct, red gets the square. , it is, blues turn";
        QTest::newRow("one times one")
            << "BLUE" << 1 << 1 << 1 << 1
            << "1, that is correct, blue gets the square. , it is, reds turn";
        QTest::newRow("twelve squared")
            << "RED" << 12 << 12 << 62 << 62
            << "144, that is correct, red gets the square. , it is, blues turn";
        QTest::newRow("shadow strip of 81")
            << "BLUE" << 9 << 9 << 65 << 49
            << "81, that is correct, blue gets the square. , it is, reds turn";
    }
    void rightAnswers() {
        QFETCH(QString, turn);
        QFETCH(int, multiplier1);
        QFETCH(int, multiplier2);
        QFETCH(int, clicked);
        QFETCH(int, claimed);
        QFETCH(QString, verdict);
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        fixture.state().TurnColour = turn;
        fixture.ask(multiplier1, multiplier2);
        for (int tick = 0; tick < 5; ++tick)
            board.onClockTick();
        fixture.log.clear();
        board.judgeSquareClick(clicked);

        QCOMPARE(fixture.log.entries, (QStringList{"play: ding.WAV", "say: " + verdict}));
        const bool blue = turn == QLatin1String("BLUE");
        QCOMPARE(board.Label1[claimed]->backColour(), blue ? Colour::Blue : Colour::Red);
        QCOMPARE(board.Label1[claimed]->foreColour(), Colour::White);
        QCOMPARE(board.Label1[shadowIndexBehind(claimed)]->backColour(), Colour::Black);
        QCOMPARE(fixture.state().ClaimColour,
                 blue ? QStringLiteral("16711680") : QStringLiteral("255"));
        const QString next = blue ? QStringLiteral("RED") : QStringLiteral("BLUE");
        QCOMPARE(fixture.state().TurnColour, next);
        QCOMPARE(board.Label2[0]->caption(), QStringLiteral("CORRECT"));
        QCOMPARE(board.Label2[1]->caption(), "IT'S " + next + "'s TURN");
        QVERIFY(board.Label2[0]->isVisible() || !board.isVisible());
        QVERIFY(!board.Label2[0]->isHidden());
        QCOMPARE(board.tmrRed.isActive(), blue);
        QCOMPARE(board.tmrBlue.isActive(), !blue);
        QCOMPARE(board.Label5->caption(), QStringLiteral("?"));
        QVERIFY(board.Command1->isEnabled());
        QVERIFY(board.Command2->isEnabled());
        QVERIFY(!board.Timer2.isActive());
        QVERIFY(board.lblTime->isHidden());
        QCOMPARE(board.lblTime->caption(), QStringLiteral(":20"));
        QCOMPARE(fixture.state().SecondsLeft, 20);
        QCOMPARE(fixture.state().GameWon, 0);
    }

    void aClaimedSquareCanBeClaimedBack() {
        BoardFixture fixture;
        fixture.claim(10);
        QCOMPARE(fixture.board.Label1[10]->backColour(), Colour::Blue);
        fixture.claim(10);
        QCOMPARE(fixture.board.Label1[10]->backColour(), Colour::Red);
        fixture.claim(10);
        QCOMPARE(fixture.board.Label1[10]->backColour(), Colour::Blue);
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("RED"));
    }

    void restingNameTurnsWhiteWhenTheTurnPasses() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        board.onBlueBlinkTick();
        QCOMPARE(board.lblBlue->foreColour(), Colour::Black);
        board.onBlueBlinkTick();
        QCOMPARE(board.lblBlue->foreColour(), Colour::White);
        board.onBlueBlinkTick();
        fixture.claim(5);
        QCOMPARE(board.lblBlue->foreColour(), Colour::White);
        QVERIFY(board.tmrRed.isActive());
        board.onRedBlinkTick();
        QCOMPARE(board.lblRed->foreColour(), Colour::Black);
        fixture.claim(6);
        QCOMPARE(board.lblRed->foreColour(), Colour::White);
        QVERIFY(board.tmrBlue.isActive());
        QVERIFY(!board.tmrRed.isActive());
    }

    void wrongAnswerGoesThroughThePopup() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        fixture.ask(7, 8);
        for (int tick = 0; tick < 15; ++tick)
            board.onClockTick();
        fixture.log.clear();
        board.judgeSquareClick(boardIndexOfProduct(42));

        QCOMPARE(fixture.log.entries, QStringList{"play: error.WAV"});
        QCOMPARE(board.Label2[0]->caption(), QStringLiteral("YOU WERE WRONG"));
        QCOMPARE(fixture.popup.PromptText, QStringLiteral("42  that is wrong. "));
        QVERIFY(!board.isEnabled());
        QVERIFY(board.AnimatedGif1->isHidden());
        QVERIFY(board.AnimatedGif2->isHidden());
        QVERIFY(fixture.popup.isVisible());
        QCOMPARE(fixture.popup.size(), QSize(343, 197));
        QCOMPARE(fixture.popup.MultOne->caption(), QStringLiteral("7"));
        QCOMPARE(fixture.popup.MultTwo->caption(), QStringLiteral("8"));
        QCOMPARE(fixture.popup.Answer->caption(), QStringLiteral("56"));
        QCOMPARE(fixture.popup.PopupTicks, 0);
        QVERIFY(fixture.popup.Timer1.isActive());
        QCOMPARE(board.Label5->caption(), QStringLiteral("?"));
        QVERIFY(!board.Timer2.isActive());
        QCOMPARE(fixture.state().SecondsLeft, 20);
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("BLUE"));
        QCOMPARE(board.Label1[boardIndexOfProduct(42)]->backColour(), Colour::White);

        // The pop-up passes the turn and speaks at its first tick, hands back at its ninth.
        CorrectAnswer& popup = fixture.popup;
        fixture.log.clear();
        popup.onTick();
        QCOMPARE(
            fixture.log.entries,
            QStringList{"say: 42  that is wrong.  the correct answer was,, 56, it is, REDs turn."});
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("RED"));
        QVERIFY(board.tmrRed.isActive());
        QVERIFY(!board.tmrBlue.isActive());
        QCOMPARE(board.lblBlue->foreColour(), Colour::White);
        for (int tick = 1; tick <= 6; ++tick) {
            popup.onTick();
            QVERIFY(!board.isEnabled());
            QVERIFY(popup.isVisible());
            QCOMPARE(board.Label2[0]->caption(), QStringLiteral("YOU WERE WRONG"));
        }
        popup.onTick();
        QCOMPARE(board.Label2[0]->caption(), QStringLiteral("IT'S RED's TURN."));
        QVERIFY(!board.isEnabled());
        popup.onTick();
        QVERIFY(board.isEnabled());
        QVERIFY(popup.isHidden());
        QVERIFY(!popup.Timer1.isActive());
        QVERIFY(!board.AnimatedGif1->isHidden());
        QVERIFY(!board.AnimatedGif2->isHidden());
        QVERIFY(board.Command1->isEnabled());
        QVERIFY(board.Command2->isEnabled());
        QVERIFY(board.Command3->isEnabled());
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("RED"));
        QCOMPARE(fixture.log.spoken().size(), 1);
        QCOMPARE(popup.PopupTicks, 9);

        // The next pop-up speaks its own message only.
        fixture.ask(2, 3);
        board.judgeSquareClick(boardIndexOfProduct(5));
        fixture.log.clear();
        popup.onTick();
        QCOMPARE(fixture.log.spoken(),
                 QStringList{"5  that is wrong.  the correct answer was,, 6, it is, BLUEs turn."});
    }

    void clockCountsDownAndTimesOut() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        fixture.state().TurnColour = QStringLiteral("RED");
        fixture.ask(6, 7);
        fixture.log.clear();
        for (int seconds = 19; seconds >= 0; --seconds) {
            board.onClockTick();
            QCOMPARE(board.lblTime->caption(), clockCaption(seconds));
            QVERIFY(!board.lblTime->isHidden());
        }
        QCOMPARE(board.lblTime->caption(), QStringLiteral(":00"));
        QVERIFY(fixture.log.entries.isEmpty());
        QVERIFY(fixture.popup.isHidden());

        board.onClockTick();
        QCOMPARE(fixture.log.entries, QStringList{"play: error.WAV"});
        QVERIFY(board.lblTime->isHidden());
        QVERIFY(!board.Label2[0]->isHidden());
        QVERIFY(fixture.popup.isVisible());
        QVERIFY(!board.isEnabled());
        QCOMPARE(fixture.popup.PromptText, QStringLiteral("you are out of time. "));

        // The hidden clock runs on below zero without a second time-out.
        board.onClockTick();
        QCOMPARE(board.lblTime->caption(), QStringLiteral(":-02"));
        QCOMPARE(fixture.log.entries, QStringList{"play: error.WAV"});
        fixture.runPopupToEnd();
        QCOMPARE(
            fixture.log.spoken(),
            QStringList{"you are out of time.  the correct answer was,, 42, it is, BLUEs turn."});
        QVERIFY(!board.Timer2.isActive());
        QCOMPARE(fixture.state().SecondsLeft, 20);
        QCOMPARE(board.lblTime->caption(), QStringLiteral(":20"));

        fixture.ask(2, 2);
        board.onClockTick();
        QCOMPARE(board.lblTime->caption(), QStringLiteral(":19"));
    }

    void winningClaimEndsTheGame() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        for (int index : {25, 9, 26, 10}) // Blue, Red, Blue, Red
            fixture.claim(index);
        fixture.log.clear();
        fixture.claim(27); // with the FREE square: 25, 26, 27, 28

        QCOMPARE(fixture.log.entries, (QStringList{"say: 3, times, 11", "play: ding.WAV"}));
        BoardState& state = fixture.state();
        QCOMPARE(state.GameWon, -1);
        QCOMPARE((std::array<int, 4>{state.WinSquare1, state.WinSquare2, state.WinSquare3,
                                     state.WinSquare4}),
                 (std::array<int, 4>{25, 26, 27, 28}));
        QCOMPARE(state.TurnColour, QStringLiteral("blue"));
        QVERIFY(!board.isEnabled());
        QVERIFY(!board.Command1->isEnabled());
        QCOMPARE(board.Label5->caption(), QStringLiteral("3"));
        QVERIFY(board.Label2[0]->caption().isEmpty());
        QVERIFY(board.Label2[1]->caption().isEmpty());
        QVERIFY(!board.tmrBlue.isActive());
        QVERIFY(!board.tmrRed.isActive());
        QVERIFY(board.Timer1.isActive());
        QVERIFY(board.AnimatedGif1->isHidden());
        QVERIFY(!board.AnimatedGif3->isHidden());
        QCOMPARE(board.Label1[FreeSquareIndex]->foreColour(), Colour::Yellow);

        WINNER& winner = fixture.winner;
        QVERIFY(winner.isVisible());
        QCOMPARE(winner.Label1->caption(), QStringLiteral("WE HAVE A WINNER"));
        QCOMPARE(winner.lblName->caption(), QStringLiteral("Ben"));
        QCOMPARE(winner.lblName->backColour(), Colour::Blue);
        QCOMPARE(winner.AnimatedGif1->pictureFile(), QStringLiteral("gif/fireworks.gif"));
        QVERIFY(!winner.AnimatedGif2->isHidden());
        QCOMPARE(winner.AnnouncementText,
                 QStringLiteral("attention! attention! we have a winner! congratulations to the,, "
                                "blue, player"));

        // The winning line blinks; nothing else does.
        board.onWinningLineTick();
        for (int index : {25, 26, 27, 28})
            QCOMPARE(board.Label1[index]->borderStyle(), VbLabel::BorderStyle::None);
        QCOMPARE(board.Label1[29]->borderStyle(), VbLabel::BorderStyle::FixedSingle);
        board.onWinningLineTick();
        for (int index : {25, 26, 27, 28})
            QCOMPARE(board.Label1[index]->borderStyle(), VbLabel::BorderStyle::FixedSingle);

        // The congratulation comes at the winner screen's second tick, once.
        fixture.log.clear();
        winner.onTick();
        QVERIFY(fixture.log.entries.isEmpty());
        winner.onTick();
        QCOMPARE(fixture.log.spoken(), QStringList{winner.AnnouncementText});
        QVERIFY(!winner.Timer1.isActive());
    }

    void redWinsWithRedName() {
        BoardFixture fixture;
        for (int index : {1, 24, 2, 32, 3, 40, 9}) // Red builds column 0: 24, 32, 40, 48
            fixture.claim(index);
        fixture.claim(48);
        QCOMPARE(fixture.state().GameWon, -1);
        QCOMPARE(fixture.winner.lblName->caption(), QStringLiteral("Rosa"));
        QCOMPARE(fixture.winner.lblName->backColour(), Colour::Red);
        QVERIFY(fixture.winner.AnnouncementText.endsWith(QLatin1String(",, red, player")));
    }

    // Clicks that reach a disabled board are dropped by the window system; a quick second
    // click on the right square finds the question answered and is refused.
    void extraClicksNeverBreakATurn() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        board.show();
        fixture.ask(6, 6);
        board.judgeSquareClick(boardIndexOfProduct(35));
        fixture.log.clear();
        QTest::mouseClick(board.Label1[boardIndexOfProduct(36)], Qt::LeftButton);
        QTest::mouseClick(board.Command1, Qt::LeftButton);
        QVERIFY(fixture.log.entries.isEmpty());
        QCOMPARE(board.Label1[boardIndexOfProduct(36)]->backColour(), Colour::White);
        fixture.runPopupToEnd();
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("RED"));

        fixture.ask(3, 4);
        fixture.log.clear();
        QTest::mouseDClick(board.Label1[boardIndexOfProduct(12)], Qt::LeftButton);
        QCOMPARE(board.Label1[boardIndexOfProduct(12)]->backColour(), Colour::Red);
        QCOMPARE(fixture.state().TurnColour, QStringLiteral("BLUE"));
        QCOMPARE(fixture.log.played().first(), QStringLiteral("ding.WAV"));
        QCOMPARE(fixture.log.played().count(QStringLiteral("ding.WAV")), 1);
    }

    void factorsAreDrawnFromOneToTwelve() {
        std::array<int, 14> seen{};
        for (int draw = 0; draw < 12000; ++draw) {
            const int factor = drawFactorUniformly();
            QVERIFY(factor >= 1 && factor <= 12);
            ++seen[factor];
        }
        for (int factor = 1; factor <= 12; ++factor)
            QVERIFY2(seen[factor] > 800, qPrintable(QString::number(factor)));
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
