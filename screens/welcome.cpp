#include "welcome.h"

#include "board/multiplication.h"
#include "board/vblabel.h"
#include "media/animatedgif.h"
#include "media/dialogs.h"
#include "media/speech.h"
#include "namecheck.h"
#include "screens/fonts.h"
#include "screens/keyboard.h"
#include "screens/screenset.h"
#include "spokentexts.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace quintarlow {

namespace {

constexpr QLatin1String TitleWord{"quintarlow"};
constexpr std::array<int, 10> LetterLefts{465,  1500, 2550, 3585, 5220,
                                          6270, 7305, 8340, 9390, 10425};

QLineEdit* makeNameBox(QWidget* parent, const QRect& twips, const QString& text, VbColour back) {
    auto* box = new QLineEdit(text, parent);
    box->setGeometry(twipsToPixels(twips));
    box->setMaxLength(MaximumNameLength);
    box->setToolTip(QStringLiteral("30 CHARACTERS MAX"));
    box->setFont(gameFont(Face::MsSansSerif, 18, Bold));
    QPalette colours = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, toQColor(back, colours));
        colours.setColor(group, QPalette::Text, Qt::white);
    }
    box->setPalette(colours);
    return box;
}

} // namespace

WELCOME::WELCOME(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("WELCOME"),
                             .clientTwips = {12015, 5265},
                             .backColour = Colour::White,
                             .picture = QStringLiteral(":/backgrounds/welcome.png"),
                             .gameIcon = true}),
      spkSpeak(screens.services().speech) {

    Command1 = new QPushButton(QStringLiteral("START PLAYING"), this);
    Command1->setGeometry(twipsToPixels(QRect(4080, 4560, 3855, 495)));
    Command1->setFont(gameFont(Face::MsSansSerif, 13.5, Bold));
    Text1 = makeNameBox(this, {1380, 2160, 9255, 555}, RedNamePlaceholder, Colour::Red);
    Text2 = makeNameBox(this, {1380, 3120, 9255, 555}, BlueNamePlaceholder, Colour::DarkBlue);
    for (std::size_t index = 0; index < AnimatedGif1.size(); ++index)
        AnimatedGif1[index] = new AnimatedGif(this, {LetterLefts[index], 120, 1125, 1335});
    Text1->setAccessibleName(QStringLiteral("Red player's name"));
    Text2->setAccessibleName(QStringLiteral("Blue player's name"));
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    Text1->setFocus();
    addAltShortcut(Command1, Qt::Key_S);

    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &WELCOME::startPlaying);
    centreOnScreen();
}

void WELCOME::onLoad() {
    for (std::size_t index = 0; index < AnimatedGif1.size(); ++index)
        AnimatedGif1[index]->SetPictureFile(QStringLiteral("gif/") + TitleWord[index] +
                                            QStringLiteral(".gif"));
    startLetters();
}

void WELCOME::startLetters() {
    for (AnimatedGif* letter : AnimatedGif1)
        letter->StartAnimation();
}

// Only a click clears a box that still shows its default text; Tab leaves it standing.
bool WELCOME::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Text1 && Text1->text() == RedNamePlaceholder)
            Text1->clear();
        else if (watched == Text2 && Text2->text() == BlueNamePlaceholder)
            Text2->clear();
    }
    if (event->type() == QEvent::KeyPress && (watched == Text1 || watched == Text2)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Held down, Enter would refuse missing names again and again.
            if (!key->isAutoRepeat())
                Command1->click();
            return true;
        }
        // Typing into an untouched default text replaces it, as after Tab.
        auto* box = static_cast<QLineEdit*>(watched);
        const bool untouched =
            box->text() == (box == Text1 ? RedNamePlaceholder : BlueNamePlaceholder);
        if (untouched && !box->hasSelectedText() && !key->text().isEmpty() &&
            key->text()[0].isPrint())
            box->selectAll();
    }
    return ScreenWindow::eventFilter(watched, event);
}

void WELCOME::startPlaying() {
    if (!namesGiven(Text1->text(), Text2->text())) {
        screens.services().dialogs.warn(
            this, QStringLiteral("Names must be entered for both players!\r\nplease retry."),
            QStringLiteral("WELCOME"));
        return;
    }
    MULTIPLICATION& board = screens.board();
    board.lblBlue->setCaption(Text2->text());
    board.lblRed->setCaption(Text1->text());
    screens.beginGame();
    board.show();
    board.boardState().TurnColour = BlueTurn;
    board.resetClock();
    hide();
    for (AnimatedGif* letter : AnimatedGif1)
        letter->StopAnimation();
    spkSpeak.Speak(QString(Texts::Rules).toLower());
}

void WELCOME::showForNewPlayers() {
    Text1->setText(RedNamePlaceholder);
    Text2->setText(BlueNamePlaceholder);
    startLetters();
    show();
    Text1->setFocus();
}

} // namespace quintarlow
