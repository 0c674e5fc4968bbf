#include "core/gamesummary.h"
#include "core/namecheck.h"
#include "media/animatedgif.h"
#include "screens/background.h"
#include "screens/splash.h"
#include "tellingstates.h"
#include "widgets/wrappingbutton.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QDir>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// Real activation: shortcuts answer only in the active window.
void activate(QWidget& screen) {
    QTRY_VERIFY((screen.activateWindow(), QApplication::activeWindow() == &screen));
}

// A key as the player presses it: to the focus; held down, the desktop repeats the press.
void key(QWidget& screen, Qt::Key k, Qt::KeyboardModifiers modifiers = {}, int repeats = 0) {
    QWidget* target = screen.focusWidget() ? screen.focusWidget() : &screen;
    QTest::keyClick(target, k, modifiers);
    for (int repeat = 0; repeat < repeats; ++repeat) {
        QKeyEvent press(QEvent::KeyPress, k, modifiers, QString(), true);
        QApplication::sendEvent(screen.focusWidget() ? screen.focusWidget() : &screen, &press);
    }
}

// A mouse click lands on whatever lies topmost at the square's middle.
void clickSquare(BoardWindow& board, int index) {
    const QPoint middle = square(board, index)->geometry().center();
    QWidget* target = board.childAt(middle);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&board, middle));
}

// Tab onto the squares, then arrows to `index`.
void arrowsTo(BoardWindow& board, int index) {
    for (int tab = 0; tab < 4 && board.focusWidget() != square(board, board.focusedSquare()); ++tab)
        key(board, Qt::Key_Tab);
    while (board.focusedSquare() != index) {
        const int from = board.focusedSquare();
        key(board, from % 8 < index % 8   ? Qt::Key_Right
                   : from % 8 > index % 8 ? Qt::Key_Left
                   : from < index         ? Qt::Key_Down
                                          : Qt::Key_Up);
    }
}

// From the splash to the end, with the mouse or keys only: a game, a replay, a game for new
// players and quitting; `heard` gets all that was said, played and asked.
void play(bool keys, QStringList& heard) {
    Screens game;
    QObject::connect(&game.screens, &ScreenSet::allUnloaded,
                     [&] { game.log.entries.append("ended"); });
    NameEntry& welcome = game.screens.welcome();
    BoardWindow& board = game.screens.board();
    WinnerWindow& winner = game.screens.winner();
    auto press = [&](QWidget& screen, QPushButton* button, Qt::Key k, Qt::KeyboardModifiers alt) {
        activate(screen);
        keys ? key(screen, k, alt) : QTest::mouseClick(button, Qt::LeftButton);
    };
    // Blue's name first: Red's untouched default text is refused. Enter in a box starts.
    auto enterNames = [&] {
        activate(welcome);
        for (auto [box, name] : {std::pair{control<QLineEdit>(welcome, "blueNameBox"), "Ben"},
                                 {control<QLineEdit>(welcome, "redNameBox"), "<b>Rosa</b>"}}) {
            keys ? key(welcome, box == control<QLineEdit>(welcome, "blueNameBox") ? Qt::Key_Tab
                                                                                  : Qt::Key_Backtab)
                 : QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClicks(welcome.focusWidget(), QLatin1String(name));
            press(welcome, control(welcome, "startButton"), Qt::Key_Return, {});
        }
    };
    auto square = [&](int index) {
        activate(board);
        keys ? (arrowsTo(board, index), key(board, Qt::Key_Space)) : clickSquare(board, index);
    };
    // Asks a × b and, given one, answers on a square.
    auto ask = [&](int a, int b, int answer = -1) {
        game.factors = {a, b};
        // Enter where a turn starts, on the draw button; its shortcut from anywhere else.
        if (board.focusWidget() == control(board, "askButton"))
            press(board, control(board, "askButton"), Qt::Key_Return, {});
        else
            press(board, control(board, "askButton"), Qt::Key_G, Qt::AltModifier);
        if (answer >= 0)
            square(answer);
    };
    auto popupToEnd = [&] {
        for (int tick = 0; tick < 9; ++tick)
            game.screens.game().revealTick();
    };

    SplashScreen& splash = game.screens.splash();
    splash.show();
    for (int tick = 1; tick <= 10; ++tick) {
        splash.onTick();
        QCOMPARE(game.log.entries.size(), tick >= 6 ? 1 : 0);
        QCOMPARE(welcome.isVisible(), tick >= 7);
    }
    game.screens.background().onTick();
    enterNames();
    square(40); // before any question: a hint
    ask(5, 6);
    square(28);   // the FREE picture
    square(7);    // a corner
    square(25);   // Blue takes 30
    ask(2, 7, 2); // Red is wrong
    popupToEnd();
    ask(4, 8, 26);
    ask(6, 7); // Red runs out of time
    for (int tick = 0; tick < 21; ++tick)
        game.screens.game().answerClockTick();
    popupToEnd();
    ask(3, 11, 27); // Blue wins along row 3 with the FREE square
    game.screens.game().announcementTick();
    game.screens.game().announcementTick();
    press(winner, control(winner, "samePlayersButton"), Qt::Key_Return,
          {}); // the first option has the focus
    ask(1, 1, 1);
    ask(1, 2, 2);
    press(board, control(board, "newGameButton"), Qt::Key_S, Qt::AltModifier);
    press(winner, control(winner, "newPlayersButton"), Qt::Key_N, Qt::AltModifier);
    enterNames();
    ask(12, 12, 62);
    QCOMPARE(control<VbLabel>(board, "redName")->caption(), "<b>Rosa</b>");
    game.dialogs.answers = {false};
    press(board, control(board, "quitButton"), Qt::Key_Q, Qt::AltModifier);
    board.close(); // answered Yes
    heard += game.log.entries + game.dialogs.asked;
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeGame_data() {
        QTest::addColumn<bool>("keys");
        QTest::newRow("mouse") << false;
        QTest::newRow("keys") << true;
    }
    void wholeGame() {
        QFETCH(bool, keys);
        QStringList heard;
        play(keys, heard);
        const QString refused = "WELCOME: Names must be entered for both players!\r\nplease retry.";
        const QString rules = "say: four in a row,,across, up and down or diagonally wins,, you "
                              "have 20 seconds to answer,, blue goes first";
        const QString invalid = "say: that is not a valid selection,, try again,, 5, times, 6";
        const auto right = [](const char* product, const char* who, const char* next) {
            return QStringList{"play: ding.WAV", QString("say: %1, that is correct, %2 gets the "
                                                         "square. , it is, %3 turn")
                                                     .arg(product, who, next)};
        };
        const QStringList expected =
            QStringList{"say: welcome to quintarlow,, enter your names and we'll get started!",
                        "play: ring.WAV",
                        rules,
                        "play: error.WAV",
                        "say: blue,, generate your multipliers",
                        "say: 5, times, 6",
                        invalid,
                        "play: error.WAV",
                        invalid} +
            right("30", "blue", "reds") +
            QStringList{"say: 2, times, 7", "play: error.WAV",
                        "say: 2  that is wrong.  the correct answer was,, 14, it is, "
                        "BLUEs turn.",
                        "say: 4, times, 8"} +
            right("32", "blue", "reds") +
            QStringList{"say: 6, times, 7",
                        "play: error.WAV",
                        "say: you are out of time.  the correct answer was,, 42, it is, "
                        "BLUEs turn.",
                        "say: 3, times, 11",
                        "play: ding.WAV",
                        "say: attention! attention! we have a winner! congratulations to "
                        "the,, blue, player",
                        "say: blue goes first",
                        "say: 1, times, 1"} +
            right("1", "blue", "reds") + QStringList{"say: 1, times, 2"} +
            right("2", "red", "blues") +
            QStringList{"say: enter the players names", rules, "say: 12, times, 12"} +
            right("144", "blue", "reds") +
            QStringList{"ended",
                        refused,
                        "Start a New Game: Are you sure?",
                        refused,
                        "Close the Program: Are you sure?",
                        "Close the Program: Are you sure?"};
        QCOMPARE(heard, expected);
    }

    // One child by keys: Tab reaches the choice and Space takes it, Alt+C drops and takes it
    // again; the Red box shows the computer and cannot be typed in; only Blue's name is asked
    // for, never the computer's; the rules are said as in a game of two. A replay keeps the
    // computer, and new players find the choice as it was last set.
    void playingAgainstTheComputer() {
        Screens game;
        NameEntry& welcome = game.screens.welcome();
        BoardWindow& board = game.screens.board();
        (welcome.show(), activate(welcome), key(welcome, Qt::Key_Tab), key(welcome, Qt::Key_Tab));
        QCOMPARE(welcome.focusWidget(), control<QCheckBox>(welcome, "computerChoice"));
        key(welcome, Qt::Key_Space);
        for (const QString& shown : {QString(ComputerName), redNamePlaceholder()}) {
            QCOMPARE(std::pair(control<QLineEdit>(welcome, "redNameBox")->text(),
                               control<QLineEdit>(welcome, "redNameBox")->isEnabled()),
                     std::pair(shown, shown != ComputerName));
            key(welcome, Qt::Key_C, Qt::AltModifier);
        }
        for (auto [typed, inGerman] : {std::pair{"", false},
                                       {"the Computer ", false},
                                       {" der computer", true},
                                       {"Be\u200Dn", false},
                                       {"Ben", false}}) {
            const InLanguage translation(inGerman ? "de" : "en"); // the computer's name as read
            (control<QLineEdit>(welcome, "blueNameBox")->setText(QString::fromUtf8(typed)),
             control<QLineEdit>(welcome, "blueNameBox")->setFocus(), key(welcome, Qt::Key_Return));
        }
        QCOMPARE(control<VbLabel>(board, "redName")->caption(), ComputerName);
        Game& model = game.screens.game();
        (model.leave(), model.playAgainSamePlayers(), model.leave(), model.playAgainNewPlayers());
        QCOMPARE(control<QLineEdit>(welcome, "redNameBox")->text(), ComputerName);
        QCOMPARE(game.dialogs.asked + game.record.entries + game.log.entries.mid(0, 1),
                 QStringList({"WELCOME: A name must be entered for the Blue player!\r\nplease "
                              "retry.",
                              "WELCOME: The same name cannot be entered for both players!\r\n"
                              "please enter another name, or play against the computer.",
                              "WILLKOMMEN: Beide Spieler können nicht denselben Namen haben!\r\n"
                              "Bitte schreib einen anderen Namen oder spiel gegen den Computer.",
                              "WELCOME: The Blue player's name holds a control or invisible "
                              "character (U+200D).\r\nPlease type it again.",
                              "start alone: Ben", "finish: ", "start alone: Ben", "finish: ",
                              "say: four in a row,,across, up and down or diagonally wins,, you "
                              "have 20 seconds to answer,, blue goes first"}));
    }

    // A guest by keys (Alt+G) plays Red as anyone does, and the record hears only Blue's answers
    // and no guest's name, even when the guest wins. The name boxes offer the record's names
    // (capitals aside) while a new one is still typed freely, and keys and clicks go where they
    // went without the list: Tab moves on, a click lands, Enter starts. At the end Blue, not the
    // guest, is told what they did.
    void aGuestIsNeverRecorded() {
        Screens game;
        game.record.names = {"Benjamin", "Rosa"};
        game.record.keepsPlayers = true;
        NameEntry& welcome = game.screens.welcome();
        const BoardWindow& board = game.screens.board();
        (welcome.show(), activate(welcome));
        auto* offered = control<QLineEdit>(welcome, "blueNameBox")->completer()->popup();
        auto* guest = control<QCheckBox>(welcome, "guestChoice");
        // Key_unknown: a click on the guest choice, which takes the focus as a click does.
        for (auto [typed, pressed] :
             {std::pair{"Ro", Qt::Key_Tab}, {"b", Qt::Key_unknown}, {"E", Qt::Key_Return}}) {
            QTest::keyClicks(welcome.focusWidget(), typed);
            QTRY_VERIFY(offered->isVisible());
            // As the desktop hands them on: to the list while it shows.
            if (pressed != Qt::Key_unknown) {
                QTest::keyClick(static_cast<QWidget*>(nullptr), pressed);
                continue;
            }
            const QPoint onGuest = guest->mapToGlobal(QPoint(5, guest->height() - 5));
            QTest::mouseClick(offered, Qt::LeftButton, {}, offered->mapFromGlobal(onGuest));
            QVERIFY(guest->isChecked());
            QTest::mouseClick(control<QLineEdit>(welcome, "blueNameBox"), Qt::LeftButton);
        }
        QCOMPARE(offered->model()->index(0, 0).data(), "Benjamin");
        Game& model = game.screens.game();
        for (int square : {1, 9, 3, 10, 5, 11, 14, 12})
            (game.factors = {1, squareProduct(square)}, model.ask(), model.choose(square));
        QCOMPARE(model.winner(), Player::Red);
        for (int tick = 0; tick < 10; ++tick)
            model.announcementTick();
        // Told on the board, and heard with the draw button; the guest is told nothing.
        QCOMPARE(control(board, "askButton")->accessibleDescription(),
                 "bE: 4 of 4 right, 0 new facts known");
        QCOMPARE(game.record.entries.first() + game.record.entries.last(),
                 "start: bE / A guestfinish: A guest");
        QCOMPARE(game.record.entries.filter("answer: bE").size(), game.record.entries.size() - 2);
    }

    void keysAndClicksJudgeOnce_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("heard"); // questions, dings, errors, then whose turn
        const auto row = [](const char* name, const char* inputs, const char* heard) {
            QTest::newRow(name) << QString::fromLatin1(inputs) << QString::fromLatin1(heard);
        };
        row("held Enter on the draw button", "held", "1 0 0 BLUE");
        row("held Enter on the right square", "draw to-25 held", "1 1 0 RED");
        row("double-click on the right square", "draw dclick", "1 1 0 RED");
        row("click on the right square's shadow", "draw shadow-25", "1 1 0 RED");
        // The verdict hands the focus to the draw button: Enter asks Red's question.
        row("Enter, then Enter", "draw to-25 enter enter", "2 1 0 RED");
        row("Alt+G during a question", "draw alt-g to-25 enter", "1 1 0 RED");
        row("keys behind the pop-up", "draw wrong enter alt-g", "1 0 1 BLUE");
        row("Enter after the pop-up", "draw wrong popup enter", "2 0 1 RED");
    }
    void keysAndClicksJudgeOnce() {
        QFETCH(QString, inputs);
        BoardFixture fixture;
        BoardWindow& board = fixture.board;
        activate(board);
        fixture.game->factors = {5, 6, 5, 6}; // 30, on square 25
        const std::map<QString, std::function<void()>> act{
            {"draw", [&] { QTest::mouseClick(control(board, "askButton"), Qt::LeftButton); }},
            {"to-25", [&] { arrowsTo(board, 25); }},
            {"enter", [&] { key(board, Qt::Key_Return); }},
            {"held", [&] { key(board, Qt::Key_Return, {}, 2); }},
            {"dclick", [&] { QTest::mouseDClick(square(board, 25), Qt::LeftButton); }},
            {"wrong", [&] { clickSquare(board, 26); }},
            {"shadow-25",
             [&] {
                 const QPoint strip =
                     square(board, shadowIndexBehind(25))->geometry().bottomRight() - QPoint(1, 1);
                 QWidget* target = board.childAt(strip);
                 QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&board, strip));
             }},
            {"alt-g", [&] { key(board, Qt::Key_G, Qt::AltModifier); }},
            {"popup", [&] { (fixture.runPopupToEnd(), activate(board)); }}};
        for (const QString& input : inputs.split(QLatin1Char(' ')))
            act.at(input)();
        const QStringList& heard = fixture.log.entries;
        QTEST(QString::asprintf("%lld %lld %lld %s", heard.count("say: 5, times, 6"),
                                heard.count("play: ding.WAV"), heard.count("play: error.WAV"),
                                fixture.model.toMove() == Player::Red ? "RED" : "BLUE"),
              "heard");
    }

    // The keyboard's frame shows on the squares it reaches, the FREE square under its picture too.
    void focusFrameShowsOnEverySquare() {
        BoardFixture fixture;
        BoardWindow& board = fixture.board;
        activate(board);
        for (int index : {FreeSquareIndex - 1, FreeSquareIndex}) {
            arrowsTo(board, index);
            const QRect place = square(board, index)->geometry();
            const QImage shown = board.grab().toImage();
            QCOMPARE(shown.pixelColor(place.left() + 2, place.center().y()), QColor(Qt::black));
            QCOMPARE(shown.pixelColor(place.left() + 5, place.center().y()), QColor(Qt::white));
        }
    }

    void accessibleNamesAndRoles() {
        BoardFixture fixture;
        BoardWindow& board = fixture.board;
        fixture.claim(40); // Blue takes 56
        fixture.ask(7, 8);
        fixture.model.answerClockTick();
        const QList<std::tuple<QObject*, const char*, QAccessible::Role>> table{
            {control<VbLabel>(board, "firstFactor"), "First factor, 7", QAccessible::StaticText},
            {control<VbLabel>(board, "answerClock"), "19 seconds left", QAccessible::StaticText},
            {control<VbLabel>(board, "redName"), "Red player, Rosa, to move",
             QAccessible::StaticText},
            {square(board, 40), "56, Blue", QAccessible::Button},
            {square(board, 56), "Quintarlow! corner", QAccessible::Button},
            {square(board, 28), "FREE square", QAccessible::Button},
            {control<QCheckBox>(fixture.game->screens.welcome(), "computerChoice"),
             "Play against the computer", QAccessible::CheckBox},
        };
        for (const auto& [control, name, role] : table) {
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name),
                     QString::fromUtf8(name));
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->role(), role);
        }
        QVERIFY(QAccessible::queryAccessibleInterface(square(board, 64))->state().invisible);
    }

    // Each screen in a role a screen reader presents as it appears, named by what it shows; the
    // verdict goes with the draw button, which takes the focus after an answer.
    void screensTellWhatTheyShow_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* moment, QAccessible::Role role, const char* name,
                            const char* description) {
            QTest::newRow(moment) << moment << int(role) << name << description;
        };
        row("name entry", QAccessible::Window, "Quintarlow!", "");
        row("board", QAccessible::Window, "Quintarlow!", "");
        row("right answer", QAccessible::Button, "Generate Multipliers",
            "CORRECT, IT'S RED's TURN");
        row("pop-up", QAccessible::AlertMessage, "Correct Answer", "7 X 8 = 56");
        row("second pop-up", QAccessible::AlertMessage, "Correct Answer", "12 X 11 = 132");
        row("after the pop-up", QAccessible::Button, "Generate Multipliers", "IT'S RED's TURN.");
        row("win", QAccessible::Dialog, "WE HAVE A WINNER", "Ben, Blue");
        row("menu", QAccessible::Dialog, "Choose Option Below", "");
    }
    void screensTellWhatTheyShow() {
        QFETCH(QString, moment);
        BoardFixture fixture;
        BoardWindow& board = fixture.board;
        const auto wrong = [&](int a, int b) {
            fixture.ask(a, b);
            board.clickSquare(9);
        };
        const std::map<QString, std::function<QObject*()>> reach{
            {"name entry", [&] { return &fixture.game->screens.welcome(); }},
            {"board", [&] { return &board; }},
            {"right answer", [&] { return (fixture.claim(25), control(board, "askButton")); }},
            {"pop-up", [&] { return (wrong(7, 8), &fixture.popup); }},
            {"second pop-up",
             [&] { return (wrong(7, 8), fixture.runPopupToEnd(), wrong(12, 11), &fixture.popup); }},
            {"after the pop-up",
             [&] { return (wrong(7, 8), fixture.runPopupToEnd(), control(board, "askButton")); }},
            {"win", [&] { return (fixture.blueWins(), &fixture.winner); }},
            {"menu", [&] {
                 fixture.blueWins();
                 control(fixture.winner, "samePlayersButton")->click();
                 board.startNewGame();
                 return &fixture.winner;
             }}};
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(reach.at(moment)());
        QTEST(int(told->role()), "role");
        QTEST(told->text(QAccessible::Name), "name");
        QTEST(told->text(QAccessible::Description), "description");
    }

    // A missing or broken picture leaves the control empty, and painting it is harmless.
    void pictures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("animates");
        QTest::newRow("picture") << "gif/dance.gif" << true;
        QTest::newRow("missing") << "gif/nothing_here.gif" << false;
        QTest::newRow("truncated") << "truncated" << false;
    }
    void pictures() {
        QFETCH(QString, file);
        QFETCH(bool, animates);
        QTemporaryDir folder;
        if (file == "truncated") {
            QFile source("gif/dance.gif");
            QFile broken(file = folder.filePath("broken.gif"));
            QVERIFY(source.open(QIODevice::ReadOnly) && broken.open(QIODevice::WriteOnly));
            broken.write(source.read(20));
        }
        QWidget screen;
        AnimatedGif picture(&screen, QRect(0, 0, 705, 705));
        picture.setPictureFile(file);
        picture.startAnimation();
        QCOMPARE(picture.isRunning(), animates);
        screen.show();
        QVERIFY(!picture.grab().isNull());
        // Clicks are told, a double-click as one.
        QSignalSpy clicked(&picture, &AnimatedGif::clicked);
        QSignalSpy doubleClicked(&picture, &AnimatedGif::doubleClicked);
        QTest::mouseClick(&picture, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseDClick(&picture, Qt::LeftButton);
        QTest::mouseClick(&picture, Qt::RightButton);
        QCOMPARE(doubleClicked.count(), 1);
        // A stopped picture starts again without a new file, and a running one hidden for a
        // while goes on when it shows again from the frame it had reached.
        picture.stopAnimation();
        QVERIFY(!picture.isRunning());
        picture.startAnimation();
        QTRY_COMPARE(picture.currentFrame() > 0, animates);
        const int reached = picture.currentFrame();
        picture.hide();
        picture.show();
        QCOMPARE(picture.currentFrame(), reached);
        QTRY_COMPARE(picture.currentFrame() != reached, animates);
        QCOMPARE(picture.isRunning(), animates);
    }

    // A playing picture keeps its frames in a quarter of the room, each pixel as the file has it.
    void framesAreKeptSmallAndExact() {
        for (const QString& file : QDir("gif").entryList({"*.gif"})) {
            QImageReader reader("gif/" + file);
            QImage frame;
            int frames = 0;
            for (; reader.read(&frame); ++frames) {
                const QImage kept = compactFrame(frame);
                QCOMPARE(kept.convertToFormat(frame.format()), frame);
                QVERIFY2(kept.sizeInBytes() * 3 < frame.sizeInBytes(), qPrintable(file));
            }
            QVERIFY2(frames > 1, qPrintable(file));
        }
    }

    // Every caption and button text fits its control, in each language the game ships.
    void captionsKeepClearOfTheirEdges_data() { addLanguageRows(); }
    void captionsKeepClearOfTheirEdges() {
        QFETCH(QString, language);
        const InLanguage translation(language);
        QVERIFY(translation.loaded);
        forEachTellingState([](const QString& state, const QList<ScreenWindow*>& screens) {
            for (ScreenWindow* screen : screens) {
                for (VbLabel* label : screen->findChildren<VbLabel*>()) {
                    if (label->caption().trimmed().isEmpty() || !label->isVisibleTo(screen))
                        continue;
                    const int inset =
                        label->borderStyle() == VbLabel::BorderStyle::FixedSingle ? 3 : 2;
                    const QString where = state + QLatin1Char(' ') + label->caption();
                    QVERIFY2(label->rect()
                                 .adjusted(inset, inset, -inset, -inset)
                                 .contains(label->captionRect()),
                             qPrintable(where));
                    if (state == QLatin1String("long-names") && label->caption().size() == 30)
                        QVERIFY2(label->captionFont().pixelSize() >= 11, qPrintable(where));
                }
                // A name box shows the whole of its default text, as a button its caption.
                for (QWidget* widget : screen->findChildren<QWidget*>()) {
                    const auto* button = qobject_cast<QAbstractButton*>(widget);
                    const auto* box = qobject_cast<QLineEdit*>(widget);
                    if (!button && !box)
                        continue;
                    const QString text =
                        button ? QString(button->text()).remove(QLatin1Char('&')) : box->text();
                    QVERIFY2(button || text == redNamePlaceholder() ||
                                 text == blueNamePlaceholder(),
                             qPrintable(QStringLiteral("cut: ") + text));
                    const QFontMetrics metrics(widget->font());
                    const auto* wrapping = qobject_cast<WrappingButton*>(widget);
                    const QRect room =
                        wrapping ? wrapping->captionRect() : widget->rect().adjusted(4, 0, -4, 0);
                    const QRect needed =
                        wrapping
                            ? metrics.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text)
                            : QRect(0, 0,
                                    metrics.horizontalAdvance(text) +
                                        (qobject_cast<QCheckBox*>(widget) ? 24 : 0),
                                    metrics.height());
                    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                             qPrintable(state + QLatin1Char(' ') + text));
                }
            }
        });
    }

    // The end-of-game line counts in each language's plurals: French and Norwegian say one
    // right answer, and French no new fact, in the singular.
    void summaryCountsInTheLanguage() {
        for (const auto& [language, shown] :
             {std::pair{"en", "Léa: 1 of 2 right, 0 new facts known"},
              {"fr", "Léa : 1 sur 2 juste, 0 nouveau calcul appris"},
              {"nb", "Léa: 1 av 2 riktig, 0 nye gangestykker lært"}}) {
            const InLanguage translation(QString::fromLatin1(language));
            QCOMPARE(shownSummary({.name = "Léa", .asked = 2, .right = 1, .tables = {}}).join(", "),
                     QString::fromUtf8(shown));
        }
    }

    // The board behind the screen over it: its buttons keep their look, ready after a wrong
    // answer as they looked before, grey after a time-out (its clock runs on), only the draw
    // button grey after a win; it hands on the focus the desktop gives it, and close requests
    // are answered.
    void buttonsKeepTheirLookBehindTheScreenOverTheBoard_data() {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("enabled"); // draw, new game, quit
        for (const auto& [name, moment, enabled] : {std::tuple{"wrong answer", "wrong", "1 1 1"},
                                                    {"time-out", "time-out", "0 0 0"},
                                                    {"win", "win", "0 1 1"}})
            QTest::newRow(name) << moment << enabled;
    }
    void buttonsKeepTheirLookBehindTheScreenOverTheBoard() {
        QFETCH(QString, moment);
        BoardFixture fixture;
        BoardWindow& board = fixture.board;
        const auto looks = [&] {
            QList<QImage> images;
            for (const char* name : {"askButton", "newGameButton", "quitButton"})
                images.append(control(board, name)->grab().toImage());
            return images;
        };
        const QList<QImage> ready = looks();
        if (moment == "wrong") {
            fixture.answer(25, 26);
        } else if (moment == "win") {
            fixture.blueWins();
        } else {
            fixture.ask(5, 6);
            for (int tick = 0; tick <= AnswerSeconds; ++tick)
                fixture.model.answerClockTick();
        }
        QVERIFY(!board.isEnabled());
        QTEST(QString::asprintf("%d %d %d", control(board, "askButton")->isEnabledTo(&board),
                                control(board, "newGameButton")->isEnabledTo(&board),
                                control(board, "quitButton")->isEnabledTo(&board)),
              "enabled");
        QCOMPARE(looks() == ready, moment == "wrong");
        if (moment == "win") {
            // The desktop may hand the focus to the waiting board (a click on it, a window list):
            // the board hands it on.
            NameEntry& elsewhere = fixture.game->screens.welcome();
            (elsewhere.show(), activate(elsewhere));
            QEvent activated(QEvent::WindowActivate);
            QApplication::sendEvent(&board, &activated);
            QTRY_COMPARE(QApplication::activeWindow(), &fixture.winner);
        }
        if (moment != "wrong")
            return;
        // A close request from the desktop: the pop-up lets it pass, since it goes by itself;
        // the board asks, and a No leaves it up.
        fixture.game->dialogs.answers = {false};
        for (ScreenWindow* closed : std::initializer_list<ScreenWindow*>{&fixture.popup, &board})
            QVERIFY((closed->close(), closed->isVisible()));
        QCOMPARE(fixture.game->dialogs.asked.size(), 1);
    }

    // The winner's headline hides the fireworks behind it; a replay puts every square back:
    // claimed ones white again, the winning line framed.
    void replayRestoresTheSquares() {
        BoardFixture fixture;
        fixture.blueWins();
        const QImage headline = control<VbLabel>(fixture.winner, "headline")->grab().toImage();
        QCOMPARE(headline.pixelColor(1, 1), QColor(0xFF, 0x80, 0x00));
        fixture.board.onWinningLineTick();
        control(fixture.winner, "samePlayersButton")->click();
        for (int index = 0; index < BoardSquareCount; ++index)
            if (squareKind(index) == SquareKind::Numbered) {
                const VbLabel* numbered = square(fixture.board, index);
                QCOMPARE(numbered->backColour(), Colour::White);
                QCOMPARE(numbered->borderStyle(), VbLabel::BorderStyle::FixedSingle);
            }
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
