// The reference every start-up, memory and idle figure of the game is set against: a bare Qt
// Widgets program with one empty window the size of the splash screen, built like the game.
#include "app/startuptrace.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(492, 283);
    quintarlow::traceFirstFrame(window);
    window.show();
    return QApplication::exec();
}
