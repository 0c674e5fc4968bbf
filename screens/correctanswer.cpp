#include "screens/correctanswer.h"

#include "board/boardwindow.h"
#include "core/game.h"
#include "screens/screenset.h"
#include "widgets/fonts.h"
#include "widgets/vblabel.h"

namespace quintarlow {

namespace {

VbLabel* chalk(QWidget* parent, const QRect& twips, const QString& text, Face face,
               Qt::Alignment alignment = Qt::AlignHCenter) {
    auto* label = makeCaption(parent, twips, text, gameFont(face, 24, Bold), alignment);
    label->setForeColour(Colour::White);
    return label;
}

} // namespace

CorrectAnswerPopup::CorrectAnswerPopup(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("CorrectAnswer"),
                             .clientTwips = {5145, 2955},
                             .backColour = Colour::Black,
                             .picture = QStringLiteral(":/backgrounds/chalkboard.png"),
                             .opensOver = true,
                             .title = tr("Correct Answer"),
                             .accessibleRole = QAccessible::AlertMessage}),
      screens(screens) {
    heading =
        chalk(this, {795, 480, 3615, 735}, tr("Correct Answer"), Face::ComicSans, Qt::AlignLeft);
    firstFactor = chalk(this, {555, 1485, 615, 615}, QStringLiteral("99"), Face::ComicSans);
    timesSign = chalk(this, {1440, 1440, 495, 615}, QStringLiteral("X"), Face::ComicSans);
    secondFactor = chalk(this, {2115, 1485, 615, 615}, QStringLiteral("99"), Face::ComicSans);
    equalsSign = chalk(this, {2955, 1545, 495, 495}, QStringLiteral("="), Face::MsSansSerif);
    product = chalk(this, {3555, 1485, 975, 615}, QStringLiteral("999"), Face::ComicSans);
    setSpokenSummary(heading, {firstFactor, timesSign, secondFactor, equalsSign, product});

    Game& game = screens.game();
    connect(&game, &Game::revealStarted, this, [this, &game] {
        const Fact shown = game.lastQuestion();
        firstFactor->setCaption(QString::number(shown.a));
        secondFactor->setCaption(QString::number(shown.b));
        product->setCaption(QString::number(shown.a * shown.b));
        showOver(this->screens.board());
    });
    connect(&game, &Game::revealEnded, this, &QWidget::hide);
}

void CorrectAnswerPopup::showOver(ScreenWindow& owner) {
    if (!m_placed) {
        centreOnScreen();
        m_placed = true;
    }
    ScreenWindow::showOver(owner);
}

} // namespace quintarlow
