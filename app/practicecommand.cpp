#include "practicecommand.h"

#include "namecheck.h"
#include "practicetext.h"
#include "record/recordreader.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace quintarlow {

namespace {

const QString Practice = QStringLiteral("practice");
const QString Tables = QStringLiteral("tables");
const QString AskMissed = QStringLiteral("ask-missed");

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

int refuse(QTextStream& err, const QString& why) {
    err << "quintarlow: " << why << '\n';
    err.flush();
    return 1;
}

} // namespace

void addPracticeOptions(QCommandLineParser& parser) {
    parser.addOption({Practice, QStringLiteral("Print NAME's practice settings, or set them."),
                      QStringLiteral("NAME")});
    parser.addOption({Tables,
                      QStringLiteral("The tables NAME practises: like 3,4,6, or all (with "
                                     "--practice)."),
                      QStringLiteral("LIST")});
    parser.addOption({AskMissed,
                      QStringLiteral("Ask NAME's missed facts again: on or off (with "
                                     "--practice)."),
                      QStringLiteral("on|off")});
}

bool isPracticeCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    addPracticeOptions(parser);
    parser.parse(arguments);
    return parser.isSet(Practice) || parser.isSet(Tables) || parser.isSet(AskMissed);
}

int runPracticeCommand(const QStringList& arguments, RecordEditor* record, QTextStream& out,
                       QTextStream& err) {
    QCommandLineParser parser;
    addPracticeOptions(parser);
    if (!parser.parse(arguments))
        return refuse(err, parser.errorText().split(QLatin1Char('\n')).first());
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            err, QStringLiteral("unexpected \"%1\"").arg(parser.positionalArguments().first()));
    if (!parser.isSet(Practice))
        return refuse(err, QStringLiteral("--tables and --ask-missed need --practice NAME"));
    const QString name = parser.value(Practice).trimmed();
    if (name.isEmpty())
        return refuse(err, QStringLiteral("--practice needs a player's name"));
    if (name.size() > MaximumNameLength)
        return refuse(
            err,
            QStringLiteral("a player's name has at most %1 characters").arg(MaximumNameLength));
    const TableList tables = parseTables(parser.value(Tables));
    if (parser.isSet(Tables) && !tables.error.isEmpty())
        return refuse(err, QLatin1String("--tables: ") + tables.error);
    const QString askMissed = parser.value(AskMissed).trimmed().toLower();
    if (parser.isSet(AskMissed) && askMissed != onOff(true) && askMissed != onOff(false))
        return refuse(err, QStringLiteral("--ask-missed takes on or off, not \"%1\"")
                               .arg(parser.value(AskMissed)));
    if (!record)
        return refuse(err, QStringLiteral("no practice record to keep settings in"));

    if (parser.isSet(Tables) || parser.isSet(AskMissed)) {
        PracticeSettings settings = record->practiceSettings(name);
        if (parser.isSet(Tables))
            settings.tables = tables.tables;
        if (parser.isSet(AskMissed))
            settings.askMissed = askMissed == onOff(true);
        if (!record->setPracticeSettings(name, settings))
            return refuse(err,
                          QStringLiteral("could not keep the practice settings of %1").arg(name));
    }
    const PracticeSettings kept = record->practiceSettings(name);
    out << name << ": --tables " << tablesText(kept.tables) << " --ask-missed "
        << onOff(kept.askMissed) << '\n';
    out.flush();
    return 0;
}

} // namespace quintarlow
