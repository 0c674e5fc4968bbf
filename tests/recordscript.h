#pragma once

#include "record/memoryrecord.h"

#include <QTemporaryDir>
#include <QTimeZone>

namespace quintarlow::testing {

// Whatever the code under test remembers goes to a folder of the test's own.
struct OwnSettingsFolder {
    OwnSettingsFolder() { qputenv("XDG_CONFIG_HOME", home.path().toUtf8()); }
    QTemporaryDir home;
};

// "7x8 R2400 W1000 T": one player's answers to one fact, a minute apart from 1 December on.
inline void play(MemoryRecord& record, const QString& player, const QString& script,
                 const QDateTime& from = QDateTime(QDate(2026, 12, 1), QTime(9, 0),
                                                   QTimeZone(3600))) {
    const QStringList tokens = script.split(QLatin1Char(' '));
    const int a = tokens[0].section(QLatin1Char('x'), 0, 0).toInt();
    const int b = tokens[0].section(QLatin1Char('x'), 1, 1).toInt();
    for (const QString& token : tokens.mid(1)) {
        const Outcome outcome = token[0] == QLatin1Char('R')   ? Outcome::Right
                                : token[0] == QLatin1Char('W') ? Outcome::Wrong
                                                               : Outcome::Timeout;
        const int made = static_cast<int>(record.rows.size());
        record.rows.push_back({QString::number(made), player, from.addSecs(60 * made), player, 0, a,
                               b, a * b, std::nullopt, outcome,
                               outcome == Outcome::Timeout ? 20000 : token.mid(1).toLongLong()});
    }
}

// Two children; Zoë played last, and her name would be markup if it were ever read as such.
inline MemoryRecord twoChildren() {
    MemoryRecord record;
    play(record, QStringLiteral("Leo"), QStringLiteral("7x8 R2000 R2400 R2400 W1000 R3200"));
    play(record, QStringLiteral("Leo"), QStringLiteral("3x4 T"));
    play(record, QStringLiteral("<b>Zoë</b>"), QStringLiteral("7x8 W900 W800 R9000"));
    play(record, QStringLiteral("<b>Zoë</b>"), QStringLiteral("2x2 R1000 R1000"));
    return record;
}

// Ann missed three facts a lot two months ago; Ben played a little today.
inline MemoryRecord annAndBen() {
    MemoryRecord record;
    const QDateTime today(QDate::currentDate(), QTime(0, 0, 1));
    for (const char* fact : {"2x3", "4x5", "6x7"})
        play(record, QStringLiteral("Ann"), fact + QStringLiteral(" W900 W900 W900"),
             today.addDays(-60));
    play(record, QStringLiteral("Ben"), QStringLiteral("8x9 W900 R900"), today);
    return record;
}

} // namespace quintarlow::testing
