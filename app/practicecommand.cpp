#include "app/practicecommand.h"

#include "app/commandtext.h"

#include "core/namecheck.h"
#include "core/playernames.h"
#include "core/practicetext.h"
#include "record/recordreader.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <optional>

namespace quintarlow {

namespace {

const QString Practice = QStringLiteral("practice");
const QString Tables = QStringLiteral("tables");
const QString AskMissed = QStringLiteral("ask-missed");
const QString Path = QStringLiteral("path");
const QString Seconds = QStringLiteral("seconds");
const QString Opponent = QStringLiteral("opponent");
const QString New = QStringLiteral("new");
// In ComputerLevel's order.
const QStringList OpponentWords{QStringLiteral("easy"), QStringLiteral("level"),
                                QStringLiteral("hard")};

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

int refuse(QTextStream& err, const QString& why) {
    err << "quintarlow: " << why << '\n';
    err.flush();
    return 1;
}

// What the options ask to change; a setting left out stays as it was kept.
struct PracticeChange {
    std::optional<std::vector<int>> tables;
    std::optional<bool> askMissed;
    std::optional<bool> path;
    std::optional<int> answerSeconds;
    std::optional<ComputerLevel> opponent;

    bool changesAnything() const {
        return tables || askMissed || path || answerSeconds || opponent;
    }
    PracticeSettings appliedTo(PracticeSettings settings) const {
        settings.tables = tables.value_or(settings.tables);
        settings.askMissed = askMissed.value_or(settings.askMissed);
        settings.path = path.value_or(settings.path);
        settings.answerSeconds = answerSeconds.value_or(settings.answerSeconds);
        settings.opponent = opponent.value_or(settings.opponent);
        return settings;
    }
};

// A name the game would not let a child type; 0, or the exit status once the mistake is told.
int checkName(const QString& name, QTextStream& err) {
    if (name.isEmpty())
        return refuse(err, CommandText::tr("--practice needs a player's name"));
    if (const NameFault fault = nameFault(name); fault.kind == NameFault::Kind::TooLong)
        return refuse(err, CommandText::tr("the name has %1 characters, more than %2; a player's "
                                           "name has at most %2 characters and no control or "
                                           "invisible ones")
                               .arg(fault.length)
                               .arg(MaximumNameLength));
    else if (fault.kind == NameFault::Kind::RefusedCharacter)
        return refuse(err, CommandText::tr("the name holds a control or invisible character (%1); "
                                           "a player's name has at most %2 characters and no "
                                           "control or invisible ones")
                               .arg(codePointText(fault.character))
                               .arg(MaximumNameLength));
    return 0;
}

// Each setting an option gives, checked in the order the options are listed; 0, or the exit
// status once the first mistake is told.
int readChange(const QCommandLineParser& parser, QTextStream& err, PracticeChange& change) {
    const TableList tables = parseTables(parser.value(Tables));
    if (parser.isSet(Tables) && !tables.error.isEmpty())
        return refuse(err, QLatin1String("--tables: ") + tables.error);
    if (parser.isSet(Tables))
        change.tables = tables.tables;
    for (const auto& [option, chosen] :
         {std::pair{&AskMissed, &change.askMissed}, {&Path, &change.path}}) {
        const QString said = parser.value(*option).trimmed().toLower();
        if (!parser.isSet(*option))
            continue;
        if (said != onOff(true) && said != onOff(false))
            return refuse(err, CommandText::tr("--%1 takes on or off, not \"%2\"")
                                   .arg(*option, parser.value(*option)));
        *chosen = said == onOff(true);
    }
    bool isNumber = false;
    const int seconds = parser.value(Seconds).trimmed().toInt(&isNumber);
    if (parser.isSet(Seconds) &&
        (!isNumber || seconds < AnswerSeconds || seconds > MostAnswerSeconds))
        return refuse(err, CommandText::tr("--seconds takes a number from %1 to %2, not \"%3\"")
                               .arg(AnswerSeconds)
                               .arg(MostAnswerSeconds)
                               .arg(parser.value(Seconds)));
    if (parser.isSet(Seconds))
        change.answerSeconds = seconds;
    const qsizetype opponent = OpponentWords.indexOf(parser.value(Opponent).trimmed().toLower());
    if (parser.isSet(Opponent) && opponent < 0)
        return refuse(err, CommandText::tr("--opponent takes easy, level or hard, not \"%1\"")
                               .arg(parser.value(Opponent)));
    if (parser.isSet(Opponent))
        change.opponent = ComputerLevel(opponent);
    return 0;
}

// The player `name` stands for, written back into it; 0, or the exit status once the mistake is
// told.
int choosePlayer(RecordEditor& record, const QStringList& knownNames, bool isNew, QTextStream& err,
                 QString& name) {
    // "Tom (4B)" names one of two classes' Toms, as the list shows them; a plain "Tom" naming
    // both would keep settings for the wrong child.
    const QStringList children = childrenNamed(name, knownNames);
    if (children.size() > 1)
        return refuse(err, notOneChildText(name, knownNames));
    if (children.size() == 1 && !classChild(children.front()).classKey.isEmpty())
        name = children.front();
    // A mistyped name would otherwise keep settings for a child who never plays.
    const bool known = std::any_of(knownNames.begin(), knownNames.end(),
                                   [&](const QString& kept) { return sameName(kept, name); }) ||
                       !record.practiceSettings(name).isDefault();
    if (!known && !isNew)
        return refuse(err, CommandText::tr("the record has never seen %1: check the spelling, or "
                                           "add --new for a player who has not played yet")
                               .arg(name));
    return 0;
}

void printSettings(QTextStream& out, const QString& name, const PracticeSettings& kept) {
    out << shownName(name) << ": --tables " << tablesText(kept.tables) << " --ask-missed "
        << onOff(kept.askMissed) << " --path " << onOff(kept.path) << " --seconds "
        << kept.answerSeconds << " --opponent " << OpponentWords[int(kept.opponent)] << '\n';
    out.flush();
}

} // namespace

void addPracticeOptions(QCommandLineParser& parser) {

    parser.addOption({Practice, CommandText::tr("Print NAME's practice settings, or set them."),
                      QStringLiteral("NAME")});
    parser.addOption({Tables,
                      CommandText::tr("The tables NAME practises: like 3,4,6, or all (with "
                                      "--practice)."),
                      QStringLiteral("LIST")});
    parser.addOption({AskMissed,
                      CommandText::tr("Ask NAME's missed facts again: on or off (with "
                                      "--practice)."),
                      QStringLiteral("on|off")});
    parser.addOption({Path,
                      CommandText::tr("NAME follows a learning path over the tables: on or off "
                                      "(with --practice)."),
                      QStringLiteral("on|off")});
    parser.addOption({Seconds,
                      CommandText::tr("The seconds NAME has to answer, 20 to 90 (with "
                                      "--practice)."),
                      QStringLiteral("N")});
    parser.addOption({Opponent,
                      CommandText::tr("How well the computer plays NAME alone: easy, level (NAME's "
                                      "own) or hard (with --practice)."),
                      QStringLiteral("easy|level|hard")});
    parser.addOption({New, CommandText::tr("NAME is a new player, not yet in the record (with "
                                           "--practice).")});
}

bool isPracticeCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    addPracticeOptions(parser);
    parser.parse(arguments);
    return parser.isSet(Practice) || parser.isSet(Tables) || parser.isSet(AskMissed) ||
           parser.isSet(Path) || parser.isSet(Seconds) || parser.isSet(Opponent);
}

int runPracticeCommand(const QStringList& arguments, RecordEditor* record,
                       const QStringList& knownNames, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    addPracticeOptions(parser);
    if (!parser.parse(arguments))
        return refuse(err, parser.errorText().split(QLatin1Char('\n')).first());
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            err, CommandText::tr("unexpected \"%1\"").arg(parser.positionalArguments().first()));
    if (!parser.isSet(Practice))
        return refuse(err, CommandText::tr("--tables, --ask-missed, --path, --seconds and "
                                           "--opponent need --practice NAME"));
    QString name = composedName(parser.value(Practice).trimmed());
    if (const int status = checkName(name, err); status != 0)
        return status;
    PracticeChange change;
    if (const int status = readChange(parser, err, change); status != 0)
        return status;
    if (!record)
        return refuse(err, CommandText::tr("no practice record to keep settings in"));
    if (const int status = choosePlayer(*record, knownNames, parser.isSet(New), err, name);
        status != 0)
        return status;
    if (change.changesAnything() &&
        !record->setPracticeSettings(name, change.appliedTo(record->practiceSettings(name))))
        return refuse(
            err,
            CommandText::tr("could not keep the practice settings of %1").arg(shownName(name)));
    printSettings(out, name, record->practiceSettings(name));
    return 0;
}

} // namespace quintarlow
