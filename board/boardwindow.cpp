#include "board/boardwindow.h"

#include "core/clocktext.h"
#include "core/game.h"
#include "media/animatedgif.h"
#include "media/dialogs.h"
#include "widgets/fonts.h"
#include "widgets/keyboard.h"
#include "widgets/vbbutton.h"
#include "widgets/vblabel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace quintarlow {

// The focus frame of a square that a picture lies over, drawn over the picture.
class FocusFrame final : public QWidget {
public:
    FocusFrame(QWidget& square, QWidget* parent) : QWidget(parent), square(square) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(square.geometry());
        raise();
        square.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update();
        return QWidget::eventFilter(watched, event);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintFocusFrame(painter, square);
    }

private:
    QWidget& square;
};

namespace {

constexpr QLatin1String NoQuestion{"?"};

VbLabel* makeNameLabel(QWidget* parent, const QRect& twips, VbColour back, VbColour fore) {
    auto* label = makeCaption(parent, twips, QString(), gameFont(Face::MsSansSerif, 9.75, Bold),
                              Qt::AlignHCenter);
    label->setTransparent(false);
    label->setBackColour(back);
    label->setForeColour(fore);
    label->setBorderStyle(VbLabel::BorderStyle::FixedSingle);
    label->setBreakAnywhere(true);
    return label;
}

// A black rectangle drawn behind a control, offset to look like its shadow.
void makeShadow(QWidget* parent, const QRect& twips) {
    auto* shadow = new VbLabel(parent, twips);
    shadow->setBackColour(Colour::Black);
    shadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    shadow->setAccessibleRole(QAccessible::NoRole);
}

QPushButton* makeButton(QWidget* parent, const QRect& twips, const QString& caption) {
    auto* button = new VbButton(caption, parent);
    button->setGeometry(twipsToPixels(twips));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

BoardWindow::BoardWindow(ScreenHost& host, Game& game, Dialogs& dialogs)
    : ScreenWindow(host, {.name = QStringLiteral("MULTIPLICATION"),
                          .clientTwips = {12210, 8715},
                          .backColour = Colour::White,
                          .picture = QStringLiteral(":/backgrounds/board.jpg"),
                          .gameIcon = true}),
      game(game), dialogs(dialogs) {
    setFont(gameFont(Face::MsSansSerif, 8.25));

    winningLineTimer.setInterval(500);
    blueBlinkTimer.setInterval(250);
    redBlinkTimer.setInterval(250);
    connect(&winningLineTimer, &QTimer::timeout, this, &BoardWindow::onWinningLineTick);
    connect(&blueBlinkTimer, &QTimer::timeout, this, &BoardWindow::onBlueBlinkTick);
    connect(&redBlinkTimer, &QTimer::timeout, this, &BoardWindow::onRedBlinkTick);

    buildControls();
    buildSquares();
    buildKeyboardAccess();
    connectGame();
    centreOnScreen();
}

void BoardWindow::buildControls() {
    makeShadow(this, {840, 2520, 2655, 495});  // behind askButton
    makeShadow(this, {240, 4680, 3975, 1455}); // behind the names
    makeShadow(this, {720, 7320, 2895, 495});  // behind newGameButton
    makeShadow(this, {720, 8160, 2895, 495});  // behind quitButton

    const QFont multiplierFont = gameFont(Face::Palatino, 72, Bold);
    const QFont messageFont = gameFont(Face::MsSansSerif, 9.75, Bold);
    firstFactor =
        makeCaption(this, {240, 120, 1335, 1695}, NoQuestion, multiplierFont, Qt::AlignHCenter);
    timesSign =
        makeCaption(this, {1800, 600, 615, 1215}, QStringLiteral("X"), gameFont(Face::Tahoma, 48));
    secondFactor =
        makeCaption(this, {2520, 120, 1335, 1695}, NoQuestion, multiplierFont, Qt::AlignHCenter);
    askButton = makeButton(this, {720, 2400, 2655, 495}, tr("Generate Multipliers"));
    answerClock = makeCaption(this, {1680, 3240, 735, 615}, clockCaption(AnswerSeconds),
                              gameFont(Face::MsSansSerif, 24, Bold));
    answerClock->hide();
    messageLines[0] =
        makeCaption(this, {240, 3240, 3735, 375}, QString(), messageFont, Qt::AlignHCenter);
    messageLines[1] =
        makeCaption(this, {240, 3720, 3735, 375}, QString(), messageFont, Qt::AlignHCenter);
    redName = makeNameLabel(this, {120, 4560, 3975, 495}, Colour::Red, Colour::White);
    nameStrip = makeNameLabel(this, {120, 5040, 3975, 495}, Colour::SystemWindowBackground,
                              Colour::SystemWindowText);
    blueName = makeNameLabel(this, {120, 5520, 3975, 495}, Colour::Blue, Colour::White);
    ruleLine =
        makeCaption(this, {240, 6240, 3975, 735},
                    tr("FOUR IN A ROW - ACROSS, UP AND DOWN OR DIAGONALLY WINS."), messageFont);
    newGameButton = makeButton(this, {660, 7200, 2895, 495}, tr("START NEW GAME"));
    quitButton = makeButton(this, {660, 8040, 2895, 495}, tr("QUIT GAME"));
    titleBanner = new AnimatedGif(this, {4920, 120, 6615, 495});
    gameOverPicture = new AnimatedGif(this, {6480, 120, 4215, 735});
    nameControls({{firstFactor, "firstFactor"},
                  {secondFactor, "secondFactor"},
                  {answerClock, "answerClock"},
                  {redName, "redName"},
                  {blueName, "blueName"},
                  {askButton, "askButton"},
                  {newGameButton, "newGameButton"},
                  {quitButton, "quitButton"}});

    connect(askButton, &QPushButton::clicked, &game, &Game::ask);
    connect(newGameButton, &QPushButton::clicked, this, &BoardWindow::startNewGame);
    connect(quitButton, &QPushButton::clicked, this, &BoardWindow::quitGame);
}

void BoardWindow::buildSquares() {
    const QFont productFont = gameFont(Face::MsSansSerif, 24);
    const QFont cornerFont = gameFont(Face::MsSansSerif, 8.25, Bold | Italic);
    const QFont freeFont = gameFont(Face::MsSansSerif, 9.75, Bold);
    auto fontOf = [&](int boardIndex) {
        switch (squareKind(boardIndex)) {
        case SquareKind::Corner:
            return cornerFont;
        case SquareKind::Free:
            return freeFont;
        case SquareKind::Numbered:
            break;
        }
        return productFont;
    };
    // Shadows first, so that every board square lies above them.
    for (int boardIndex = 0; boardIndex < BoardSquareCount; ++boardIndex) {
        const int index = shadowIndexBehind(boardIndex);
        auto* shadow = makeCaption(this, squareGeometryTwips(index), squareCaption(index),
                                   fontOf(boardIndex), Qt::AlignHCenter);
        shadow->setTransparent(false);
        shadow->setBackColour(Colour::Black);
        shadow->setForeColour(Colour::SystemWindowText);
        squares[index] = shadow;
    }
    for (int index = 0; index < BoardSquareCount; ++index) {
        auto* square = makeCaption(this, squareGeometryTwips(index), squareCaption(index),
                                   fontOf(index), Qt::AlignHCenter);
        square->setTransparent(false);
        switch (squareKind(index)) {
        case SquareKind::Corner:
            square->setBackColour(Colour::Yellow);
            square->setForeColour(index == 56 ? Colour::SystemWindowText : Colour::Black);
            break;
        case SquareKind::Free:
            square->setBackColour(Colour::Green);
            square->setForeColour(Colour::Green);
            square->setBorderStyle(VbLabel::BorderStyle::FixedSingle);
            break;
        case SquareKind::Numbered:
            square->setBackColour(Colour::White);
            square->setForeColour(Colour::SystemButtonText);
            square->setBorderStyle(VbLabel::BorderStyle::FixedSingle);
            break;
        }
        squares[index] = square;
    }
    for (int index = 0; index < SquareLabelCount; ++index) {
        squares[index]->setObjectName(squareObjectName(index));
        connect(squares[index], &VbLabel::clicked, this, [this, index] { clickSquare(index); });
    }

    freePicture = new AnimatedGif(this, {8160, 3720, 705, 705});
    freeSquareFrame = new FocusFrame(*squares[FreeSquareIndex], this);
    connect(freePicture, &AnimatedGif::clicked, &game, &Game::chooseFreePicture);
    connect(freePicture, &AnimatedGif::doubleClicked, &game, &Game::chooseFreePicture);
}

void BoardWindow::buildKeyboardAccess() {
    addAltShortcut(askButton, Qt::Key_G);
    addAltShortcut(newGameButton, Qt::Key_S);
    addAltShortcut(quitButton, Qt::Key_Q);
    askButton->installEventFilter(this);

    firstFactor->setSpokenName([this] {
        const std::optional<Fact> shown = shownQuestion();
        return shown ? tr("First factor, %1").arg(shown->a) : tr("First factor, none drawn");
    });
    secondFactor->setSpokenName([this] {
        const std::optional<Fact> shown = shownQuestion();
        return shown ? tr("Second factor, %1").arg(shown->b) : tr("Second factor, none drawn");
    });
    timesSign->setSpokenName([] { return tr("times"); });
    answerClock->setSpokenName(
        [this] { return tr("%n seconds left", nullptr, std::max(game.secondsLeft(), 0)); });
    // One pass of arg: a name is data, and one holding "%1" must not take anything.
    blueName->setSpokenName([this] {
        return (blueBlinkTimer.isActive() ? tr("Blue player, %1, to move") : tr("Blue player, %1"))
            .arg(blueName->caption());
    });
    redName->setSpokenName([this] {
        return (redBlinkTimer.isActive() ? tr("Red player, %1, to move") : tr("Red player, %1"))
            .arg(redName->caption());
    });
    nameStrip->setAccessibleRole(QAccessible::NoRole);
    // The verdict and whose turn it is are heard with the draw button, which takes the focus
    // after every answer.
    for (VbLabel* line : messageLines)
        connect(line, &VbLabel::spokenNameChanged, this, [this] {
            QStringList lines;
            for (const VbLabel* shown : messageLines)
                if (!shown->caption().isEmpty())
                    lines.append(shown->caption());
            askButton->setAccessibleDescription(lines.join(QStringLiteral(", ")));
        });

    for (int index = 0; index < BoardSquareCount; ++index) {
        VbLabel* square = squares[index];
        square->setAccessibleRole(QAccessible::Button);
        square->installEventFilter(this);
        switch (squareKind(index)) {
        case SquareKind::Corner:
            square->setSpokenName([] { return tr("Quintarlow! corner"); });
            square->setAccessibleDescription(tr("Cannot be chosen."));
            break;
        case SquareKind::Free:
            square->setSpokenName([] { return tr("FREE square"); });
            square->setAccessibleDescription(
                tr("Counts for both players in a line. Cannot be chosen."));
            break;
        case SquareKind::Numbered:
            square->setSpokenName([this, index] {
                switch (game.owner(index)) {
                case Player::Blue:
                    return tr("%1, Blue").arg(squareCaption(index));
                case Player::Red:
                    return tr("%1, Red").arg(squareCaption(index));
                case Player::Nobody:
                    break;
                }
                return squareCaption(index);
            });
            break;
        }
    }
    for (int index = BoardSquareCount; index < SquareLabelCount; ++index)
        squares[index]->setAccessibleRole(QAccessible::NoRole);
    resetKeyboardFocus();
}

// One square at a time takes part in Tab: the arrow keys move it over the board.
void BoardWindow::focusSquare(int index) {
    squares[m_focusedSquare]->setFocusPolicy(Qt::NoFocus);
    m_focusedSquare = index;
    squares[index]->setFocusPolicy(Qt::TabFocus);
    squares[index]->setFocus(Qt::OtherFocusReason);
}

void BoardWindow::resetKeyboardFocus() {
    focusSquare(1);
    askButton->setFocus(Qt::OtherFocusReason);
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event) {
    // Whenever a question may be asked again (after a verdict, the pop-up, on a new game),
    // a turn starts at the draw button.
    if (watched == askButton && event->type() == QEvent::EnabledChange && askButton->isEnabled())
        askButton->setFocus(Qt::OtherFocusReason);
    // A disabled board takes no keys, as it takes no clicks.
    if (event->type() != QEvent::KeyPress || watched != squares[m_focusedSquare] || !isEnabled())
        return ScreenWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int row = m_focusedSquare / BoardSide;
    const int column = m_focusedSquare % BoardSide;
    auto moveTo = [this](int toRow, int toColumn) {
        focusSquare(std::clamp(toRow, 0, BoardSide - 1) * BoardSide +
                    std::clamp(toColumn, 0, BoardSide - 1));
        return true;
    };
    switch (key->key()) {
    case Qt::Key_Left:
        return moveTo(row, column - 1);
    case Qt::Key_Right:
        return moveTo(row, column + 1);
    case Qt::Key_Up:
        return moveTo(row - 1, column);
    case Qt::Key_Down:
        return moveTo(row + 1, column);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A held key answers once, as one click does.
        if (!key->isAutoRepeat())
            pressSquare(m_focusedSquare);
        return true;
    default:
        return ScreenWindow::eventFilter(watched, event);
    }
}

void BoardWindow::connectGame() {
    connect(&game, &Game::gameBegan, this, [this] {
        blueName->setCaption(game.name(Player::Blue));
        redName->setCaption(game.shownName(Player::Red));
        show();
    });
    connect(&game, &Game::questionAsked, this, [this] {
        drawFactors();
        drawButtons();
        drawMessages();
        drawClock();
        focusSquare(m_focusedSquare);
    });
    connect(&game, &Game::clockChanged, this, &BoardWindow::drawClock);
    connect(&game, &Game::squareClaimed, this, [this](int index) {
        VbLabel* square = squares[index];
        square->setBackColour(game.owner(index) == Player::Blue ? Colour::Blue : Colour::Red);
        square->setForeColour(Colour::White);
    });
    connect(&game, &Game::verdictShown, this, [this] {
        drawClock();
        drawMessages();
        moveBlinking();
        drawFactors();
        drawButtons();
    });
    connect(&game, &Game::revealStarted, this, [this] {
        drawClock();
        drawMessages();
        titleBanner->hide();
        freePicture->hide();
        setEnabled(false);
        drawButtons();
        drawFactors();
    });
    connect(&game, &Game::revealTicked, this, [this] {
        drawMessages();
        moveBlinking();
    });
    connect(&game, &Game::revealEnded, this, [this] {
        setEnabled(true);
        titleBanner->show();
        freePicture->show();
        drawButtons();
    });
    connect(&game, &Game::won, this, &BoardWindow::drawWin);
    connect(&game, &Game::summaryTold, this, &BoardWindow::drawMessages);
    connect(&game, &Game::menuOpened, this, [this] {
        titleBanner->stopAnimation();
        freePicture->stopAnimation();
        setEnabled(false);
    });
    connect(&game, &Game::boardReset, this, &BoardWindow::drawReset);
}

void BoardWindow::onLoad() {
    titleBanner->show();
    titleBanner->setPictureFile(QStringLiteral("gif/quintarlow_small.gif"));
    titleBanner->startAnimation();
    freePicture->setPictureFile(QStringLiteral("gif/free_.gif"));
    freePicture->startAnimation();
    gameOverPicture->setPictureFile(QStringLiteral("gif/gameover.gif"));
    gameOverPicture->hide();
    drawMessages();
    redName->setForeColour(Colour::White);
    blueName->setForeColour(Colour::White);
    setTimerEnabled(blueBlinkTimer, true);
    squares[FreeSquareIndex]->setBackColour(Colour::BrightGreen);
    squares[FreeSquareIndex]->setForeColour(Colour::BrightGreen);
}

void BoardWindow::clickSquare(int index) {
    // A shadow's visible strip belongs to the square in front of it: a claim there must land
    // on the board, where the four-in-a-line check and the replay can see it.
    if (isShadowIndex(index))
        index = boardIndexInFrontOf(index);
    if (index < 0 || index >= BoardSquareCount)
        return;
    game.choose(index);
}

void BoardWindow::pressSquare(int index) {
    // The FREE picture lies over the middle of its square and takes the click there.
    if (index == FreeSquareIndex && freePicture->isVisible())
        game.chooseFreePicture();
    else
        clickSquare(index);
}

std::optional<Fact> BoardWindow::shownQuestion() const {
    if (game.stage() == Stage::Won)
        return game.lastQuestion();
    return game.question();
}

void BoardWindow::drawFactors() {
    const std::optional<Fact> shown = shownQuestion();
    firstFactor->setCaption(shown ? QString::number(shown->a) : QString(NoQuestion));
    secondFactor->setCaption(shown ? QString::number(shown->b) : QString(NoQuestion));
}

void BoardWindow::drawClock() {
    answerClock->setCaption(clockCaption(game.secondsLeft()));
    answerClock->setVisible(game.stage() == Stage::Asking);
}

void BoardWindow::drawMessages() {
    for (std::size_t line = 0; line < messageLines.size(); ++line) {
        messageLines[line]->setVisible(game.messagesShown());
        messageLines[line]->setCaption(game.messages()[line]);
    }
}

void BoardWindow::drawButtons() {
    // The buttons keep the look they had when the board went out of play: a wrong answer leaves
    // them ready behind the pop-up, a question or a time-out (whose clock runs on) greys them,
    // and a win greys the draw button only. New players find them ready.
    const Stage stage = game.stage();
    const bool asking =
        stage == Stage::Asking || (stage == Stage::Revealing && game.clockRunning());
    askButton->setEnabled(!asking && stage != Stage::Won);
    newGameButton->setEnabled(!asking);
    quitButton->setEnabled(!asking);
}

void BoardWindow::moveBlinking() {
    const bool red = game.toMove() == Player::Red;
    setTimerEnabled(red ? blueBlinkTimer : redBlinkTimer, false);
    setTimerEnabled(red ? redBlinkTimer : blueBlinkTimer, true);
    (red ? blueName : redName)->setForeColour(Colour::White);
}

void BoardWindow::drawWin() {
    drawMessages();
    drawClock();
    drawButtons();
    setTimerEnabled(redBlinkTimer, false);
    setTimerEnabled(blueBlinkTimer, false);
    redName->setForeColour(Colour::White);
    blueName->setForeColour(Colour::White);
    titleBanner->hide();
    gameOverPicture->show();
    gameOverPicture->startAnimation();
    setTimerEnabled(winningLineTimer, true);
    titleBanner->stopAnimation();
    freePicture->stopAnimation();
    squares[FreeSquareIndex]->setForeColour(Colour::Yellow);
    setEnabled(false);
}

void BoardWindow::drawReset() {
    if (game.stage() == Stage::Names)
        hide();
    for (int index = 0; index < BoardSquareCount; ++index) {
        VbLabel* square = squares[index];
        if (squareKind(index) == SquareKind::Numbered) {
            square->setBackColour(Colour::White);
            square->setForeColour(Colour::SystemButtonText);
        }
        if (squareKind(index) != SquareKind::Corner)
            square->setBorderStyle(VbLabel::BorderStyle::FixedSingle);
    }
    setEnabled(true);
    update();
    drawMessages();
    drawFactors();
    gameOverPicture->stopAnimation();
    gameOverPicture->hide();
    titleBanner->show();
    drawButtons();
    resetKeyboardFocus();
    setTimerEnabled(winningLineTimer, false);
    drawClock();
    moveBlinking();
    redName->setForeColour(Colour::White);
    blueName->setForeColour(Colour::White);
    titleBanner->startAnimation();
    freePicture->startAnimation();
    squares[FreeSquareIndex]->setForeColour(Colour::BrightGreen);
}

void BoardWindow::onWinningLineTick() {
    const std::array<int, 4>& line = game.winningLine();
    const auto next = squares[line[0]]->borderStyle() == VbLabel::BorderStyle::FixedSingle
                          ? VbLabel::BorderStyle::None
                          : VbLabel::BorderStyle::FixedSingle;
    for (int index : line)
        squares[index]->setBorderStyle(next);
}

void BoardWindow::onBlueBlinkTick() {
    blueName->setForeColour(blueName->foreColour() != Colour::White ? Colour::White
                                                                    : Colour::Black);
}

void BoardWindow::onRedBlinkTick() {
    redName->setForeColour(redName->foreColour() != Colour::White ? Colour::White : Colour::Black);
}

void BoardWindow::startNewGame() {
    game.holdComputer(true);
    const bool sure = dialogs.askYesNo(this, tr("Are you sure?"), tr("Start a New Game"));
    game.holdComputer(false);
    if (sure)
        game.leave();
}

void BoardWindow::quitGame() {
    host.confirmQuit(this);
}

} // namespace quintarlow
