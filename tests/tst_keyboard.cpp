#include "boardfixture.h"
#include "media/animatedgif.h"
#include "media/desktopservices.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// Real activation: shortcuts answer only in the active window.
void activate(QWidget& screen) {
    QTRY_VERIFY((screen.activateWindow(), QApplication::activeWindow() == &screen));
}

void key(QWidget& screen, Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(screen.focusWidget() ? screen.focusWidget() : &screen, k, modifiers);
}

// A key held down: the desktop repeats the press.
void heldKey(QWidget& screen, Qt::Key k) {
    for (bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(screen.focusWidget() ? screen.focusWidget() : &screen, &press);
    }
}

// A mouse click lands on whatever lies topmost at the square's middle.
void clickSquare(MULTIPLICATION& board, int index) {
    const QPoint middle = board.Label1[index]->geometry().center();
    QWidget* target = board.childAt(middle);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&board, middle));
}

void arrowsTo(MULTIPLICATION& board, int index) {
    if (board.focusWidget() != board.Label1[board.focusedSquare()])
        return;
    while (board.focusedSquare() % 8 != index % 8)
        key(board, board.focusedSquare() % 8 < index % 8 ? Qt::Key_Right : Qt::Key_Left);
    while (board.focusedSquare() / 8 != index / 8)
        key(board, board.focusedSquare() / 8 < index / 8 ? Qt::Key_Down : Qt::Key_Up);
}

// Plays one script with the mouse or with keys only and returns what was said and played.
QStringList play(bool keys) {
    Game game;
    WELCOME& welcome = game.screens.welcome();
    MULTIPLICATION& board = game.screens.board();
    WINNER& winner = game.screens.winner();
    welcome.show();
    activate(welcome);
    auto enterNames = [&] {
        if (keys) {
            QTest::keyClicks(welcome.focusWidget(), QStringLiteral("Rosa"));
            key(welcome, Qt::Key_Tab);
            QTest::keyClicks(welcome.focusWidget(), QStringLiteral("Ben"));
            key(welcome, Qt::Key_Return);
        } else {
            QTest::mouseClick(welcome.Text1, Qt::LeftButton);
            QTest::keyClicks(welcome.Text1, QStringLiteral("Rosa"));
            QTest::mouseClick(welcome.Text2, Qt::LeftButton);
            QTest::keyClicks(welcome.Text2, QStringLiteral("Ben"));
            QTest::mouseClick(welcome.Command1, Qt::LeftButton);
        }
        activate(board);
    };
    auto draw = [&](int a, int b) {
        game.factors = {a, b};
        if (keys && board.focusWidget() == board.Command1) // as at every turn's start
            key(board, Qt::Key_Return);
        else if (keys)
            key(board, Qt::Key_G, Qt::AltModifier);
        else
            QTest::mouseClick(board.Command1, Qt::LeftButton);
    };
    auto square = [&](int index) {
        if (keys) {
            for (int tab = 0; tab < 4 && board.focusWidget() != board.Label1[board.focusedSquare()];
                 ++tab)
                key(board, Qt::Key_Tab);
            arrowsTo(board, index);
            key(board, Qt::Key_Space);
        } else {
            clickSquare(board, index);
        }
    };
    auto popup = [&] {
        for (int tick = 0; tick < 9; ++tick)
            game.screens.correctAnswer().onTick();
        activate(board);
    };

    enterNames();
    square(40); // before any question: a hint
    draw(5, 6); // 30
    square(28); // the FREE picture
    square(7);  // a corner
    square(25); // Blue takes 30
    draw(2, 7); // 14
    square(2);  // Red is wrong
    popup();
    draw(4, 8);  // 32
    square(26);  // Blue
    draw(2, 4);  // 8
    square(9);   // Red
    draw(3, 11); // 33
    square(27);  // Blue wins along row 3 with the FREE square
    winner.onTick();
    winner.onTick();
    activate(winner);
    if (keys)
        key(winner, Qt::Key_Return); // "Play Again - Same Players" has the focus
    else
        QTest::mouseClick(winner.Command1, Qt::LeftButton);
    activate(board);
    draw(1, 1);
    square(1);
    if (keys)
        key(board, Qt::Key_S, Qt::AltModifier); // "START NEW GAME"
    else
        QTest::mouseClick(board.Command2, Qt::LeftButton);
    activate(winner);
    if (keys)
        key(winner, Qt::Key_N, Qt::AltModifier); // "Play Again - New Players"
    else
        QTest::mouseClick(winner.Command2, Qt::LeftButton);
    activate(welcome);
    enterNames();
    draw(12, 12);
    square(62);
    game.log.entries.append(game.dialogs.asked);
    return game.log.entries;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyboardGameSaysWhatTheMouseGameSays() {
        const QStringList byMouse = play(false);
        QVERIFY(byMouse.contains(QStringLiteral("say: 144, that is correct, blue gets the square. "
                                                ", it is, reds turn")));
        QCOMPARE(play(true), byMouse);
    }

    void focusOrderPerScreen() {
        BoardFixture fixture;
        WELCOME& welcome = fixture.game->screens.welcome();
        MULTIPLICATION& board = fixture.board;
        WINNER& winner = fixture.winner;
        auto tabs = [](QWidget& screen, const QList<QWidget*>& order) {
            screen.show();
            activate(screen);
            for (QWidget* expected : order) {
                QCOMPARE(screen.focusWidget(), expected);
                key(screen, Qt::Key_Tab);
            }
            QCOMPARE(screen.focusWidget(), order.first());
        };
        welcome.showForNewPlayers();
        tabs(welcome, {welcome.Text1, welcome.Text2, welcome.Command1});
        tabs(board, {board.Command1, board.Command2, board.Command3, board.Label1[1]});
        board.Command2->click();
        tabs(winner, {winner.Command1, winner.Command2, winner.Command3});
        QTest::mouseClick(winner.Command1, Qt::LeftButton);

        // A question: only the squares are left to Tab to; the arrows stop at the edges.
        activate(board);
        key(board, Qt::Key_Return);
        QCOMPARE(board.focusWidget(), board.Label1[1]);
        for (Qt::Key k : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down})
            key(board, k);
        QCOMPARE(board.focusWidget(), board.Label1[8]);
        key(board, Qt::Key_Tab);
        QCOMPARE(board.focusWidget(), board.Label1[8]);
    }

    void keysAndClicksJudgeOnce_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("dings");
        QTest::addColumn<int>("errors");
        QTest::addColumn<QString>("turn");
        QTest::newRow("held Enter on the draw button") << "held-enter" << 1 << 0 << 0 << "BLUE";
        QTest::newRow("held Enter on a corner") << "draw held-corner" << 1 << 0 << 1 << "BLUE";
        QTest::newRow("held Enter on the right square")
            << "draw held-enter" << 1 << 1 << 0 << "RED";
        // The verdict hands the focus to the draw button: Enter asks Red's question.
        QTest::newRow("click, then Enter") << "draw click enter" << 2 << 1 << 0 << "RED";
        QTest::newRow("Enter, then a click") << "draw enter click" << 1 << 1 << 1 << "RED";
        QTest::newRow("Alt+G during a question") << "draw alt-g enter" << 1 << 1 << 0 << "RED";
        QTest::newRow("keys behind the pop-up")
            << "draw wrong enter alt-g" << 1 << 0 << 1 << "BLUE";
        QTest::newRow("Enter after the pop-up") << "draw wrong popup enter" << 2 << 0 << 1 << "RED";
    }
    void keysAndClicksJudgeOnce() {
        QFETCH(QString, inputs);
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        board.show();
        activate(board);
        fixture.game->factors = {5, 6, 5, 6}; // 30, on square 25
        const int right = 25;
        for (const QString& input : inputs.split(QLatin1Char(' '))) {
            if (input == QLatin1String("draw"))
                QTest::mouseClick(board.Command1, Qt::LeftButton);
            else if (input == QLatin1String("held-enter"))
                (arrowsTo(board, right), heldKey(board, Qt::Key_Return));
            else if (input == QLatin1String("held-corner"))
                (arrowsTo(board, 0), heldKey(board, Qt::Key_Return));
            else if (input == QLatin1String("enter"))
                (arrowsTo(board, right), key(board, Qt::Key_Return));
            else if (input == QLatin1String("click"))
                clickSquare(board, right);
            else if (input == QLatin1String("wrong"))
                clickSquare(board, right + 1);
            else if (input == QLatin1String("alt-g"))
                key(board, Qt::Key_G, Qt::AltModifier);
            else if (input == QLatin1String("popup"))
                (fixture.runPopupToEnd(), activate(board));
        }
        QTEST(int(fixture.log.spoken().count(QStringLiteral("5, times, 6"))), "questions");
        QTEST(int(fixture.log.played().count(QStringLiteral("ding.WAV"))), "dings");
        QTEST(int(fixture.log.played().count(QStringLiteral("error.WAV"))), "errors");
        QTEST(fixture.state().TurnColour, "turn");
    }

    void accessibleNamesAndRoles() {
        BoardFixture fixture;
        MULTIPLICATION& board = fixture.board;
        WELCOME& welcome = fixture.game->screens.welcome();
        WINNER& winner = fixture.winner;
        fixture.claim(40); // Blue takes 56
        fixture.ask(7, 8);
        board.onClockTick();
        struct Row {
            QObject* control;
            QString name;
            QAccessible::Role role;
        };
        const QList<Row> table{
            {welcome.Text1, "Red player's name", QAccessible::EditableText},
            {welcome.Text2, "Blue player's name", QAccessible::EditableText},
            {welcome.Command1, "START PLAYING", QAccessible::Button},
            {board.Command1, "Generate Multipliers", QAccessible::Button},
            {board.Command2, "START NEW GAME", QAccessible::Button},
            {board.Label5, "First factor, 7", QAccessible::StaticText},
            {board.Label6, "Second factor, 8", QAccessible::StaticText},
            {board.lblTime, "19 seconds left", QAccessible::StaticText},
            {board.lblBlue, "Blue player, Ben", QAccessible::StaticText},
            {board.lblRed, "Red player, Rosa, to move", QAccessible::StaticText},
            {board.Label1[40], "56, Blue", QAccessible::Button},
            {board.Label1[41], "60", QAccessible::Button},
            {board.Label1[56], "Quintarlow! corner", QAccessible::Button},
            {board.Label1[28], "FREE square", QAccessible::Button},
            {board.Label1[64], "", QAccessible::NoRole},
            {fixture.popup.Label1, "Correct Answer", QAccessible::StaticText},
            {winner.Command2, "Play Again - New Players", QAccessible::Button},
        };
        for (const Row& row : table) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(row.control);
            QVERIFY(control);
            if (row.role == QAccessible::NoRole) {
                QVERIFY(control->state().invisible);
                continue;
            }
            QCOMPARE(control->text(QAccessible::Name), row.name);
            QCOMPARE(control->role(), row.role);
        }
        board.judgeSquareClick(boardIndexOfProduct(56));
        QCOMPARE(QAccessible::queryAccessibleInterface(board.Label5)->text(QAccessible::Name),
                 QStringLiteral("First factor, none drawn"));
    }

    void escapeAnswersNo() {
        QWidget parent;
        parent.show();
        QTimer::singleShot(
            0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        MessageBoxDialogs dialogs;
        QVERIFY(!dialogs.askYesNo(&parent, QStringLiteral("Are you sure?"),
                                  QStringLiteral("Close the Program")));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
