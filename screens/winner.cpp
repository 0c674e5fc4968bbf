#include "winner.h"

#include "board/multiplication.h"
#include "board/vblabel.h"
#include "media/animatedgif.h"
#include "media/speech.h"
#include "screens/fonts.h"
#include "screens/keyboard.h"
#include "screens/screenset.h"
#include "screens/welcome.h"
#include "spokentexts.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quintarlow {

namespace {

// The replay buttons are narrow: their captions wrap onto two lines instead of being cut.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap,
                         caption);
    }
};

QPushButton* makeButton(QWidget* parent, const QRect& twips, const QString& caption) {
    auto* button = new WrappingButton(caption, parent);
    button->setGeometry(twipsToPixels(twips));
    return button;
}

} // namespace

WINNER::WINNER(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("WINNER"),
                             .clientTwips = {4455, 2265},
                             .backColour = Colour::Orange,
                             .gameIcon = true,
                             .opensOver = true,
                             .accessibleRole = QAccessible::Dialog}),
      spkSpeak(screens.services().speech) {
    setFont(gameFont(Face::MsSansSerif, 8.25));

    // The fireworks go first: the headline and the name bar lie over them, and the bursts are
    // drawn for the orange band left between the two.
    AnimatedGif1 = new AnimatedGif(this, {180, 0, 1335, 1335});
    AnimatedGif2 = new AnimatedGif(this, {2940, 0, 1335, 1335});
    Label1 = makeCaption(this, {360, 120, 3855, 495}, Texts::WeHaveAWinner,
                         gameFont(Face::MsSansSerif, 13.5, Bold | Italic), Qt::AlignHCenter);
    Label1->setTransparent(false);
    Label1->setBackColour(Colour::Orange);
    lblName = new VbLabel(this, {270, 840, 4095, 615});
    lblName->setFont(gameFont(Face::MsSansSerif, 9.75, Bold));
    lblName->setBackColour(Colour::Orange);
    lblName->setForeColour(Colour::White);
    lblName->setTextAlignment(Qt::AlignHCenter);
    lblName->setBreakAnywhere(true);
    // The bar's colour tells whose line it was.
    lblName->setSpokenName([this] {
        if (lblName->caption().isEmpty())
            return QString();
        const bool blue = SquareOwner(lblName->backColour()) == Player::Blue;
        return lblName->caption() + (blue ? QStringLiteral(", Blue") : QStringLiteral(", Red"));
    });
    setSpokenSummary(Label1, {lblName});
    Command1 =
        makeButton(this, {240, 1680, 1215, 495}, QStringLiteral("Play Again - Same Players"));
    Command2 =
        makeButton(this, {1560, 1680, 1215, 495}, QStringLiteral("Play Again - New Players"));
    Command3 = makeButton(this, {2880, 1680, 1215, 495}, QStringLiteral("Quit Game"));
    connect(Command1, &QPushButton::clicked, this, &WINNER::playAgainSamePlayers);
    connect(Command2, &QPushButton::clicked, this, &WINNER::playAgainNewPlayers);
    connect(Command3, &QPushButton::clicked, this, &WINNER::quitGame);
    addAltShortcut(Command1, Qt::Key_P);
    addAltShortcut(Command2, Qt::Key_N); // P is taken by the first button
    addAltShortcut(Command3, Qt::Key_Q);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &WINNER::onTick);
}

void WINNER::showEvent(QShowEvent* event) {
    Command1->setFocus(Qt::OtherFocusReason);
    ScreenWindow::showEvent(event);
}

void WINNER::onLoad() {
    AnnounceTicks = 0;
    move(screens.board().pos());
}

void WINNER::onTick() {
    if (AnnounceTicks != 1) {
        ++AnnounceTicks;
        return;
    }
    spkSpeak.Speak(AnnouncementText);
    AnnounceTicks = 0;
    setTimerEnabled(Timer1, false);
}

void WINNER::resetSquares() {
    MULTIPLICATION& board = screens.board();
    for (int index = 0; index < BoardSquareCount; ++index) {
        VbLabel* square = board.Label1[index];
        if (square->caption() != CornerCaption && square->caption() != FreeCaption) {
            square->setBackColour(Colour::White);
            square->setForeColour(Colour::SystemButtonText);
        }
        if (square->caption() != CornerCaption)
            square->setBorderStyle(VbLabel::BorderStyle::FixedSingle);
    }
}

void WINNER::prepareBoard(bool sayBlueGoesFirst) {
    MULTIPLICATION& board = screens.board();
    BoardState& state = board.boardState();
    board.setEnabled(true);
    state.GameWon = 0;
    board.update();
    board.Label2[0]->setCaption(Texts::BlueGoesFirst);
    board.Label2[1]->setCaption(QString());
    board.Label5->setCaption(QStringLiteral("?"));
    board.Label6->setCaption(QStringLiteral("?"));
    board.AnimatedGif3->StopAnimation();
    board.AnimatedGif3->hide();
    board.AnimatedGif1->show();
    board.Command1->setEnabled(true);
    board.resetKeyboardFocus();
    setTimerEnabled(board.Timer1, false);
    if (sayBlueGoesFirst)
        spkSpeak.Speak(Texts::BlueGoesFirstSpoken);
    state.TurnColour = BlueTurn;
    board.resetClock();
    setTimerEnabled(board.tmrBlue, true);
    setTimerEnabled(board.tmrRed, false);
    board.lblRed->setForeColour(Colour::White);
    board.lblBlue->setForeColour(Colour::White);
    board.AnimatedGif1->StartAnimation();
    board.AnimatedGif2->StartAnimation();
    board.Label1[FreeSquareIndex]->setForeColour(Colour::BrightGreen);
}

void WINNER::playAgainSamePlayers() {
    resetSquares();
    prepareBoard(true);
    screens.beginGame();
    screens.board().show();
    AnnouncementText.clear();
    Label1->setCaption(QString());
    hide();
}

void WINNER::playAgainNewPlayers() {
    MULTIPLICATION& board = screens.board();
    Label1->setCaption(QString());
    hide();
    board.hide();
    resetSquares();
    prepareBoard(false);
    AnnouncementText.clear();
    screens.welcome().showForNewPlayers();
    spkSpeak.Speak(Texts::EnterPlayersNames);
}

void WINNER::quitGame() {
    screens.confirmQuit(this);
}

} // namespace quintarlow
