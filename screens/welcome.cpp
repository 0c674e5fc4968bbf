#include "screens/welcome.h"

#include "core/game.h"
#include "core/namecheck.h"
#include "core/playernames.h"
#include "media/animatedgif.h"
#include "media/dialogs.h"
#include "screens/screenset.h"
#include "widgets/fonts.h"
#include "widgets/keyboard.h"
#include "widgets/vblabel.h"

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

NameEntry::NameEntry(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("WELCOME"),
                             .clientTwips = {12015, 5265},
                             .backColour = Colour::White,
                             .picture = QStringLiteral(":/backgrounds/welcome.png"),
                             .gameIcon = true}),
      screens(screens) {

    startButton = new QPushButton(QStringLiteral("START PLAYING"), this);
    startButton->setGeometry(twipsToPixels(QRect(4080, 4560, 3855, 495)));
    startButton->setFont(gameFont(Face::MsSansSerif, 13.5, Bold));
    redNameBox = makeNameBox(this, {1380, 2160, 9255, 555}, RedNamePlaceholder, Colour::Red);
    blueNameBox = makeNameBox(this, {1380, 3120, 9255, 555}, BlueNamePlaceholder, Colour::DarkBlue);
    for (std::size_t index = 0; index < titleLetters.size(); ++index)
        titleLetters[index] = new AnimatedGif(this, {LetterLefts[index], 120, 1125, 1335});
    redNameBox->setAccessibleName(QStringLiteral("Red player's name"));
    blueNameBox->setAccessibleName(QStringLiteral("Blue player's name"));
    setTabOrder(redNameBox, blueNameBox);
    setTabOrder(blueNameBox, startButton);
    redNameBox->setFocus();
    addAltShortcut(startButton, Qt::Key_S);

    redNameBox->installEventFilter(this);
    blueNameBox->installEventFilter(this);
    connect(startButton, &QPushButton::clicked, this, &NameEntry::startPlaying);
    connect(&screens.game(), &Game::namesWanted, this, &NameEntry::showForNewPlayers);
    centreOnScreen();
}

void NameEntry::onLoad() {
    for (std::size_t index = 0; index < titleLetters.size(); ++index)
        titleLetters[index]->setPictureFile(QStringLiteral("gif/") + TitleWord[index] +
                                            QStringLiteral(".gif"));
    startLetters();
}

void NameEntry::startLetters() {
    for (AnimatedGif* letter : titleLetters)
        letter->startAnimation();
}

// Only a click clears a box that still shows its default text; Tab leaves it standing.
bool NameEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == redNameBox && redNameBox->text() == RedNamePlaceholder)
            redNameBox->clear();
        else if (watched == blueNameBox && blueNameBox->text() == BlueNamePlaceholder)
            blueNameBox->clear();
    }
    if (event->type() == QEvent::KeyPress && (watched == redNameBox || watched == blueNameBox)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Held down, Enter would refuse missing names again and again.
            if (!key->isAutoRepeat())
                startButton->click();
            return true;
        }
        // Typing into an untouched default text replaces it, as after Tab.
        auto* box = static_cast<QLineEdit*>(watched);
        const bool untouched =
            box->text() == (box == redNameBox ? RedNamePlaceholder : BlueNamePlaceholder);
        if (untouched && !box->hasSelectedText() && !key->text().isEmpty() &&
            key->text()[0].isPrint())
            box->selectAll();
    }
    return ScreenWindow::eventFilter(watched, event);
}

void NameEntry::startPlaying() {
    for (const auto& [box, colour] : {std::pair{redNameBox, "Red"}, {blueNameBox, "Blue"}})
        if (const QString problem = nameProblem(box->text()); !problem.isEmpty()) {
            screens.services().dialogs.warn(this,
                                            QStringLiteral("The %1 player's name %2.\r\nPlease "
                                                           "type it again.")
                                                .arg(QLatin1String(colour), problem),
                                            QStringLiteral("WELCOME"));
            box->setFocus();
            return;
        }
    if (!screens.game().start(blueNameBox->text(), redNameBox->text())) {
        screens.services().dialogs.warn(
            this, QStringLiteral("Names must be entered for both players!\r\nplease retry."),
            QStringLiteral("WELCOME"));
        return;
    }
    hide();
    for (AnimatedGif* letter : titleLetters)
        letter->stopAnimation();
}

void NameEntry::showForNewPlayers() {
    redNameBox->setText(RedNamePlaceholder);
    blueNameBox->setText(BlueNamePlaceholder);
    startLetters();
    show();
    redNameBox->setFocus();
}

} // namespace quintarlow
