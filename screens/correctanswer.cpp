#include "correctanswer.h"

#include "board/multiplication.h"
#include "board/vblabel.h"
#include "media/animatedgif.h"
#include "media/speech.h"
#include "screens/fonts.h"
#include "screens/screenset.h"
#include "spokentexts.h"

#include <QPushButton>

namespace quintarlow {

namespace {

VbLabel* chalk(QWidget* parent, const QRect& twips, const QString& text, Face face,
               Qt::Alignment alignment = Qt::AlignHCenter) {
    auto* label = makeCaption(parent, twips, text, gameFont(face, 24, Bold), alignment);
    label->setForeColour(Colour::White);
    return label;
}

} // namespace

CorrectAnswer::CorrectAnswer(ScreenSet& screens)
    : ScreenWindow(screens, {.name = QStringLiteral("CorrectAnswer"),
                             .clientTwips = {5145, 2955},
                             .backColour = Colour::Black,
                             .picture = QStringLiteral(":/backgrounds/chalkboard.png"),
                             .opensOver = true,
                             .title = QStringLiteral("Correct Answer"),
                             .accessibleRole = QAccessible::AlertMessage}),
      spkSpeak(screens.services().speech) {
    Label1 = chalk(this, {795, 480, 3615, 735}, QStringLiteral("Correct Answer"), Face::ComicSans,
                   Qt::AlignLeft);
    MultOne = chalk(this, {555, 1485, 615, 615}, QStringLiteral("99"), Face::ComicSans);
    Label3 = chalk(this, {1440, 1440, 495, 615}, QStringLiteral("X"), Face::ComicSans);
    MultTwo = chalk(this, {2115, 1485, 615, 615}, QStringLiteral("99"), Face::ComicSans);
    Label5 = chalk(this, {2955, 1545, 495, 495}, QStringLiteral("="), Face::MsSansSerif);
    Answer = chalk(this, {3555, 1485, 975, 615}, QStringLiteral("999"), Face::ComicSans);
    setSpokenSummary(Label1, {MultOne, Label3, MultTwo, Label5, Answer});
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &CorrectAnswer::onTick);
}

void CorrectAnswer::showOver(ScreenWindow& owner) {
    if (!m_placed) {
        centreOnScreen();
        m_placed = true;
    }
    ScreenWindow::showOver(owner);
}

void CorrectAnswer::onTick() {
    const int tick = PopupTicks;
    MULTIPLICATION& board = screens.board();
    BoardState& state = board.boardState();
    if (tick == 0) {
        state.TurnColour = nextTurnColour(state.TurnColour);
        PromptText = Texts::correctAnswerSpeech(PromptText, state.Product, state.TurnColour);
        spkSpeak.Speak(PromptText);
    }
    if (tick == 7)
        board.Label2[0]->setCaption(Texts::turnLine(state.TurnColour) + QLatin1Char('.'));
    board.moveBlinkingTo(state.TurnColour);
    if (tick == 8) {
        board.setEnabled(true);
        board.AnimatedGif1->show();
        board.AnimatedGif2->show();
        hide();
        board.Command1->setEnabled(true);
        board.resetClock();
        board.Command2->setEnabled(true);
        board.Command3->setEnabled(true);
        setTimerEnabled(Timer1, false);
    }
    PopupTicks = static_cast<std::int16_t>(tick + 1);
}

} // namespace quintarlow
