#include "boardfixture.h"
#include "media/animatedgif.h"
#include "screens/background.h"
#include "screens/splash.h"

#include <QSignalSpy>
#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// Everything on the board a player can see or that drives the next turn, as text, so two
// boards can be compared whole.
QStringList snapshot(MULTIPLICATION& board) {
    QStringList lines;
    for (const VbLabel* label : board.findChildren<VbLabel*>())
        lines.append(QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(label->backColour())
                         .arg(label->foreColour())
                         .arg(int(label->borderStyle()))
                         .arg(label->isHidden())
                         .arg(label->caption()));
    for (const AnimatedGif* picture : board.findChildren<AnimatedGif*>())
        lines.append(QStringLiteral("%1 %2 %3")
                         .arg(picture->isHidden())
                         .arg(picture->isRunning())
                         .arg(picture->pictureFile()));
    // Timer3 is left out: a win starts it, nothing stops it, and its tick does nothing.
    for (const QTimer* timer : board.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
        if (timer != &board.Timer3)
            lines.append(QString::number(timer->isActive()));
    for (const QPushButton* button : board.findChildren<QPushButton*>())
        lines.append(QString::number(button->isEnabled()));
    const BoardState& state = board.boardState();
    lines.append(QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(state.GameWon)
                     .arg(state.SecondsLeft)
                     .arg(board.isEnabled())
                     .arg(board.isVisible())
                     .arg(state.TurnColour));
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
        QTest::newRow("red default") << "Red Player - Enter Name Here"
                                     << "Ann" << false;
        QTest::newRow("blue default") << "Ann"
                                      << "Blue Player - Enter Name Here" << false;
        QTest::newRow("blue empty") << "Bo"
                                    << "" << false;
        QTest::newRow("defaults swapped") << "Blue Player - Enter Name Here"
                                          << "Red Player - Enter Name Here" << true;
        QTest::newRow("markup") << "<b>x</b>"
                                << "<img src=a.png> 李" << true;
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
        QCOMPARE(game.dialogs.asked.size(), accepted ? 0 : 1);
        QCOMPARE(welcome.isVisible(), !accepted);
        QCOMPARE(board.isVisible(), accepted);
        if (accepted) {
            QCOMPARE(board.lblRed->caption(), red);
            QCOMPARE(board.lblBlue->caption(), blue);
        }
    }

    void splashRunsTheStartUp() {
        Game game;
        game.workArea.area = QRect(64, 30, 1216, 770);
        frmSplash& splash = game.screens.splash();
        splash.show();
        for (int tick = 1; tick <= 10; ++tick) {
            splash.onTick();
            QVERIFY(!splash.Label1[tick - 1]->isHidden());
            QCOMPARE(game.log.spoken().size(), tick >= 6 ? 1 : 0);
            QCOMPARE(game.screens.welcome().isVisible(), tick >= 7);
            QCOMPARE(splash.isUnloaded(), tick == 10);
        }
        Background& backdrop = game.screens.background();
        QCOMPARE(backdrop.geometry(), QRect(64, 0, 1216, 770 + 27));
        backdrop.onTick();
        QCOMPARE(
            game.log.entries,
            (QStringList{"say: welcome to quintarlow,, enter your names and we'll get started!",
                         "play: ring.WAV"}));
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
            used.game->dialogs.answers = {false};
            const QStringList before = snapshot(used.board);
            QTest::mouseClick(used.board.Command2, Qt::LeftButton); // answered No
            QCOMPARE(snapshot(used.board), before);
            QTest::mouseClick(used.board.Command2, Qt::LeftButton);
            QCOMPARE(used.game->dialogs.asked.size(), 2);
        } else {
            playToBlueWin(used);
            used.board.onWinningLineTick();
            used.board.onRedBlinkTick();
        }
        QVERIFY(used.winner.isVisible());
        used.log.clear();
        if (path == QLatin1String("new")) {
            QTest::mouseClick(used.winner.Command2, Qt::LeftButton);
            QCOMPARE(used.log.spoken(), QStringList{"enter the players names"});
            enterNames(used.game->screens.welcome(), QStringLiteral("Rosa"), QStringLiteral("Ben"));
        } else {
            QTest::mouseClick(used.winner.Command1, Qt::LeftButton);
            QCOMPARE(used.log.spoken(), QStringList{"blue goes first"});
        }
        QVERIFY(used.winner.isHidden());
        QCOMPARE(snapshot(used.board), snapshot(fresh.board));
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
        const bool winner = where.startsWith(QLatin1String("winner"));
        if (winner)
            playToBlueWin(fixture);
        if (where.startsWith(QLatin1String("welcome")))
            screens.welcome().show();
        QWidget* asker = winner                                       ? &fixture.winner
                         : where.startsWith(QLatin1String("welcome")) ? &screens.welcome()
                         : where.startsWith(QLatin1String("backdrop"))
                             ? static_cast<QWidget*>(&screens.background())
                             : &fixture.board;
        fixture.game->dialogs.answers = {yes};
        if (where.endsWith(QLatin1String("button")))
            QTest::mouseClick(winner ? fixture.winner.Command3 : fixture.board.Command3,
                              Qt::LeftButton);
        else
            asker->close();
        QCOMPARE(fixture.game->dialogs.asked, QStringList{"Close the Program: Are you sure?"});
        QCOMPARE(ended.count(), yes ? 1 : 0);
        QCOMPARE(asker->isVisible(), !yes);
        QCOMPARE(screens.background().isVisible(), !yes);
    }

    // The splash ends the game at once; the pop-up ignores the request and runs its course.
    void closeRequestsOnSplashAndPopup() {
        BoardFixture fixture;
        QSignalSpy ended(&fixture.game->screens, &ScreenSet::allUnloaded);
        fixture.ask(2, 5);
        fixture.board.judgeSquareClick(boardIndexOfProduct(12));
        fixture.popup.close();
        QVERIFY(fixture.popup.isVisible());
        fixture.runPopupToEnd();
        QVERIFY(fixture.board.isEnabled());
        QCOMPARE(ended.count(), 0);
        frmSplash& splash = fixture.game->screens.splash();
        splash.show();
        splash.close();
        QVERIFY(fixture.game->dialogs.asked.isEmpty());
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(FlowTest)
#include "tst_flow.moc"
