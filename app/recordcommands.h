#pragma once

#include "record/recordchoice.h"

#include <QCommandLineOption>
#include <memory>
#include <optional>

class QCommandLineParser;

namespace quintarlow {

// The practice record's command-line options: export, import, forgetting a player, playing
// without a record, setting up a school's server and moving a child to another class there.
class RecordCommands {
public:
    explicit RecordCommands(QCommandLineParser& parser);

    // Runs the command the line asks for and returns its exit status; none when the line asks
    // for the game itself.
    std::optional<int> run(const QCommandLineParser& parser) const;
    bool noRecord(const QCommandLineParser& parser) const;

private:
    QCommandLineOption m_export;
    QCommandLineOption m_player;
    QCommandLineOption m_import;
    QCommandLineOption m_forget;
    QCommandLineOption m_yes;
    QCommandLineOption m_noRecord;
    QCommandLineOption m_setup;
    QCommandLineOption m_classes;
    QCommandLineOption m_expire;
    QCommandLineOption m_keepDays;
    QCommandLineOption m_move;
    QCommandLineOption m_fromClass;
    QCommandLineOption m_toClass;
};

} // namespace quintarlow
