#include "media/animatedgif.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quintarlow;

class AnimatedGifTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A missing or broken picture leaves the control empty, and painting it is harmless.
    void pictures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("animates");
        QTest::newRow("picture") << "gif/dance.gif" << true;
        QTest::newRow("missing") << "gif/nothing_here.gif" << false;
        QTest::newRow("truncated") << "truncated" << false;
    }
    void pictures() {
        QFETCH(QString, file);
        QFETCH(bool, animates);
        QTemporaryDir folder;
        if (file == QLatin1String("truncated")) {
            QFile source(QStringLiteral("gif/dance.gif"));
            QFile broken(file = folder.filePath(QStringLiteral("broken.gif")));
            QVERIFY(source.open(QIODevice::ReadOnly) && broken.open(QIODevice::WriteOnly));
            broken.write(source.read(20));
        }
        QWidget screen;
        AnimatedGif picture(&screen, QRect(0, 0, 705, 705));
        picture.SetPictureFile(file);
        picture.StartAnimation();
        QCOMPARE(picture.isRunning(), animates);
        screen.show();
        QVERIFY(!picture.grab().isNull());
        // A stopped picture starts again without a new file.
        picture.StopAnimation();
        QVERIFY(!picture.isRunning());
        picture.StartAnimation();
        QCOMPARE(picture.isRunning(), animates);
    }

    void clickNotifications() {
        QWidget screen;
        AnimatedGif picture(&screen, QRect(0, 0, 705, 705));
        screen.show();
        QSignalSpy clicked(&picture, &AnimatedGif::clicked);
        QSignalSpy doubleClicked(&picture, &AnimatedGif::doubleClicked);
        QTest::mouseClick(&picture, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseDClick(&picture, Qt::LeftButton);
        QTest::mouseClick(&picture, Qt::RightButton);
        QCOMPARE(doubleClicked.count(), 1);
    }
};

QTEST_MAIN(AnimatedGifTest)
#include "tst_animatedgif.moc"
