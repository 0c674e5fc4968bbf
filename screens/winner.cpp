#include "screens/winner.h"

#include "board/boardwindow.h"
#include "core/game.h"
#include "core/spokentexts.h"
#include "media/animatedgif.h"
#include "screens/screenset.h"
#include "widgets/fonts.h"
#include "widgets/keyboard.h"
#include "widgets/vblabel.h"
#include "widgets/wrappingbutton.h"

#include <QPushButton>

namespace quintarlow {

namespace {

QPushButton* makeButton(QWidget* parent, const QRect& twips, const QString& caption) {
    auto* button = new WrappingButton(caption, parent);
    button->setGeometry(twipsToPixels(twips));
    return button;
}

} // namespace

WinnerWindow::WinnerWindow(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("WINNER"),
                             .clientTwips = {4455, 2265},
                             .backColour = Colour::Orange,
                             .gameIcon = true,
                             .opensOver = true,
                             .accessibleRole = QAccessible::Dialog}),
      screens(screens), game(screens.game()) {
    setFont(gameFont(Face::MsSansSerif, 8.25));

    // The fireworks go first: the headline and the name bar lie over them, and the bursts are
    // drawn for the orange band left between the two.
    leftFireworks = new AnimatedGif(this, {180, 0, 1335, 1335});
    rightFireworks = new AnimatedGif(this, {2940, 0, 1335, 1335});
    headline = makeCaption(this, {360, 120, 3855, 495}, Texts::weHaveAWinner(),
                           gameFont(Face::MsSansSerif, 13.5, Bold | Italic), Qt::AlignHCenter);
    headline->setTransparent(false);
    headline->setBackColour(Colour::Orange);
    winnerName = new VbLabel(this, {270, 840, 4095, 615});
    winnerName->setFont(gameFont(Face::MsSansSerif, 9.75, Bold));
    winnerName->setBackColour(Colour::Orange);
    winnerName->setForeColour(Colour::White);
    winnerName->setTextAlignment(Qt::AlignHCenter);
    winnerName->setBreakAnywhere(true);
    // The bar's colour tells whose line it was.
    winnerName->setSpokenName([this] {
        if (winnerName->caption().isEmpty())
            return QString();
        return (game.winner() == Player::Blue ? tr("%1, Blue") : tr("%1, Red"))
            .arg(winnerName->caption());
    });
    setSpokenSummary(headline, {winnerName});
    samePlayersButton = makeButton(this, {240, 1680, 1215, 495}, tr("Play Again - Same Players"));
    newPlayersButton = makeButton(this, {1560, 1680, 1215, 495}, tr("Play Again - New Players"));
    quitButton = makeButton(this, {2880, 1680, 1215, 495}, tr("Quit Game"));
    nameControls({{headline, "headline"},
                  {winnerName, "winnerName"},
                  {samePlayersButton, "samePlayersButton"},
                  {newPlayersButton, "newPlayersButton"},
                  {quitButton, "quitButton"}});
    connect(samePlayersButton, &QPushButton::clicked, &game, &Game::playAgainSamePlayers);
    connect(newPlayersButton, &QPushButton::clicked, &game, &Game::playAgainNewPlayers);
    connect(quitButton, &QPushButton::clicked, this, &WinnerWindow::quitGame);
    addAltShortcut(samePlayersButton, Qt::Key_P);
    addAltShortcut(newPlayersButton, Qt::Key_N); // P is taken by the first button
    addAltShortcut(quitButton, Qt::Key_Q);

    connect(&game, &Game::won, this, &WinnerWindow::drawWinner);
    connect(&game, &Game::menuOpened, this, &WinnerWindow::drawMenu);
    connect(&game, &Game::boardReset, this, [this] {
        headline->setCaption(QString());
        hide();
    });
}

void WinnerWindow::showEvent(QShowEvent* event) {
    samePlayersButton->setFocus(Qt::OtherFocusReason);
    ScreenWindow::showEvent(event);
}

void WinnerWindow::onLoad() {
    move(screens.board().pos());
}

void WinnerWindow::drawWinner() {
    const Player winner = game.winner();
    winnerName->setBackColour(winner == Player::Blue ? Colour::Blue : Colour::Red);
    winnerName->setCaption(game.shownName(winner));
    headline->setCaption(Texts::weHaveAWinner());
    for (AnimatedGif* fireworks : {leftFireworks, rightFireworks}) {
        fireworks->setPictureFile(QStringLiteral("gif/fireworks.gif"));
        fireworks->startAnimation();
    }
    leftFireworks->show();
    rightFireworks->show();
    showOver(screens.board());
}

void WinnerWindow::drawMenu() {
    headline->setCaption(Texts::chooseOptionBelow());
    for (AnimatedGif* fireworks : {leftFireworks, rightFireworks}) {
        fireworks->stopAnimation();
        fireworks->hide();
    }
    winnerName->setCaption(QString());
    winnerName->setBackColour(backColour());
    showOver(screens.board());
}

void WinnerWindow::quitGame() {
    screens.confirmQuit(this);
}

} // namespace quintarlow
