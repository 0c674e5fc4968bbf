#include "boardfixture.h"
#include "media/animatedgif.h"
#include "screens/background.h"
#include "screens/splash.h"

#include <QSignalSpy>
#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// Everything a player can see or that drives the board next, as text, so two boards can be
// compared whole.
QStringList snapshot(MULTIPLICATION& board) {
    QStringList lines;
    auto label = [&](const QString& name, VbLabel* control) {
        lines.append(QStringLiteral("%1 '%2' back %3 fore %4 border %5 %6")
                         .arg(name, control->caption())
                         .arg(control->backColour(), 0, 16)
                         .arg(control->foreColour(), 0, 16)
                         .arg(int(control->borderStyle()))
                         .arg(control->isHidden() ? "hidden" : "shown"));
    };
    for (int index = 0; index < SquareLabelCount; ++index)
        label(QStringLiteral("Label1(%1)").arg(index), board.Label1[index]);
    label("Label5", board.Label5);
    label("Label6", board.Label6);
    label("Label2(0)", board.Label2[0]);
    label("Label2(1)", board.Label2[1]);
    label("lblTime", board.lblTime);
    label("lblBlue", board.lblBlue);
    label("lblRed", board.lblRed);
    auto picture = [&](const QString& name, AnimatedGif* control) {
        lines.append(QStringLiteral("%1 %2 %3 %4")
                         .arg(name, control->pictureFile())
                         .arg(control->isHidden() ? "hidden" : "shown")
                         .arg(control->isRunning() ? "running" : "stopped"));
    };
    picture("AnimatedGif1", board.AnimatedGif1);
    picture("AnimatedGif2", board.AnimatedGif2);
    picture("AnimatedGif3", board.AnimatedGif3);
    // Timer3 is left out on purpose: a win starts it, nothing stops it, and its tick does
    // nothing.
    lines.append(QStringLiteral("timers %1 %2 %3 %4")
                     .arg(board.Timer1.isActive())
                     .arg(board.Timer2.isActive())
                     .arg(board.tmrBlue.isActive())
                     .arg(board.tmrRed.isActive()));
    lines.append(QStringLiteral("buttons %1 %2 %3 board %4 %5")
                     .arg(board.Command1->isEnabled())
                     .arg(board.Command2->isEnabled())
                     .arg(board.Command3->isEnabled())
                     .arg(board.isEnabled())
                     .arg(board.isVisible()));
    const BoardState& state = board.boardState();
    lines.append(QStringLiteral("state %1 %2 %3")
                     .arg(state.TurnColour)
                     .arg(state.GameWon)
                     .arg(state.SecondsLeft));
    return lines;
}

void enterNames(WELCOME& welcome, const QString& red, const QString& blue) {
    QTest::mouseClick(welcome.Text1, Qt::LeftButton);
    QTest::keyClicks(welcome.Text1, red);
    QTest::mouseClick(welcome.Text2, Qt::LeftButton);
    QTest::keyClicks(welcome.Text2, blue);
    QTest::mouseClick(welcome.Command1, Qt::LeftButton);
}

// Blue wins along row 3 with the FREE square; Red answers in row 1.
void playToBlueWin(BoardFixture& fixture) {
    for (int index : {25, 9, 26, 10, 27})
        fixture.claim(index);
}

} // namespace

class FlowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nameEntry_data() {
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("blue");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("both defaults") << "Red Player - Enter Name Here"
                                       << "Blue Player - Enter Name Here" << false;
        QTest::newRow("red default") << "Red Player - Enter Name Here"
                                     << "Ann" << false;
        QTest::newRow("blue empty") << "Bo"
                                    << "" << false;
        QTest::newRow("defaults swapped") << "Blue Player - Enter Name Here"
                                          << "Red Player - Enter Name Here" << true;
        QTest::newRow("default in lower case") << "red player - enter name here" << "Ann" << true;
        QTest::newRow("spaces only") << "   "
                                     << " " << true;
        QTest::newRow("markup") << "<b>x</b>"
                                << "<img src=a.png>" << true;
        QTest::newRow("non-latin") << "Zoë"
                                   << "Ωμέγα 李" << true;
        QTest::newRow("thirty characters") << "abcdefghijklmnopqrstuvwxyz1234"
                                           << "b" << true;
    }
    void nameEntry() {
        QFETCH(QString, red);
        QFETCH(QString, blue);
        QFETCH(bool, accepted);
        Game game;
        WELCOME& welcome = game.screens.welcome();
        MULTIPLICATION& board = game.screens.board();
        welcome.show();
        welcome.Text1->setText(red);
        welcome.Text2->setText(blue);
        QTest::mouseClick(welcome.Command1, Qt::LeftButton);
        if (!accepted) {
            QCOMPARE(
                game.dialogs.asked,
                QStringList{"WELCOME: Names must be entered for both players!\r\nplease retry."});
            QVERIFY(welcome.isVisible());
            QVERIFY(!board.isVisible());
            QVERIFY(welcome.AnimatedGif1[0]->isRunning());
            QVERIFY(game.log.entries.isEmpty());
            QCOMPARE(welcome.Text1->text(), red);
            return;
        }
        QVERIFY(game.dialogs.asked.isEmpty());
        QVERIFY(welcome.isHidden());
        QVERIFY(board.isVisible());
        QCOMPARE(board.lblRed->caption(), red);
        QCOMPARE(board.lblBlue->caption(), blue);
        QCOMPARE(board.boardState().TurnColour, QStringLiteral("BLUE"));
        for (AnimatedGif* letter : welcome.AnimatedGif1)
            QVERIFY(!letter->isRunning());
        QCOMPARE(game.log.spoken(),
                 QStringList{"four in a row,,across, up and down or diagonally wins,, you have 20 "
                             "seconds to answer,, blue goes first"});
    }

    void nameBoxesAcceptThirtyCharactersAtMost() {
        Game game;
        WELCOME& welcome = game.screens.welcome();
        welcome.show();
        QTest::mouseClick(welcome.Text1, Qt::LeftButton);
        QVERIFY(welcome.Text1->text().isEmpty());
        QTest::keyClicks(welcome.Text1, QString(40, QLatin1Char('x')));
        QCOMPARE(welcome.Text1->text().size(), 30);
        // A changed box keeps its text when clicked again; the other default stays put.
        QTest::mouseClick(welcome.Text1, Qt::LeftButton);
        QCOMPARE(welcome.Text1->text().size(), 30);
        QCOMPARE(welcome.Text2->text(), QStringLiteral("Blue Player - Enter Name Here"));
    }

    void splashRunsTheStartUp() {
        Game game;
        frmSplash& splash = game.screens.splash();
        splash.show();
        QVERIFY(splash.Timer1.isActive());
        QCOMPARE(splash.AnimatedGif1->pictureFile(), QStringLiteral("gif/dance.gif"));
        QCOMPARE(splash.size(), QSize(492, 283));
        QVERIFY(!game.screens.hasBoard());
        for (int tick = 1; tick <= 10; ++tick) {
            splash.onTick();
            for (int block = 0; block < 10; ++block)
                QCOMPARE(!splash.Label1[block]->isHidden(), block < tick);
            if (tick == 1) {
                QVERIFY(game.screens.hasBoard());
                QVERIFY(game.screens.background().Timer1.isActive());
                QVERIFY(game.screens.welcome().AnimatedGif1[9]->isRunning());
                QCOMPARE(game.screens.welcome().AnimatedGif1[9]->pictureFile(),
                         QStringLiteral("gif/w.gif"));
                QVERIFY(!game.screens.welcome().isVisible());
                QCOMPARE(game.screens.winner().pos(), game.screens.board().pos());
                game.screens.background().onTick();
                QCOMPARE(game.log.entries, QStringList{"play: ring.WAV"});
                QVERIFY(!game.screens.background().Timer1.isActive());
            }
            if (tick == 6)
                QCOMPARE(
                    game.log.spoken(),
                    QStringList{"welcome to quintarlow,, enter your names and we'll get started!"});
            QCOMPARE(game.screens.welcome().isVisible(), tick >= 7);
            QCOMPARE(game.screens.background().isVisible(), tick >= 7);
            QCOMPARE(splash.isUnloaded(), tick == 10);
        }
        QVERIFY(!splash.Timer1.isActive());
        QCOMPARE(game.log.entries.size(), 2);
    }

    void backdropCoversTheWorkArea() {
        Game game;
        game.workArea.area = QRect(64, 30, 1216, 770);
        Background& backdrop = game.screens.background();
        QCOMPARE(backdrop.geometry(), QRect(64, 0, 1216, 770 + 27));
        QVERIFY(backdrop.windowFlags() & Qt::WindowStaysOnBottomHint);
        QVERIFY(backdrop.windowFlags() & Qt::FramelessWindowHint);
    }

    void replayLeavesAFreshBoard_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("same players after a win") << "same";
        QTest::newRow("new players after a win") << "new";
        QTest::newRow("same players from START NEW GAME") << "menu";
    }
    void replayLeavesAFreshBoard() {
        QFETCH(QString, path);
        BoardFixture fresh;
        BoardFixture used;
        if (path == QLatin1String("menu")) {
            used.claim(20);
            used.claim(21);
            QTest::mouseClick(used.board.Command2, Qt::LeftButton);
        } else {
            playToBlueWin(used);
            used.board.onWinningLineTick();
            used.board.onRedBlinkTick();
        }
        QVERIFY(used.winner.isVisible());
        used.log.clear();
        if (path == QLatin1String("new")) {
            QTest::mouseClick(used.winner.Command2, Qt::LeftButton);
            WELCOME& welcome = used.game->screens.welcome();
            QVERIFY(welcome.isVisible());
            QVERIFY(used.board.isHidden());
            QCOMPARE(welcome.Text1->text(), QStringLiteral("Red Player - Enter Name Here"));
            QCOMPARE(welcome.Text2->text(), QStringLiteral("Blue Player - Enter Name Here"));
            QVERIFY(welcome.AnimatedGif1[0]->isRunning());
            QCOMPARE(used.log.spoken(), QStringList{"enter the players names"});
            enterNames(welcome, QStringLiteral("Rosa"), QStringLiteral("Ben"));
        } else {
            QTest::mouseClick(used.winner.Command1, Qt::LeftButton);
            QCOMPARE(used.log.spoken(), QStringList{"blue goes first"});
        }
        QVERIFY(used.winner.isHidden());
        QVERIFY(used.winner.AnnouncementText.isEmpty());
        QVERIFY(used.winner.Label1->caption().isEmpty());
        QCOMPARE(snapshot(used.board), snapshot(fresh.board));
    }

    void startNewGameAsksFirst() {
        BoardFixture fixture;
        fixture.claim(3);
        const QStringList before = snapshot(fixture.board);
        fixture.game->dialogs.answers = {false};
        QTest::mouseClick(fixture.board.Command2, Qt::LeftButton);
        QCOMPARE(fixture.game->dialogs.asked, QStringList{"Start a New Game: Are you sure?"});
        QCOMPARE(snapshot(fixture.board), before);
        QVERIFY(fixture.winner.isHidden());

        fixture.log.clear();
        QTest::mouseClick(fixture.board.Command2, Qt::LeftButton);
        WINNER& winner = fixture.winner;
        QVERIFY(winner.isVisible());
        QVERIFY(!fixture.board.isEnabled());
        QCOMPARE(winner.Label1->caption(), QStringLiteral("Choose Option Below"));
        QVERIFY(winner.lblName->caption().isEmpty());
        QCOMPARE(winner.lblName->backColour(), winner.backColour());
        QVERIFY(winner.AnimatedGif1->isHidden());
        QVERIFY(!winner.AnimatedGif2->isRunning());
        QVERIFY(fixture.board.tmrRed.isActive());
        QVERIFY(!fixture.board.AnimatedGif1->isRunning());
        QVERIFY(fixture.log.entries.isEmpty());
        // The menu's quit, answered No, leaves the disabled board behind it.
        fixture.game->dialogs.answers = {false};
        QTest::mouseClick(winner.Command3, Qt::LeftButton);
        QVERIFY(winner.isVisible());
        QVERIFY(!fixture.board.isEnabled());
    }

    void quitting_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("yes");
        for (const char* where : {"board button", "winner button", "board close", "winner close",
                                  "welcome close", "backdrop close"}) {
            QTest::addRow("%s yes", where) << QString::fromLatin1(where) << true;
            QTest::addRow("%s no", where) << QString::fromLatin1(where) << false;
        }
    }
    void quitting() {
        QFETCH(QString, where);
        QFETCH(bool, yes);
        BoardFixture fixture;
        ScreenSet& screens = fixture.game->screens;
        screens.background().show();
        QSignalSpy ended(&screens, &ScreenSet::allUnloaded);
        fixture.claim(11);
        if (where.startsWith(QLatin1String("winner")))
            playToBlueWin(fixture);
        if (where.startsWith(QLatin1String("welcome")))
            screens.welcome().show();
        QWidget* asker = where.startsWith(QLatin1String("winner"))    ? &fixture.winner
                         : where.startsWith(QLatin1String("welcome")) ? &screens.welcome()
                         : where.startsWith(QLatin1String("backdrop"))
                             ? static_cast<QWidget*>(&screens.background())
                             : &fixture.board;
        const bool wasVisible = asker->isVisible();
        fixture.game->dialogs.answers = {yes};
        if (where.endsWith(QLatin1String("button")))
            QTest::mouseClick(where.startsWith(QLatin1String("winner")) ? fixture.winner.Command3
                                                                        : fixture.board.Command3,
                              Qt::LeftButton);
        else
            asker->close();
        QCOMPARE(fixture.game->dialogs.asked, QStringList{"Close the Program: Are you sure?"});
        QCOMPARE(ended.count(), yes ? 1 : 0);
        QCOMPARE(asker->isVisible(), yes ? false : wasVisible);
        QCOMPARE(screens.background().isVisible(), !yes);
        QCOMPARE(fixture.board.isUnloaded(), yes);
        if (yes) {
            QVERIFY(!fixture.board.Timer1.isActive());
            QVERIFY(!fixture.board.tmrBlue.isActive());
            QVERIFY(!fixture.winner.Timer1.isActive());
        }
    }

    void closeRequestsOnSplashAndPopup() {
        {
            Game game;
            QSignalSpy ended(&game.screens, &ScreenSet::allUnloaded);
            frmSplash& splash = game.screens.splash();
            splash.show();
            splash.onTick();
            splash.close();
            QVERIFY(game.dialogs.asked.isEmpty());
            QCOMPARE(ended.count(), 1);
            QVERIFY(!game.screens.background().isVisible());
        }
        {
            BoardFixture fixture;
            QSignalSpy ended(&fixture.game->screens, &ScreenSet::allUnloaded);
            fixture.ask(2, 5);
            fixture.board.judgeSquareClick(boardIndexOfProduct(12));
            fixture.popup.close();
            QVERIFY(fixture.popup.isVisible());
            QVERIFY(fixture.game->dialogs.asked.isEmpty());
            QCOMPARE(ended.count(), 0);
            fixture.runPopupToEnd();
            QVERIFY(fixture.board.isEnabled());
        }
    }

    // From the splash to a win, a replay and a quit, through the real windows' controls.
    void wholeGame() {
        Game game;
        ScreenSet& screens = game.screens;
        QSignalSpy ended(&screens, &ScreenSet::allUnloaded);
        frmSplash& splash = screens.splash();
        splash.show();
        for (int tick = 0; tick < 10; ++tick) {
            splash.onTick();
            if (tick == 0)
                screens.background().onTick();
        }
        WELCOME& welcome = screens.welcome();
        QVERIFY(welcome.isVisible());
        enterNames(welcome, QStringLiteral("<b>Rosa</b>"), QStringLiteral("Ben"));
        MULTIPLICATION& board = screens.board();
        QVERIFY(board.isVisible());
        QCOMPARE(board.lblRed->caption(), QStringLiteral("<b>Rosa</b>"));

        // Blue: right; Red: wrong, then the pop-up; Blue: right; Red: right; Blue wins.
        const std::vector<std::pair<std::pair<int, int>, int>> turns{
            {{5, 6}, 25}, {{3, 3}, boardIndexOfProduct(8)},
            {{2, 13}, 0}, {{4, 8}, 26},
            {{6, 6}, 30}, {{3, 11}, 27}};
        for (const auto& [factors, square] : turns) {
            if (factors.second == 13) { // the pop-up's nine ticks
                for (int tick = 0; tick < 9; ++tick)
                    screens.correctAnswer().onTick();
                continue;
            }
            game.factors = {factors.first, factors.second};
            QTest::mouseClick(board.Command1, Qt::LeftButton);
            QTest::mouseClick(board.Label1[square], Qt::LeftButton);
        }
        QCOMPARE(board.boardState().GameWon, -1);
        WINNER& winner = screens.winner();
        QVERIFY(winner.isVisible());
        QCOMPARE(winner.lblName->caption(), QStringLiteral("Ben"));
        winner.onTick();
        winner.onTick();
        QTest::mouseClick(winner.Command1, Qt::LeftButton);
        QVERIFY(board.isEnabled());
        QTest::mouseClick(board.Command3, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);

        QCOMPARE(game.log.entries,
                 (QStringList{
                     "play: ring.WAV",
                     "say: welcome to quintarlow,, enter your names and we'll get started!",
                     "say: four in a row,,across, up and down or diagonally wins,, you have 20 "
                     "seconds to answer,, blue goes first",
                     "say: 5, times, 6",
                     "play: ding.WAV",
                     "say: 30, that is correct, blue gets the square. , it is, reds turn",
                     "say: 3, times, 3",
                     "play: error.WAV",
                     "say: 8  that is wrong.  the correct answer was,, 9, it is, BLUEs turn.",
                     "say: 4, times, 8",
                     "play: ding.WAV",
                     "say: 32, that is correct, blue gets the square. , it is, reds turn",
                     "say: 6, times, 6",
                     "play: ding.WAV",
                     "say: 36, that is correct, red gets the square. , it is, blues turn",
                     "say: 3, times, 11",
                     "play: ding.WAV",
                     "say: attention! attention! we have a winner! congratulations to the,, "
                     "blue, player",
                     "say: blue goes first",
                 }));
    }
};

QTEST_MAIN(FlowTest)
#include "tst_flow.moc"
