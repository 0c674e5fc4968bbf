#include "media/animatedgif.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quintarlow;

class AnimatedGifTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pictures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("animates");
        for (const char* name : {"quintarlow_small", "free_", "gameover", "fireworks", "dance", "q",
                                 "u", "i", "n", "t", "a", "r", "l", "o", "w"})
            QTest::addRow("%s", name)
                << QStringLiteral("gif/%1.gif").arg(QLatin1String(name)) << true;
        QTest::newRow("missing") << "gif/nothing_here.gif" << false;
        QTest::newRow("a sound is no picture") << "ding.WAV" << false;
    }
    void pictures() {
        QFETCH(QString, file);
        QFETCH(bool, animates);
        QWidget screen;
        AnimatedGif picture(&screen, QRect(0, 0, 705, 705));
        picture.SetPictureFile(file);
        picture.StartAnimation();
        QCOMPARE(picture.pictureFile(), file);
        QCOMPARE(picture.hasPicture(), animates);
        QCOMPARE(picture.isRunning(), animates);
        QCOMPARE(picture.size(), QSize(47, 47));
        screen.show();
        QVERIFY(!picture.grab().isNull()); // painting an empty control is harmless too
    }

    void truncatedFileLeavesTheControlEmpty() {
        QTemporaryDir folder;
        QFile source(QStringLiteral("gif/dance.gif"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile broken(folder.filePath(QStringLiteral("broken.gif")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(source.read(20));
        broken.close();
        AnimatedGif picture(nullptr);
        picture.SetPictureFile(broken.fileName());
        picture.StartAnimation();
        QVERIFY(!picture.isRunning());
    }

    void stoppedPictureStartsAgainWithoutANewFile() {
        AnimatedGif picture(nullptr);
        picture.SetPictureFile(QStringLiteral("gif/free_.gif"));
        picture.StartAnimation();
        picture.StopAnimation();
        QVERIFY(!picture.isRunning());
        picture.StartAnimation();
        QVERIFY(picture.isRunning());
        QCOMPARE(picture.pictureFile(), QStringLiteral("gif/free_.gif"));
        // Hidden and shown again, it keeps running without a new start.
        picture.hide();
        QVERIFY(picture.isRunning());
        picture.show();
        QVERIFY(picture.isRunning());
        // A new file replaces the old one and waits for its own start.
        picture.SetPictureFile(QStringLiteral("gif/gameover.gif"));
        QVERIFY(!picture.isRunning());
    }

    void clickNotifications() {
        QWidget screen;
        AnimatedGif picture(&screen, QRect(0, 0, 705, 705));
        screen.show();
        QSignalSpy clicked(&picture, &AnimatedGif::clicked);
        QSignalSpy doubleClicked(&picture, &AnimatedGif::doubleClicked);
        QTest::mouseClick(&picture, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(doubleClicked.count(), 0);
        QTest::mouseDClick(&picture, Qt::LeftButton);
        QCOMPARE(doubleClicked.count(), 1);
        QTest::mouseClick(&picture, Qt::RightButton);
        QCOMPARE(doubleClicked.count(), 1);
        QVERIFY(clicked.count() <= 3);
    }
};

QTEST_MAIN(AnimatedGifTest)
#include "tst_animatedgif.moc"
