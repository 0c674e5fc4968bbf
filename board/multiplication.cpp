#include "multiplication.h"

#include "board/vbbutton.h"
#include "board/vblabel.h"
#include "clocktext.h"
#include "fourinline.h"
#include "media/animatedgif.h"
#include "media/dialogs.h"
#include "media/soundplayer.h"
#include "media/speech.h"
#include "record/practicerecord.h"
#include "screens/correctanswer.h"
#include "screens/fonts.h"
#include "screens/keyboard.h"
#include "screens/screenset.h"
#include "screens/winner.h"
#include "spokentexts.h"

#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace quintarlow {

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

MULTIPLICATION::MULTIPLICATION(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("MULTIPLICATION"),
                             .clientTwips = {12210, 8715},
                             .backColour = Colour::White,
                             .picture = QStringLiteral(":/backgrounds/board.jpg"),
                             .gameIcon = true}),
      spkSpeak(screens.services().speech), sound(screens.services().sound) {
    setFont(gameFont(Face::MsSansSerif, 8.25));

    Timer1.setInterval(500);
    Timer2.setInterval(1000);
    Timer3.setInterval(1000);
    tmrBlue.setInterval(250);
    tmrRed.setInterval(250);
    connect(&Timer1, &QTimer::timeout, this, &MULTIPLICATION::onWinningLineTick);
    connect(&Timer2, &QTimer::timeout, this, &MULTIPLICATION::onClockTick);
    connect(&Timer3, &QTimer::timeout, this, &MULTIPLICATION::onTimer3Tick);
    connect(&tmrBlue, &QTimer::timeout, this, &MULTIPLICATION::onBlueBlinkTick);
    connect(&tmrRed, &QTimer::timeout, this, &MULTIPLICATION::onRedBlinkTick);

    buildControls();
    buildSquares();
    buildKeyboardAccess();
    centreOnScreen();
}

void MULTIPLICATION::buildControls() {
    makeShadow(this, {840, 2520, 2655, 495});  // Shape1, behind Command1
    makeShadow(this, {240, 4680, 3975, 1455}); // Shape4, behind the names
    makeShadow(this, {720, 7320, 2895, 495});  // Shape2, behind Command2
    makeShadow(this, {720, 8160, 2895, 495});  // Shape3, behind Command3

    const QFont multiplierFont = gameFont(Face::Palatino, 72, Bold);
    const QFont messageFont = gameFont(Face::MsSansSerif, 9.75, Bold);
    Label5 =
        makeCaption(this, {240, 120, 1335, 1695}, NoQuestion, multiplierFont, Qt::AlignHCenter);
    Label3 =
        makeCaption(this, {1800, 600, 615, 1215}, QStringLiteral("X"), gameFont(Face::Tahoma, 48));
    Label6 =
        makeCaption(this, {2520, 120, 1335, 1695}, NoQuestion, multiplierFont, Qt::AlignHCenter);
    Command1 = makeButton(this, {720, 2400, 2655, 495}, QStringLiteral("Generate Multipliers"));
    lblTime = makeCaption(this, {1680, 3240, 735, 615}, clockCaption(AnswerSeconds),
                          gameFont(Face::MsSansSerif, 24, Bold));
    lblTime->hide();
    Label2[0] = makeCaption(this, {240, 3240, 3735, 375}, QString(), messageFont, Qt::AlignHCenter);
    Label2[1] = makeCaption(this, {240, 3720, 3735, 375}, QString(), messageFont, Qt::AlignHCenter);
    lblRed = makeNameLabel(this, {120, 4560, 3975, 495}, Colour::Red, Colour::White);
    Label4 = makeNameLabel(this, {120, 5040, 3975, 495}, Colour::SystemWindowBackground,
                           Colour::SystemWindowText);
    lblBlue = makeNameLabel(this, {120, 5520, 3975, 495}, Colour::Blue, Colour::White);
    Label8 = makeCaption(this, {240, 6240, 3975, 735},
                         QStringLiteral("FOUR IN A ROW - ACROSS, UP AND DOWN OR DIAGONALLY WINS."),
                         messageFont);
    Command2 = makeButton(this, {660, 7200, 2895, 495}, QStringLiteral("START NEW GAME"));
    Command3 = makeButton(this, {660, 8040, 2895, 495}, QStringLiteral("QUIT GAME"));
    AnimatedGif1 = new AnimatedGif(this, {4920, 120, 6615, 495});
    AnimatedGif3 = new AnimatedGif(this, {6480, 120, 4215, 735});

    connect(Command1, &QPushButton::clicked, this, &MULTIPLICATION::generateMultipliers);
    connect(Command2, &QPushButton::clicked, this, &MULTIPLICATION::startNewGame);
    connect(Command3, &QPushButton::clicked, this, &MULTIPLICATION::quitGame);
}

void MULTIPLICATION::buildSquares() {
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
        Label1[index] = shadow;
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
        Label1[index] = square;
    }
    for (int index = 0; index < SquareLabelCount; ++index)
        connect(Label1[index], &VbLabel::clicked, this, [this, index] { judgeSquareClick(index); });

    AnimatedGif2 = new AnimatedGif(this, {8160, 3720, 705, 705});
    connect(AnimatedGif2, &AnimatedGif::clicked, this, &MULTIPLICATION::onFreePictureClicked);
    connect(AnimatedGif2, &AnimatedGif::doubleClicked, this, &MULTIPLICATION::onFreePictureClicked);
}

void MULTIPLICATION::buildKeyboardAccess() {
    addAltShortcut(Command1, Qt::Key_G);
    addAltShortcut(Command2, Qt::Key_S);
    addAltShortcut(Command3, Qt::Key_Q);
    Command1->installEventFilter(this);

    auto factor = [](const QString& which, const VbLabel* label) {
        return which + (label->caption() == NoQuestion ? QStringLiteral(", none drawn")
                                                       : QStringLiteral(", ") + label->caption());
    };
    Label5->setSpokenName([=, this] { return factor(QStringLiteral("First factor"), Label5); });
    Label6->setSpokenName([=, this] { return factor(QStringLiteral("Second factor"), Label6); });
    Label3->setSpokenName([] { return QStringLiteral("times"); });
    lblTime->setSpokenName([this] {
        return QStringLiteral("%1 seconds left").arg(std::max<int>(state.SecondsLeft, 0));
    });
    auto player = [](const QString& colour, const VbLabel* name, const QTimer& blinking) {
        return colour + QStringLiteral(" player, ") + name->caption() +
               (blinking.isActive() ? QStringLiteral(", to move") : QString());
    };
    lblBlue->setSpokenName([=, this] { return player(QStringLiteral("Blue"), lblBlue, tmrBlue); });
    lblRed->setSpokenName([=, this] { return player(QStringLiteral("Red"), lblRed, tmrRed); });
    Label4->setAccessibleRole(QAccessible::NoRole);
    // The verdict and whose turn it is are heard with the draw button, which takes the focus
    // after every answer.
    for (VbLabel* line : Label2)
        connect(line, &VbLabel::spokenNameChanged, this, [this] {
            QStringList lines;
            for (const VbLabel* shown : Label2)
                if (!shown->caption().isEmpty())
                    lines.append(shown->caption());
            Command1->setAccessibleDescription(lines.join(QStringLiteral(", ")));
        });

    for (int index = 0; index < BoardSquareCount; ++index) {
        VbLabel* square = Label1[index];
        square->setAccessibleRole(QAccessible::Button);
        square->installEventFilter(this);
        switch (squareKind(index)) {
        case SquareKind::Corner:
            square->setSpokenName([] { return QStringLiteral("Quintarlow! corner"); });
            square->setAccessibleDescription(QStringLiteral("Cannot be chosen."));
            break;
        case SquareKind::Free:
            square->setSpokenName([] { return QStringLiteral("FREE square"); });
            square->setAccessibleDescription(
                QStringLiteral("Counts for both players in a line. Cannot be chosen."));
            break;
        case SquareKind::Numbered:
            square->setSpokenName([square] {
                switch (SquareOwner(square->backColour())) {
                case Player::Blue:
                    return square->caption() + QStringLiteral(", Blue");
                case Player::Red:
                    return square->caption() + QStringLiteral(", Red");
                case Player::Nobody:
                    break;
                }
                return square->caption();
            });
            break;
        }
    }
    for (int index = BoardSquareCount; index < SquareLabelCount; ++index)
        Label1[index]->setAccessibleRole(QAccessible::NoRole);
    resetKeyboardFocus();
}

// One square at a time takes part in Tab: the arrow keys move it over the board.
void MULTIPLICATION::focusSquare(int index) {
    Label1[m_focusedSquare]->setFocusPolicy(Qt::NoFocus);
    m_focusedSquare = index;
    Label1[index]->setFocusPolicy(Qt::TabFocus);
    Label1[index]->setFocus(Qt::OtherFocusReason);
}

void MULTIPLICATION::resetKeyboardFocus() {
    focusSquare(1);
    Command1->setFocus(Qt::OtherFocusReason);
}

bool MULTIPLICATION::eventFilter(QObject* watched, QEvent* event) {
    // Whenever a question may be asked again (after a verdict, the pop-up, on a new game),
    // a turn starts at the draw button.
    if (watched == Command1 && event->type() == QEvent::EnabledChange && Command1->isEnabled())
        Command1->setFocus(Qt::OtherFocusReason);
    // A disabled board takes no keys, as it takes no clicks.
    if (event->type() != QEvent::KeyPress || watched != Label1[m_focusedSquare] || !isEnabled())
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

void MULTIPLICATION::pressSquare(int index) {
    // The FREE picture lies over the middle of its square and takes the click there.
    if (index == FreeSquareIndex && AnimatedGif2->isVisible())
        onFreePictureClicked();
    else
        judgeSquareClick(index);
}

void MULTIPLICATION::onLoad() {
    AnimatedGif1->show();
    AnimatedGif1->SetPictureFile(QStringLiteral("gif/quintarlow_small.gif"));
    AnimatedGif1->StartAnimation();
    AnimatedGif2->SetPictureFile(QStringLiteral("gif/free_.gif"));
    AnimatedGif2->StartAnimation();
    AnimatedGif3->SetPictureFile(QStringLiteral("gif/gameover.gif"));
    AnimatedGif3->hide();
    Label2[0]->setCaption(Texts::BlueGoesFirst);
    state.GameWon = 0;
    lblRed->setForeColour(Colour::White);
    lblBlue->setForeColour(Colour::White);
    setTimerEnabled(tmrBlue, true);
    Label1[FreeSquareIndex]->setBackColour(Colour::BrightGreen);
    Label1[FreeSquareIndex]->setForeColour(Colour::BrightGreen);
}

void MULTIPLICATION::PlaySoundFile(const QString& fileName) {
    sound.PlaySoundFile(fileName);
}

void MULTIPLICATION::generateMultipliers() {
    Services& services = screens.services();
    const bool blue = state.TurnColour == BlueTurn;
    const PracticePlan plan =
        services.record.practicePlan((blue ? lblBlue : lblRed)->caption().trimmed());
    state.Product = 0;
    const Fact question = services.drawQuestion(plan, blue ? m_blueDraw : m_redDraw);
    state.Multiplier1 = static_cast<std::int16_t>(question.a);
    state.Multiplier2 = static_cast<std::int16_t>(question.b);
    Label5->setCaption(QString::number(state.Multiplier1));
    Label6->setCaption(QString::number(state.Multiplier2));
    m_questionShown.start();
    state.Product = static_cast<std::int16_t>(state.Multiplier1 * state.Multiplier2);
    spkSpeak.Speak(Texts::question(state.Multiplier1, state.Multiplier2));
    Command1->setEnabled(false);
    setTimerEnabled(Timer2, true);
    for (VbLabel* line : Label2) {
        line->hide();
        line->setCaption(QString());
    }
    lblTime->show();
    Command2->setEnabled(false);
    Command3->setEnabled(false);
    focusSquare(m_focusedSquare);
}

void MULTIPLICATION::judgeSquareClick(int index) {
    // A shadow's visible strip belongs to the square in front of it: a claim there must land
    // on the board, where the four-in-a-line check and the replay can see it.
    if (isShadowIndex(index))
        index = boardIndexInFrontOf(index);
    if (index < 0 || index >= BoardSquareCount)
        return;
    if (Label5->caption() == NoQuestion) {
        PlaySoundFile(QStringLiteral("error.WAV"));
        spkSpeak.Speak(Texts::generateYourMultipliers(state.TurnColour));
        return;
    }
    const QString caption = Label1[index]->caption();
    if (caption == CornerCaption || caption == FreeCaption) {
        PlaySoundFile(QStringLiteral("error.WAV"));
        refuseDuringQuestion();
        return;
    }
    bool isNumber = false;
    const int chosen = caption.toInt(&isNumber);
    const bool right = isNumber && chosen == state.Product;
    reportAnswer(isNumber ? std::optional(chosen) : std::nullopt,
                 right ? Outcome::Right : Outcome::Wrong);
    resetClock();
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    Label2[0]->show();
    Label2[1]->show();
    if (right) {
        claimSquare(index);
        return;
    }
    PlaySoundFile(QStringLiteral("error.WAV"));
    Label2[0]->setCaption(Texts::YouWereWrong);
    screens.correctAnswer().PromptText = Texts::wrongPrompt(caption);
    ShowCorrectAnswer();
    Command1->setEnabled(true);
}

void MULTIPLICATION::claimSquare(int index) {
    VbLabel* square = Label1[index];
    PlaySoundFile(QStringLiteral("ding.WAV"));
    state.VerdictText = Texts::verdict(square->caption(), state.TurnColour);
    square->setBackColour(state.TurnColour == BlueTurn ? Colour::Blue : Colour::Red);
    square->setForeColour(Colour::White);
    state.ClaimColour = QString::number(square->backColour());
    state.TurnColour = nextTurnColour(state.TurnColour);
    CheckFourInLine();
    if (state.GameWon == -1)
        return;
    Label2[0]->setCaption(Texts::Correct);
    Label2[1]->setCaption(Texts::turnLine(state.TurnColour));
    spkSpeak.Speak(Texts::verdictAndTurn(state.VerdictText, state.TurnColour));
    moveBlinkingTo(state.TurnColour);
    Label5->setCaption(NoQuestion);
    Label6->setCaption(NoQuestion);
    Command1->setEnabled(true);
}

void MULTIPLICATION::reportAnswer(std::optional<int> answered, Outcome outcome) {
    const VbLabel* player = state.TurnColour == BlueTurn ? lblBlue : lblRed;
    screens.services().record.answerJudged({.player = player->caption().trimmed(),
                                            .judgedAt = QDateTime::currentDateTime(),
                                            .a = state.Multiplier1,
                                            .b = state.Multiplier2,
                                            .answered = answered,
                                            .outcome = outcome,
                                            .ms = m_questionShown.elapsed()});
}

void MULTIPLICATION::moveBlinkingTo(const QString& turnColour) {
    const bool red = turnColour == RedTurn;
    setTimerEnabled(red ? tmrBlue : tmrRed, false);
    setTimerEnabled(red ? tmrRed : tmrBlue, true);
    (red ? lblBlue : lblRed)->setForeColour(Colour::White);
}

void MULTIPLICATION::resetClock() {
    setTimerEnabled(Timer2, false);
    lblTime->hide();
    lblTime->setCaption(clockCaption(AnswerSeconds));
    state.SecondsLeft = AnswerSeconds;
}

void MULTIPLICATION::onFreePictureClicked() {
    if (Label5->caption() != NoQuestion) {
        refuseDuringQuestion();
        return;
    }
    PlaySoundFile(QStringLiteral("error.WAV"));
    spkSpeak.Speak(Texts::generateYourMultipliers(state.TurnColour));
}

// The hint cuts the question short, as every new text cuts off the last, so the question is
// asked again after it: the player still has to answer it.
void MULTIPLICATION::refuseDuringQuestion() {
    spkSpeak.Speak(Texts::InvalidSelection + Texts::question(state.Multiplier1, state.Multiplier2));
}

void MULTIPLICATION::ShowCorrectAnswer() {
    AnimatedGif1->hide();
    AnimatedGif2->hide();
    setEnabled(false);
    CorrectAnswer& popup = screens.correctAnswer();
    popup.PopupTicks = 0;
    popup.MultOne->setCaption(QString::number(state.Multiplier1));
    popup.MultTwo->setCaption(QString::number(state.Multiplier2));
    popup.Answer->setCaption(QString::number(state.Product));
    setTimerEnabled(popup.Timer1, true);
    popup.showOver(*this);
    Label5->setCaption(NoQuestion);
    Label6->setCaption(NoQuestion);
}

void MULTIPLICATION::onClockTick() {
    if (state.SecondsLeft > std::numeric_limits<std::int16_t>::min())
        --state.SecondsLeft;
    lblTime->setCaption(clockCaption(state.SecondsLeft));
    if (state.SecondsLeft != -1)
        return;
    reportAnswer(std::nullopt, Outcome::Timeout);
    PlaySoundFile(QStringLiteral("error.WAV"));
    lblTime->hide();
    Label2[0]->show();
    Label2[1]->show();
    screens.correctAnswer().PromptText = Texts::OutOfTime;
    ShowCorrectAnswer();
}

void MULTIPLICATION::CheckFourInLine() {
    std::array<SquareView, BoardSquareCount> squares;
    for (int index = 0; index < BoardSquareCount; ++index)
        squares[index] = {Label1[index]->caption(), Label1[index]->backColour()};
    const auto scan = quintarlow::CheckFourInLine(squares, state.ClaimColour.toUInt());
    state.WinSquare1 = static_cast<std::int16_t>(scan.winSquares[0]);
    state.WinSquare2 = static_cast<std::int16_t>(scan.winSquares[1]);
    state.WinSquare3 = static_cast<std::int16_t>(scan.winSquares[2]);
    state.WinSquare4 = static_cast<std::int16_t>(scan.winSquares[3]);
    state.DiagonalLength = static_cast<std::int16_t>(scan.diagonalLength);
    if (!scan.found)
        return;
    AnnounceWinner();
    state.GameWon = -1;
}

void MULTIPLICATION::AnnounceWinner() {
    Label2[0]->setCaption(QString());
    Label2[1]->setCaption(QString());
    setTimerEnabled(tmrRed, false);
    setTimerEnabled(tmrBlue, false);
    lblRed->setForeColour(Colour::White);
    lblBlue->setForeColour(Colour::White);
    AnimatedGif1->hide();
    AnimatedGif3->show();
    AnimatedGif3->StartAnimation();
    setTimerEnabled(Timer1, true);
    setTimerEnabled(Timer3, true);

    WINNER& winner = screens.winner();
    const bool blueWon = state.ClaimColour.toUInt() == Colour::Blue;
    winner.lblName->setBackColour(blueWon ? Colour::Blue : Colour::Red);
    winner.lblName->setCaption((blueWon ? lblBlue : lblRed)->caption());
    screens.endGame(winner.lblName->caption());
    state.TurnColour = blueWon ? QStringLiteral("blue") : QStringLiteral("red");
    winner.Label1->setCaption(Texts::WeHaveAWinner);
    setTimerEnabled(winner.Timer1, true);
    for (AnimatedGif* fireworks : {winner.AnimatedGif1, winner.AnimatedGif2}) {
        fireworks->SetPictureFile(QStringLiteral("gif/fireworks.gif"));
        fireworks->StartAnimation();
    }
    winner.AnimatedGif1->show();
    winner.AnimatedGif2->show();
    winner.AnnouncementText = Texts::winnerAnnouncement(state.TurnColour);

    AnimatedGif1->StopAnimation();
    AnimatedGif2->StopAnimation();
    Label1[FreeSquareIndex]->setForeColour(Colour::Yellow);
    setEnabled(false);
    winner.showOver(*this);
}

void MULTIPLICATION::onWinningLineTick() {
    const std::array<int, 4> line{state.WinSquare1, state.WinSquare2, state.WinSquare3,
                                  state.WinSquare4};
    const auto next = Label1[line[0]]->borderStyle() == VbLabel::BorderStyle::FixedSingle
                          ? VbLabel::BorderStyle::None
                          : VbLabel::BorderStyle::FixedSingle;
    for (int index : line)
        Label1[index]->setBorderStyle(next);
}

void MULTIPLICATION::onBlueBlinkTick() {
    lblBlue->setForeColour(lblBlue->foreColour() != Colour::White ? Colour::White : Colour::Black);
}

void MULTIPLICATION::onRedBlinkTick() {
    lblRed->setForeColour(lblRed->foreColour() != Colour::White ? Colour::White : Colour::Black);
}

void MULTIPLICATION::startNewGame() {
    if (!screens.services().dialogs.askYesNo(this, QStringLiteral("Are you sure?"),
                                             QStringLiteral("Start a New Game")))
        return;
    screens.endGame(QString());
    AnimatedGif1->StopAnimation();
    AnimatedGif2->StopAnimation();
    setEnabled(false);
    WINNER& winner = screens.winner();
    winner.Label1->setCaption(Texts::ChooseOptionBelow);
    for (AnimatedGif* fireworks : {winner.AnimatedGif1, winner.AnimatedGif2}) {
        fireworks->StopAnimation();
        fireworks->hide();
    }
    winner.lblName->setCaption(QString());
    winner.lblName->setBackColour(winner.backColour());
    winner.showOver(*this);
}

void MULTIPLICATION::quitGame() {
    screens.confirmQuit(this);
}

} // namespace quintarlow
