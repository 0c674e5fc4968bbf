// How long an answer takes from the board's report to its row on disk, and how long the board
// itself waits for the report: one game of N answers into a practice record in FOLDER.
//   quintarlow_recordsave FOLDER N
// Prints "saved_ms=… returned_ms=…" per answer.
#include "record/sqliterecord.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace quintarlow;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quintarlow_recordsave FOLDER N\n");
        return 2;
    }
    QString error;
    auto record = SqliteRecord::open(QString::fromLocal8Bit(argv[1]), &error);
    if (!record) {
        std::fprintf(stderr, "quintarlow_recordsave: %s\n", qPrintable(error));
        return 1;
    }
    using Clock = std::chrono::steady_clock;
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    record->gameStarted(QStringLiteral("Ben"), QStringLiteral("Rosa"),
                        QDateTime::currentDateTime());
    record->waitUntilWritten();
    for (int answer = 0; answer < std::atoi(argv[2]); ++answer) {
        const auto asked = Clock::now();
        record->answerJudged(
            {QStringLiteral("Ben"), QDateTime::currentDateTime(), 7, 8, 56, Outcome::Right, 2400});
        const auto returned = Clock::now();
        record->waitUntilWritten();
        const auto saved = Clock::now();
        std::printf("saved_ms=%.3f returned_ms=%.4f\n", ms(saved - asked), ms(returned - asked));
    }
    record->gameFinished(QStringLiteral("Ben"), QDateTime::currentDateTime());
    return 0;
}
