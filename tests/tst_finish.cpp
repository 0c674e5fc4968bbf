// The finish of every screen: a disabled board keeps its look, captions keep clear of their
// labels' edges and names stay readable in every telling state, the winner's headline is opaque.
#include "tellingstates.h"

#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

class tst_Finish : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boardButtonsLookTheSameOnADisabledBoard() {
        BoardFixture fixture;
        const auto looks = [&] {
            QList<QImage> images;
            for (QWidget* button : {fixture.board.Command1, fixture.board.Command2})
                images.append(button->grab().toImage());
            return images;
        };
        const QList<QImage> enabled = looks();
        fixture.board.setEnabled(false);
        QCOMPARE(looks(), enabled);
    }

    void captionsKeepClearOfTheirEdges() {
        forEachTellingState([](const QString& state, const QList<ScreenWindow*>& screens) {
            for (ScreenWindow* screen : screens)
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
                    if (label->caption().size() == 30)
                        QVERIFY2(label->captionFont().pixelSize() >= 11, qPrintable(where));
                }
        });
    }

    void winnerHeadlineIsOpaqueOrange() {
        BoardFixture fixture;
        const QImage headline = fixture.winner.Label1->grab().toImage();
        QCOMPARE(headline.pixelColor(1, 1), QColor(0xFF, 0x80, 0x00));
    }
};

QTEST_MAIN(tst_Finish)
#include "tst_finish.moc"
