#include "app/practicecommand.h"
#include "core/playernames.h"
#include "record/recordreader.h"

#include <QTest>
#include <QTextStream>
#include <map>

using namespace quintarlow;

namespace {

// Keeps practice settings in memory, by name trimmed and ignoring case, or refuses to keep.
class SettingsRecord final : public RecordEditor {
public:
    std::map<QString, PracticeSettings> kept;
    bool refuses = false;

    int forgetPlayer(const QString&) override { return -1; }
    PracticeSettings practiceSettings(const QString& name) override { return kept[key(name)]; }
    bool setPracticeSettings(const QString& name, const PracticeSettings& settings) override {
        if (!refuses)
            kept[key(name)] = settings;
        return !refuses;
    }

private:
    static QString key(const QString& name) { return name.trimmed().toCaseFolded(); }
};

} // namespace

class PracticeCommandTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void command_data() {
        QTest::addColumn<QStringList>("arguments"); // after the program's name
        QTest::addColumn<QString>("record");        // "keeps", "refuses" or "none"
        // Ana had the 3s, missed facts on. Stdout as name, tables, ask-missed, path, seconds and
        // opponent, or "! " and the line on stderr after the program's name, when nothing is
        // changed.
        QTest::addColumn<QString>("printed");
        const auto row = [](const char* name, const QStringList& arguments, const char* printed,
                            const char* record = "keeps") {
            QTest::newRow(name) << arguments << record << printed;
        };
        row("print", {"--practice", "Ana"}, "Ana 3 on off 20 level");
        row("set both", {"--practice", " ana ", "--tables", "6, 4", "--ask-missed", "OFF"},
            "ana 4,6 off off 20 level");
        row("tables alone", {"--practice", "Ana", "--tables", "all"}, "Ana all on off 20 level");
        row("ask-missed alone", {"--practice=Ana", "--ask-missed", "off"},
            "Ana 3 off off 20 level");
        row("path and seconds", {"--practice", "Ana", "--path", "on", "--seconds", " 90"},
            "Ana 3 on on 90 level");
        row("seconds alone", {"--seconds", "40", "--practice", "Ana"}, "Ana 3 on off 40 level");
        row("opponent", {"--practice", "Ana", "--opponent", " Hard"}, "Ana 3 on off 20 hard");
        row("a player the record lists", {"--practice", "bo"}, "bo all off off 20 level");
        row("a new player", {"--practice", "Cy", "--new", "--opponent", "easy"},
            "Cy all off off 20 easy");
        row("a child of one of two classes", {"--practice", "tom (4b)", "--tables", "3"},
            "Tom_(4B) 3 off off 20 level");
        row("a name two classes' children share", {"--practice", "Tom", "--tables", "3"},
            "! “Tom” is a child of more than one class: “Tom (4B)”, “Tom (5A)”. Name one of them "
            "as shown and try again.");
        row("a name never seen", {"--practice", "Cy", "--tables", "3"},
            "! the record has never seen Cy: check the spelling, or add --new for a player who has "
            "not played yet");
        row("bad opponent", {"--practice", "Ana", "--opponent", "best"},
            "! --opponent takes easy, level or hard, not \"best\"");
        row("too few seconds", {"--practice", "Ana", "--seconds", "19"},
            "! --seconds takes a number from 20 to 90, not \"19\"");
        row("too many seconds", {"--practice", "Ana", "--seconds", "91"},
            "! --seconds takes a number from 20 to 90, not \"91\"");
        row("bad path", {"--practice", "Ana", "--path", "yes"},
            "! --path takes on or off, not \"yes\"");
        row("bad list", {"--practice", "Ana", "--tables", "3,13"},
            "! --tables: \"13\" is not a table from 1 to 12");
        row("bad switch", {"--practice", "Ana", "--ask-missed", "yes"},
            "! --ask-missed takes on or off, not \"yes\"");
        row("no name", {"--tables", "3"},
            "! --tables, --ask-missed, --path, --seconds and --opponent need --practice NAME");
        row("blank name", {"--practice", " ", "--tables", "3"},
            "! --practice needs a player's name");
        row("misspelt option", {"--practice", "Ana", "--tabels", "3"},
            "! Unknown option 'tabels'.");
        row("record refuses", {"--practice", "Ana", "--tables", "4"},
            "! could not keep the practice settings of Ana", "refuses");
        row("no record", {"--practice", "Ana"}, "! no practice record to keep settings in", "none");
    }
    void command() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, record);
        QFETCH(QString, printed);
        SettingsRecord settings;
        const PracticeSettings before{{3}, true};
        settings.kept["ana"] = before;
        settings.refuses = record == "refuses";
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        arguments.prepend("quintarlow");
        QVERIFY(isPracticeCommand(arguments));
        // The game's own arguments do not start the command.
        for (const QStringList& game :
             {QStringList{"quintarlow"}, {"quintarlow", "-platform", "offscreen"}})
            QVERIFY(!isPracticeCommand(game));
        const int status = runPracticeCommand(
            arguments, record == "none" ? nullptr : &settings,
            {" BO", childOfClass("Tom", "4b"), childOfClass("Tom", "5a")}, outStream, errStream);
        QStringList kept = printed.split(QLatin1Char(' '));
        kept[0].replace('_', QLatin1Char(' ')); // a name as shown, with its class
        if (!status)
            printed = QStringLiteral("%1: --tables %2 --ask-missed %3 --path %4 --seconds %5 "
                                     "--opponent %6\n")
                          .arg(kept[0], kept[1], kept[2], kept[3], kept[4], kept[5]);
        else
            printed.replace("! ", "! quintarlow: ").append('\n');
        QCOMPARE(status ? "! " + err : out + err, printed);
        QVERIFY(!status || settings.kept["ana"] == before);
    }
};

QTEST_GUILESS_MAIN(PracticeCommandTest)
#include "tst_practicecommand.moc"
