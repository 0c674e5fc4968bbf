// Draws every screen of the game in its telling states into PNG files, through the real
// screens with silent fakes, so the look of a state can be checked without playing to it.
//   quintarlow_screenshots OUTPUT_FOLDER [TRANSLATION.qm]   (run it in the data folder)
#include "tellingstates.h"

#include <QApplication>
#include <QDir>
#include <QTranslator>

using namespace quintarlow;
using namespace quintarlow::testing;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    QTranslator translation;
    if (argc > 2 && translation.load(QString::fromLocal8Bit(argv[2])))
        QCoreApplication::installTranslator(&translation);
    forEachTellingState([&](const QString& state, const QList<ScreenWindow*>& screens) {
        for (ScreenWindow* screen : screens)
            screen->grab().save(QDir(folder).filePath(
                state + QLatin1Char('-') + screen->objectName() + QStringLiteral(".png")));
    });
    return 0;
}
