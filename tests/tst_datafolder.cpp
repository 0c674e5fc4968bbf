#include "app/datafolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quintarlow;

// Which folder the game plays from, in a temporary tree laid out as installed and built:
//   here/  prefix/bin/  prefix/share/quintarlow/  source/data/
class TestDataFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data() {
        QTest::addColumn<QStringList>("withPictures");
        QTest::addColumn<bool>("inBuildFolder");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("tried");
        const QString here = QStringLiteral("here");
        const QString installed = QStringLiteral("prefix/share/quintarlow");
        const QString source = QStringLiteral("source/data");
        QTest::newRow("current first") << QStringList{here, installed, source} << true << here << 1;
        QTest::newRow("installed") << QStringList{installed, source} << true << installed << 2;
        QTest::newRow("build tree") << QStringList{source} << true << source << 3;
        QTest::newRow("tree unused when installed")
            << QStringList{source} << false << QString() << 2;
        QTest::newRow("none") << QStringList{} << true << QString() << 3;
    }
    void choice() {
        QFETCH(QStringList, withPictures);
        QFETCH(bool, inBuildFolder);
        QFETCH(QString, expected);
        QFETCH(int, tried);
        QTemporaryDir root;
        QDir tree(root.path());
        for (const QString& folder :
             {QStringLiteral("here"), QStringLiteral("prefix/bin"), QStringLiteral("source/data")})
            QVERIFY(tree.mkpath(folder));
        for (const QString& folder : withPictures)
            QVERIFY(tree.mkpath(folder + QStringLiteral("/gif")));
        if (inBuildFolder) {
            QFile cache(tree.filePath(QStringLiteral("prefix/bin/CMakeCache.txt")));
            QVERIFY(cache.open(QIODevice::WriteOnly));
        }

        const DataFolderChoice choice = chooseDataFolder(
            tree.filePath(QStringLiteral("here")), tree.filePath(QStringLiteral("prefix/bin")),
            QStringLiteral("../share/quintarlow"), tree.filePath(QStringLiteral("source/data")));
        QCOMPARE(choice.folder, expected.isEmpty() ? QString() : tree.filePath(expected));
        QCOMPARE(choice.tried.size(), tried);
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
