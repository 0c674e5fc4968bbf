#include "app/practicecommand.h"
#include "record/recordreader.h"

#include <QTest>
#include <QTextStream>
#include <map>

using namespace quintarlow;
Q_DECLARE_METATYPE(quintarlow::PracticeSettings)

namespace {

// Keeps practice settings in memory, by name trimmed and ignoring case, or refuses to keep.
class SettingsRecord final : public RecordReader {
public:
    std::map<QString, PracticeSettings> kept;
    bool refuses = false;

    std::vector<PlayerSummary> players() override { return {}; }
    std::vector<AnswerRow> answers(const QString&) override { return {}; }
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
        QTest::addColumn<PracticeSettings>("before");
        QTest::addColumn<QString>("printed"); // stdout, or "! " and stderr
        QTest::addColumn<PracticeSettings>("after");
        const PracticeSettings threes{{3}, false};
        const PracticeSettings missed{{}, true};
        QTest::newRow("print") << QStringList{"--practice", "Ana"} << "keeps" << threes
                               << "Ana: --tables 3 --ask-missed off\n"
                               << threes;
        QTest::newRow("set both") << QStringList{"--practice", " ana ",        "--tables",
                                                 "4, 3",       "--ask-missed", "ON"}
                                  << "keeps" << PracticeSettings{}
                                  << "ana: --tables 3,4 --ask-missed on\n"
                                  << PracticeSettings{{3, 4}, true};
        QTest::newRow("tables alone") << QStringList{"--practice", "Ana", "--tables", "6"}
                                      << "keeps" << missed << "Ana: --tables 6 --ask-missed on\n"
                                      << PracticeSettings{{6}, true};
        QTest::newRow("ask-missed alone")
            << QStringList{"--practice=Ana", "--ask-missed", "on"} << "keeps" << threes
            << "Ana: --tables 3 --ask-missed on\n"
            << PracticeSettings{{3}, true};
        QTest::newRow("all tables")
            << QStringList{"--practice", "Ana", "--tables", "all"} << "keeps"
            << PracticeSettings{{3}, true} << "Ana: --tables all --ask-missed on\n"
            << missed;
        QTest::newRow("bad list") << QStringList{"--practice", "Ana", "--tables", "3,13"} << "keeps"
                                  << threes
                                  << "! quintarlow: --tables: \"13\" is not a table from 1 to 12\n"
                                  << threes;
        QTest::newRow("bad switch")
            << QStringList{"--practice", "Ana", "--ask-missed", "yes"} << "keeps" << threes
            << "! quintarlow: --ask-missed takes on or off, not \"yes\"\n"
            << threes;
        QTest::newRow("no name") << QStringList{"--tables", "3"} << "keeps" << threes
                                 << "! quintarlow: --tables and --ask-missed need --practice NAME\n"
                                 << threes;
        QTest::newRow("blank name") << QStringList{"--practice", " ", "--tables", "3"} << "keeps"
                                    << threes << "! quintarlow: --practice needs a player's name\n"
                                    << threes;
        QTest::newRow("misspelt option")
            << QStringList{"--practice", "Ana", "--tabels", "3"} << "keeps" << threes
            << "! quintarlow: Unknown option 'tabels'.\n"
            << threes;
        QTest::newRow("record refuses")
            << QStringList{"--practice", "Ana", "--tables", "4"} << "refuses" << threes
            << "! quintarlow: could not keep the practice settings of Ana\n"
            << threes;
        QTest::newRow("no record") << QStringList{"--practice", "Ana"} << "none" << threes
                                   << "! quintarlow: no practice record to keep settings in\n"
                                   << threes;
    }
    void command() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, record);
        QFETCH(PracticeSettings, before);
        QFETCH(QString, printed);
        QFETCH(PracticeSettings, after);
        SettingsRecord settings;
        settings.kept[QStringLiteral("ana")] = before;
        settings.refuses = record == QLatin1String("refuses");
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        arguments.prepend(QStringLiteral("quintarlow"));
        QVERIFY(isPracticeCommand(arguments));
        const int status = runPracticeCommand(
            arguments, record == QLatin1String("none") ? nullptr : &settings, outStream, errStream);
        QCOMPARE(status, printed.startsWith(QLatin1String("! ")) ? 1 : 0);
        QCOMPARE(status ? QLatin1String("! ") + err : out + err, printed);
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
