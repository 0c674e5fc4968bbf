#pragma once

#include <QStringList>

class QCommandLineParser;

namespace quintarlow {

// quintarlow --report FILE.pdf [--player NAME] [--days N] writes one child's report (or the
// class's) and --report FOLDER --all one per child and the class's, without opening a window:
// a teacher prints a class's reports in one go.

// For --help to list them; --player is the record commands'.
void addReportOptions(QCommandLineParser& parser);
// Whether the program's arguments ask for reports rather than for the game.
bool isReportCommand(int argc, char* argv[]);
// Needs an application object that can draw (the offscreen platform will do). Says what it
// wrote on stdout, or what went wrong and what to do on stderr; the exit status.
int runReportCommand(const QStringList& arguments);

} // namespace quintarlow
