#include "app/datafolder.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quintarlow;

// Which folder the game plays from, in a temporary tree laid out as current, installed and
// source folders: here/  prefix/bin/  prefix/share/quintarlow/  source/data/
class TestDataFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data() {
        QTest::addColumn<QStringList>("withPictures");
        QTest::addColumn<bool>("inBuildFolder");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("tried");
        const QString here = QStringLiteral("here"), source = QStringLiteral("source/data");
        const QString installed = QStringLiteral("prefix/share/quintarlow");
        QTest::newRow("current") << QStringList{here, installed, source} << true << here << 1;
        QTest::newRow("installed") << QStringList{installed, source} << true << installed << 2;
        QTest::newRow("build tree") << QStringList{source} << true << source << 3;
        QTest::newRow("tree when installed") << QStringList{source} << false << QString() << 2;
        QTest::newRow("none") << QStringList{} << true << QString() << 3;
    }
    void choice() {
        QFETCH(QStringList, withPictures);
        QFETCH(bool, inBuildFolder);
        QFETCH(QString, chosen);
        QFETCH(int, tried);
        QTemporaryDir root;
        const QDir tree(root.path());
        QVERIFY(tree.mkpath(QStringLiteral("prefix/bin")));
        for (const QString& folder : withPictures)
            QVERIFY(tree.mkpath(folder + QStringLiteral("/gif")));
        if (inBuildFolder)
            QVERIFY(QFile(tree.filePath(QStringLiteral("prefix/bin/CMakeCache.txt")))
                        .open(QIODevice::WriteOnly));

        const DataFolderChoice choice = chooseDataFolder(
            tree.filePath(QStringLiteral("here")), tree.filePath(QStringLiteral("prefix/bin")),
            QStringLiteral("../share/quintarlow"), tree.filePath(QStringLiteral("source/data")));
        QCOMPARE(choice.folder, chosen.isEmpty() ? QString() : tree.filePath(chosen));
        QCOMPARE(choice.tried.size(), tried);
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
