#include "screens/welcome.h"

#include "core/game.h"
#include "core/namecheck.h"
#include "core/playernames.h"
#include "media/animatedgif.h"
#include "media/dialogs.h"
#include "record/practicerecord.h"
#include "screens/screenset.h"
#include "widgets/fonts.h"
#include "widgets/keyboard.h"
#include "widgets/vblabel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringListModel>

namespace quintarlow {

namespace {

constexpr QLatin1String TitleWord{"quintarlow"};
constexpr std::array<int, 10> LetterLefts{465,  1500, 2550, 3585, 5220,
                                          6270, 7305, 8340, 9390, 10425};

QLineEdit* makeNameBox(QWidget* parent, const QRect& twips, const QString& text, VbColour back) {
    auto* box = new QLineEdit(text, parent);
    box->setGeometry(twipsToPixels(twips));
    box->setMaxLength(MaximumNameLength);
    box->setToolTip(NameEntry::tr("%1 CHARACTERS MAX").arg(QLocale().toString(MaximumNameLength)));
    box->setFont(gameFont(Face::MsSansSerif, 18, Bold));
    QPalette colours = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, toQColor(back, colours));
        colours.setColor(group, QPalette::Text, Qt::white);
    }
    box->setPalette(colours);
    return box;
}

// Each colour and fault a whole sentence, as a translation words it.
QString nameFaultText(Player colour, const NameFault& fault) {
    const bool red = colour == Player::Red;
    if (fault.kind == NameFault::Kind::TooLong)
        return (red ? NameEntry::tr("The Red player's name has %1 characters, more than "
                                    "%2.\r\nPlease type it again.")
                    : NameEntry::tr("The Blue player's name has %1 characters, more than "
                                    "%2.\r\nPlease type it again."))
            .arg(QLocale().toString(fault.length), QLocale().toString(MaximumNameLength));
    return (red ? NameEntry::tr("The Red player's name holds a control or invisible character "
                                "(%1).\r\nPlease type it again.")
                : NameEntry::tr("The Blue player's name holds a control or invisible character "
                                "(%1).\r\nPlease type it again."))
        .arg(codePointText(fault.character));
}

} // namespace

NameEntry::NameEntry(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("WELCOME"),
                             .clientTwips = {12015, 5265},
                             .backColour = Colour::White,
                             .picture = QStringLiteral(":/backgrounds/welcome.png"),
                             .gameIcon = true}),
      screens(screens) {

    startButton = new QPushButton(tr("START PLAYING"), this);
    startButton->setGeometry(twipsToPixels(QRect(4080, 4560, 3855, 495)));
    startButton->setFont(gameFont(Face::MsSansSerif, 13.5, Bold));
    redNameBox = makeNameBox(this, {1380, 2160, 9255, 555}, redNamePlaceholder(), Colour::Red);
    blueNameBox =
        makeNameBox(this, {1380, 3120, 9255, 555}, blueNamePlaceholder(), Colour::DarkBlue);
    for (std::size_t index = 0; index < titleLetters.size(); ++index)
        titleLetters[index] = new AnimatedGif(this, {LetterLefts[index], 120, 1125, 1335});
    computerChoice = new QCheckBox(tr("Play against the computer"), this);
    computerChoice->setGeometry(twipsToPixels(QRect(1380, 3840, 4900, 495)));
    guestChoice = new QCheckBox(tr("Red is a guest (not recorded)"), this);
    guestChoice->setGeometry(twipsToPixels(QRect(6380, 3840, 4255, 495)));
    guestChoice->setAccessibleName(tr("Red is a guest, not recorded"));
    for (QCheckBox* choice : {computerChoice, guestChoice})
        choice->setFont(gameFont(Face::MsSansSerif, 13.5, Bold));
    redNameBox->setAccessibleName(tr("Red player's name"));
    blueNameBox->setAccessibleName(tr("Blue player's name"));
    computerChoice->setAccessibleName(computerChoice->text());
    setTabOrder(redNameBox, blueNameBox);
    setTabOrder(blueNameBox, computerChoice);
    setTabOrder(computerChoice, guestChoice);
    setTabOrder(guestChoice, startButton);
    redNameBox->setFocus();
    addAltShortcut(startButton, Qt::Key_S);
    addAltShortcut(computerChoice, Qt::Key_C);
    addAltShortcut(guestChoice, Qt::Key_G);
    connect(computerChoice, &QCheckBox::toggled, this, &NameEntry::chooseComputer);
    nameControls({{startButton, "startButton"},
                  {redNameBox, "redNameBox"},
                  {blueNameBox, "blueNameBox"},
                  {computerChoice, "computerChoice"},
                  {guestChoice, "guestChoice"}});

    for (QLineEdit* box : {redNameBox, blueNameBox}) {
        box->setAccessibleDescription(
            QStringLiteral("Names played before are offered as you type: Down arrow to choose."));
        box->installEventFilter(this);
    }
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

bool NameEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == offeredNames) {
        if (event->type() == QEvent::MouseButtonPress)
            return pressBesideOfferedNames(*static_cast<QMouseEvent*>(event));
        return event->type() == QEvent::KeyPress &&
               keyOnOfferedNames(*static_cast<QKeyEvent*>(event));
    }
    // What the record has read by now: it is never waited for.
    if (event->type() == QEvent::FocusIn && (watched == redNameBox || watched == blueNameBox))
        offerNames(screens.services().record.playerNames());
    // Only a click clears a box that still shows its default text; Tab leaves it standing.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == redNameBox && redNameBox->text() == redNamePlaceholder())
            redNameBox->clear();
        else if (watched == blueNameBox && blueNameBox->text() == blueNamePlaceholder())
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
            box->text() == (box == redNameBox ? redNamePlaceholder() : blueNamePlaceholder());
        if (untouched && !box->hasSelectedText() && !key->text().isEmpty() &&
            key->text()[0].isPrint())
            box->selectAll();
    }
    return ScreenWindow::eventFilter(watched, event);
}

// The completion is made only once the record has a name to offer: its models and item view
// bring about a megabyte of the toolkit's code into memory, which new players never need. Made
// while a box takes the focus, before the box itself hears of it, so both are wired as usual.
void NameEntry::offerNames(const QStringList& names) {
    if (knownNames) {
        if (names != knownNames->stringList())
            knownNames->setStringList(names);
        return;
    }
    if (names.isEmpty())
        return;
    knownNames = new QStringListModel(names, this);
    nameCompleter = new QCompleter(knownNames, this);
    nameCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    for (QLineEdit* box : {redNameBox, blueNameBox})
        box->setCompleter(nameCompleter);
    offeredNames = nameCompleter->popup();
    offeredNames->setFont(gameFont(Face::MsSansSerif, 13.5, Bold));
    // After the completer's own filter, so that this one sees the keys first.
    offeredNames->installEventFilter(this);
}

// A choice made with the arrows is already in the box, so Enter starts with what it shows. (The
// Alt shortcuts reach their buttons before the list sees them.)
bool NameEntry::keyOnOfferedNames(const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (!enter && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab)
        return false;
    offeredNames->hide();
    if (key.isAutoRepeat())
        return true;
    if (enter)
        startButton->click();
    else
        focusNextPrevChild(key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
    return true;
}

// The list would take a press beside it only to close, and Qt drops the release that follows:
// the whole click goes at once to what it was on, so that one click on START PLAYING starts.
bool NameEntry::pressBesideOfferedNames(const QMouseEvent& press) {
    QWidget* offered = offeredNames;
    if (offered->rect().contains(press.position().toPoint()))
        return false;
    offered->hide();
    const QPointF at = press.globalPosition();
    QWidget* target = QApplication::widgetAt(at.toPoint());
    if (!target || target->window() != this)
        return true;
    if (target->focusPolicy() & Qt::ClickFocus)
        target->setFocus(Qt::MouseFocusReason);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, target->mapFromGlobal(at), at, press.button(),
                          type == QEvent::MouseButtonPress ? press.buttons() : Qt::NoButton,
                          press.modifiers());
        QApplication::sendEvent(target, &click);
    }
    return true;
}

// The Red box, disabled, cannot be typed in and is left out of Tab while it shows the
// computer's name.
void NameEntry::chooseComputer(bool chosen) {
    if (chosen)
        m_redTyped = redNameBox->text();
    redNameBox->setText(chosen ? computerShownName() : m_redTyped);
    redNameBox->setEnabled(!chosen);
    guestChoice->setEnabled(!chosen);
    if (chosen && redNameBox->hasFocus())
        blueNameBox->setFocus();
}

void NameEntry::startPlaying() {
    const bool alone = computerChoice->isChecked();
    for (const auto& [box, colour] :
         {std::pair{redNameBox, Player::Red}, {blueNameBox, Player::Blue}})
        if (const NameFault fault = nameFault(box->text());
            fault.kind != NameFault::Kind::None && !(alone && box == redNameBox)) {
            screens.services().dialogs.warn(this, nameFaultText(colour, fault), tr("WELCOME"));
            box->setFocus();
            return;
        }
    const QString blue = blueNameBox->text();
    const QString red = alone ? QString(ComputerName) : redNameBox->text();
    const NamesProblem problem = namesProblem(red, blue);
    if (problem != NamesProblem::None) {
        screens.services().dialogs.warn(
            this,
            problem == NamesProblem::Same
                ? tr("The same name cannot be entered for both players!\r\nplease enter another "
                     "name, or play against the computer.")
            : alone ? tr("A name must be entered for the Blue player!\r\nplease retry.")
                    : tr("Names must be entered for both players!\r\nplease retry."),
            tr("WELCOME"));
        return;
    }
    if (alone)
        screens.game().startAgainstComputer(blue);
    else
        screens.game().start(blue, red, guestChoice->isChecked());
    hide();
    for (AnimatedGif* letter : titleLetters)
        letter->stopAnimation();
}

// The choice of the computer stays as it was last set.
void NameEntry::showForNewPlayers() {
    m_redTyped = redNamePlaceholder();
    if (!computerChoice->isChecked())
        redNameBox->setText(redNamePlaceholder());
    blueNameBox->setText(blueNamePlaceholder());
    startLetters();
    show();
    (computerChoice->isChecked() ? blueNameBox : redNameBox)->setFocus();
}

} // namespace quintarlow
