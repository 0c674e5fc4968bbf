#include "app/practicecommand.h"
#include "record/recordreader.h"

#include <QTest>
#include <QTextStream>
#include <map>

using namespace quintarlow;
Q_DECLARE_METATYPE(quintarlow::PracticeSettings)

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
        QTest::addColumn<QStringList>("arguments");  // after the program's name
        QTest::addColumn<QString>("record");         // "keeps", "refuses" or "none"
        QTest::addColumn<QString>("printed");        // stdout, or "! " and stderr
        QTest::addColumn<PracticeSettings>("after"); // Ana had the 3s, missed facts on
        const PracticeSettings before{{3}, true};
        const auto row = [](const char* name, const QStringList& arguments, const char* printed,
                            const PracticeSettings& after, const char* record = "keeps") {
            QTest::newRow(name) << arguments << record << printed << after;
        };
        row("print", {"--practice", "Ana"},
            "Ana: --tables 3 --ask-missed on --path off --seconds 20\n", before);
        row("set both", {"--practice", " ana ", "--tables", "6, 4", "--ask-missed", "OFF"},
            "ana: --tables 4,6 --ask-missed off --path off --seconds 20\n", {{4, 6}, false});
        row("tables alone", {"--practice", "Ana", "--tables", "all"},
            "Ana: --tables all --ask-missed on --path off --seconds 20\n", {{}, true});
        row("ask-missed alone", {"--practice=Ana", "--ask-missed", "off"},
            "Ana: --tables 3 --ask-missed off --path off --seconds 20\n", {{3}, false});
        row("path and seconds", {"--practice", "Ana", "--path", "on", "--seconds", " 90"},
            "Ana: --tables 3 --ask-missed on --path on --seconds 90\n", {{3}, true, true, 90});
        row("seconds alone", {"--seconds", "40", "--practice", "Ana"},
            "Ana: --tables 3 --ask-missed on --path off --seconds 40\n", {{3}, true, false, 40});
        row("too few seconds", {"--practice", "Ana", "--seconds", "19"},
            "! quintarlow: --seconds takes a number from 20 to 90, not \"19\"\n", before);
        row("too many seconds", {"--practice", "Ana", "--seconds", "91"},
            "! quintarlow: --seconds takes a number from 20 to 90, not \"91\"\n", before);
        row("bad path", {"--practice", "Ana", "--path", "yes"},
            "! quintarlow: --path takes on or off, not \"yes\"\n", before);
        row("bad list", {"--practice", "Ana", "--tables", "3,13"},
            "! quintarlow: --tables: \"13\" is not a table from 1 to 12\n", before);
        row("bad switch", {"--practice", "Ana", "--ask-missed", "yes"},
            "! quintarlow: --ask-missed takes on or off, not \"yes\"\n", before);
        row("no name", {"--tables", "3"},
            "! quintarlow: --tables, --ask-missed, --path and --seconds need --practice NAME\n",
            before);
        row("blank name", {"--practice", " ", "--tables", "3"},
            "! quintarlow: --practice needs a player's name\n", before);
        row("misspelt option", {"--practice", "Ana", "--tabels", "3"},
            "! quintarlow: Unknown option 'tabels'.\n", before);
        row("record refuses", {"--practice", "Ana", "--tables", "4"},
            "! quintarlow: could not keep the practice settings of Ana\n", before, "refuses");
        row("no record", {"--practice", "Ana"},
            "! quintarlow: no practice record to keep settings in\n", before, "none");
    }
    void command() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, record);
        QFETCH(QString, printed);
        QFETCH(PracticeSettings, after);
        SettingsRecord settings;
        settings.kept[QStringLiteral("ana")] = {{3}, true};
        settings.refuses = record == QLatin1String("refuses");
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        arguments.prepend(QStringLiteral("quintarlow"));
        QVERIFY(isPracticeCommand(arguments));
        const int status = runPracticeCommand(
            arguments, record == QLatin1String("none") ? nullptr : &settings, outStream, errStream);
        QCOMPARE(status ? QLatin1String("! ") + err : out + err, printed);
        QCOMPARE(status, printed.startsWith(QLatin1String("! ")) ? 1 : 0);
        QCOMPARE(settings.kept[QStringLiteral("ana")], after);
    }

    // The game's own arguments do not start the command.
    void gameArgumentsAreNoCommand() {
        QVERIFY(!isPracticeCommand({QStringLiteral("quintarlow")}));
        QVERIFY(!isPracticeCommand({QStringLiteral("quintarlow"), QStringLiteral("-platform"),
                                    QStringLiteral("offscreen")}));
    }
};

QTEST_GUILESS_MAIN(PracticeCommandTest)
#include "tst_practicecommand.moc"
