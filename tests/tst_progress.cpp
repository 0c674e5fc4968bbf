#include "core/practicetext.h"
#include "fakes.h"
#include "progress/factgridview.h"
#include "progress/progresschart.h"
#include "progress/progresswindow.h"
#include "progress/reportdevices.h"
#include "record/recordtrouble.h"
#include "recordscript.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace quintarlow;
using namespace quintarlow::testing;

namespace {

// Saves where the test says; keeps what it was offered.
class FakeReportDevices final : public ReportDevices {
public:
    QString path;
    QStringList offered;
    QString chooseReportFile(QWidget*, const QString& suggested) override {
        return chooseReportFolder(nullptr, suggested);
    }
    QString chooseReportFolder(QWidget*, const QString& suggested) override {
        return (offered.append(suggested), path);
    }
    bool print(QWidget*, const std::function<bool(QPagedPaintDevice&)>&) override { return false; }
};

// A record of the test's own, with the dialogs and devices a window over it uses.
struct Desk {
    explicit Desk(MemoryRecord kept) : record(std::move(kept)) {}
    MemoryRecord record;
    ScriptedDialogs dialogs;
    FakeReportDevices devices;
    ProgressServices services() { return {record, record, dialogs, devices}; }
};

QString cellName(ProgressWindow& window, int a, int b) {
    QAccessibleInterface* grid =
        QAccessible::queryAccessibleInterface(control<FactGridView>(window, "factGrid"));
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(a - 1, b - 1);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("no cell");
}

// A practice setting's control by what a screen reader calls it: "3" the 3s, "all" all
// tables, "miss" asking again what was missed, "path" the learning path.
QAbstractButton* practiceControl(ProgressWindow& window, const QString& click) {
    const QString name = click == QLatin1String("all")    ? QStringLiteral("All tables")
                         : click == QLatin1String("miss") ? QStringLiteral("Ask again what I miss")
                         : click == QLatin1String("path")
                             ? QStringLiteral("Follow the learning path")
                             : QStringLiteral("The %1s").arg(click);
    for (auto* control : window.findChildren<QAbstractButton*>())
        if (control->accessibleName() == name)
            return control;
    qFatal("no control named %s", qPrintable(name));
}

} // namespace

// The window over a record: what each cell tells a screen reader, the report on paper, and
// what it says and does when there is nothing to show or the record cannot be read.
class ProgressTest : public QObject {
    Q_OBJECT
    OwnSettingsFolder settingsHome; // where the fluency time is remembered

private Q_SLOTS:
    void cellsTellScreenReaders_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("name");
        QTest::newRow("known")
            << "Leo" << 7 << 8
            << "7 times 8: known, usually answered in 2.8 seconds, 5 tries, 4 right, "
               "last 5: right, right, right, wrong, right";
        QTest::newRow("the other order is another fact")
            << "Leo" << 8 << 7 << "8 times 7: not asked yet";
        QTest::newRow("one time-out")
            << "Leo" << 3 << 4 << "3 times 4: missed, 1 try, 0 right, last 1: timed out";
        QTest::newRow("another child's answers")
            << "<b>Zoë</b>" << 7 << 8
            << "7 times 8: missed, usually answered in 9.0 seconds, 3 "
               "tries, 1 right, last 3: wrong, wrong, right";
        QTest::newRow("the class counts children")
            << "" << 7 << 8
            << "7 times 8: missed; children: 1 knows it, 0 learning it, 1 keeps missing it; 8 "
               "tries, 5 right; missing it: <b>Zoë</b>";
    }
    void cellsTellScreenReaders() {
        QFETCH(QString, player);
        Desk desk{twoChildren()};
        ProgressWindow window(desk.services());
        QCOMPARE(window.shownPlayer(), QStringLiteral("<b>Zoë</b>")); // played last
        window.showPlayer(player);
        QFETCH(int, a);
        QFETCH(int, b);
        QTEST(cellName(window, a, b), "name");
        const auto* grid = control<FactGridView>(window, "factGrid")->model();
        QCOMPARE(grid->index(a - 1, b - 1).data(Qt::ToolTipRole).toString(),
                 cellName(window, a, b));
    }

    void reportIsOnePageNamingPlayerAndWeakestFact() {
        Desk desk{twoChildren()};
        auto& [record, dialogs, devices] = desk;
        QTemporaryDir folder;
        devices.path = folder.filePath(QStringLiteral("report.pdf"));
        record.setPracticeSettings(QStringLiteral("<b>Zoë</b>"), {{3, 4}, true});
        record.alone[QStringLiteral("<b>Zoë</b>")] = {3, 2};
        ProgressWindow window(desk.services());
        QVERIFY(
            summaryLine(window.reportPage())
                .endsWith(QStringLiteral(" Played alone against the computer: 3 games, 2 won.")));
        control(window, "saveButton")->click();
        QVERIFY2(dialogs.asked.isEmpty(), qPrintable(dialogs.asked.join(QLatin1Char('\n'))));
        QCOMPARE(devices.offered.size(), 1);
        QVERIFY(devices.offered[0].endsWith(QStringLiteral("Practice Record - <b>Zoë<-b>.pdf")));

        const auto output = [](const QString& program, const QStringList& arguments) {
            QProcess run;
            run.start(program, arguments);
            return run.waitForFinished() ? QString::fromUtf8(run.readAllStandardOutput())
                                         : QString();
        };
        QVERIFY(output("pdfinfo", {devices.path}).contains("Pages:           1\n"));
        const QString page = output("pdftotext", {"-layout", devices.path, "-"});
        for (const char* expected :
             {"<b>Zoë</b>", "7 × 8 = 56: missed 2 of the last 3", "1 December 2026",
              "Knows 1 of 144 facts. 5 answers since the first game, 60 % right.",
              "Practise 7 × 8. Played alone against the computer: 3 games, 2 won.",
              "Day by day, since the first game",
              "Practising the 3s and 4s; missed facts asked again.",
              "Known: right within 6 s in 2 of the last 3 tries. Usually: the middle time of right "
              "answers."})
            QVERIFY2(page.simplified().contains(QString::fromUtf8(expected)), qPrintable(page));

        // A folder that is not there: the user is told, and no file appears.
        devices.path = folder.filePath(QStringLiteral("gone/report.pdf"));
        control(window, "saveButton")->click();
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].startsWith(
            QStringLiteral("Save Report: The report could not be saved")));
        QVERIFY(!QFile::exists(devices.path));
    }

    void practiceSettingsAreSavedForTheChosenPlayer_data() {
        QTest::addColumn<QString>("player");
        // Tables by number, "all", "miss", "path", "40s", the computer's level by its word.
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<bool>("recordFails");
        // Kept and shown: tables, missed facts asked again, the path, time, the computer.
        QTest::addColumn<QString>("kept");
        const auto row = [](const char* name, const char* player, const char* clicks,
                            bool recordFails, const char* kept) {
            QTest::newRow(name) << QString::fromUtf8(player) << QString::fromLatin1(clicks)
                                << recordFails << QString::fromLatin1(kept);
        };
        row("two tables", "Leo", "3 4", false, "3,4 - - 20 Level");
        row("a table chosen and left again", "Leo", "3 4 3", false, "4 - - 20 Level");
        row("missed facts", "Leo", "miss", false, "all miss - 20 Level");
        row("back to all tables", "Leo", "3 miss all", false, "all miss - 20 Level");
        row("back to the default", "Leo", "3 all", false, "all - - 20 Level");
        row("every table is all tables", "Leo", "1 2 3 4 5 6 7 8 9 10 11 12", false,
            "all - - 20 Level");
        row("the path over two tables", "Leo", "path 3 4", false, "3,4 - path 20 Level");
        row("the path asks missed facts itself", "Leo", "path miss", false, "all - path 20 Level");
        row("more time", "Leo", "45s", false, "all - - 45 Level");
        row("the most time", "Leo", "90s", false, "all - - 90 Level");
        row("a hard computer", "Leo", "Hard", false, "all - - 20 Hard");
        row("the class has none", "", "3 miss path 40s Easy", false, "all - - 20 Level");
        row("record cannot be changed", "Leo", "Easy", true, "all - - 20 Level");
        row("time not kept", "Leo", "40s", true, "all - - 20 Level");
    }
    void practiceSettingsAreSavedForTheChosenPlayer() {
        QFETCH(QString, player);
        QFETCH(bool, recordFails);
        Desk desk{twoChildren()};
        auto& [record, dialogs, devices] = desk;
        ProgressWindow window(desk.services());
        window.showPlayer(player);
        if (recordFails)
            record.failure = QStringLiteral("attempt to write a readonly database");
        auto* time = window.findChild<QSpinBox*>();
        QCOMPARE(time->accessibleName(), QStringLiteral("Time to answer"));
        const auto boxes = window.findChildren<QComboBox*>();
        QComboBox* opponentBox = *std::ranges::find(boxes, QStringLiteral("The computer plays"),
                                                    &QComboBox::accessibleName);
        QFETCH(QString, clicks);
        for (const QString& click : clicks.split(QLatin1Char(' '))) {
            if (click.front().isUpper()) {
                QTest::keyClicks(opponentBox, click.left(1));
                continue;
            }
            if (!click.front().isDigit() || !click.endsWith(QLatin1Char('s'))) {
                practiceControl(window, click)->click();
                continue;
            }
            // Typed as a parent types it: each digit on the way is not a time of its own.
            time->selectAll();
            QTest::keyClicks(time, click.chopped(1));
            QTest::keyClick(time, Qt::Key_Return);
        }
        QCOMPARE(dialogs.asked.size(), recordFails ? 1 : 0);
        record.failure.clear();
        QCOMPARE(practiceControl(window, QStringLiteral("3"))->isEnabled(), !player.isEmpty());

        const auto words = [](const std::vector<int>& tables, bool askMissed, bool path,
                              int seconds, int opponent) {
            return QStringList{tablesText(tables), askMissed ? "miss" : "-", path ? "path" : "-",
                               QString::number(seconds),
                               QStringList{"Easy", "Level", "Hard"}[opponent]}
                .join(QLatin1Char(' '));
        };
        QFETCH(QString, kept);
        const PracticeSettings saved = record.practiceSettings(player);
        QCOMPARE(words(saved.tables, saved.askMissed, saved.path, saved.answerSeconds,
                       int(saved.opponent)),
                 kept);
        // What the window shows is what the record holds, pressed buttons and all.
        std::vector<int> pressed;
        for (int table = 1; table <= FactorCount; ++table)
            if (practiceControl(window, QString::number(table))->isChecked())
                pressed.push_back(table);
        QCOMPARE(words(pressed, practiceControl(window, QStringLiteral("miss"))->isChecked(),
                       practiceControl(window, QStringLiteral("path"))->isChecked(), time->value(),
                       opponentBox->currentIndex()),
                 kept);
        // Only the chosen player is starred, and only while they have settings.
        const auto* names = control<QTableView>(window, "players")->model();
        for (int row = 0; row < names->rowCount(); ++row) {
            const QModelIndex name = names->index(row, 0);
            const bool starred = !name.data(Qt::DecorationRole).isNull();
            QCOMPARE(starred,
                     !player.isEmpty() && name.data().toString() == player && !saved.isDefault());
        }
    }

    void forgetAsksFirst() {
        Desk desk{twoChildren()};
        auto& [record, dialogs, devices] = desk;
        dialogs.answers = {false, true};
        ProgressWindow window(desk.services());
        window.showPlayer(QStringLiteral("Leo"));
        control(window, "forgetButton")->click();
        QVERIFY(record.forgotten.isEmpty());
        control(window, "forgetButton")->click();
        QCOMPARE(record.forgotten, QStringList{QStringLiteral("Leo")});
        QCOMPARE(dialogs.asked.size(), 2);
        // Enter must not delete a child's record: No is the default, and what goes is named.
        QVERIFY2(dialogs.asked[0].startsWith(QStringLiteral(
                     "Forget Player (No by default): Forget Leo? All 6 answers that Leo gave")),
                 qPrintable(dialogs.asked[0]));
        // The list is read again: the one left is shown.
        QCOMPARE(window.shownPlayer(), QStringLiteral("<b>Zoë</b>"));
        QCOMPARE(record.players().size(), 1u);
    }

    // The fluency time chosen colours the grid at once and is the next window's.
    void fluencyTimeIsRemembered() {
        Desk desk{twoChildren()};
        for (const int chosen : {3000, DefaultFluencyMs}) {
            ProgressWindow window(desk.services());
            auto* chooser = control<QComboBox>(window, "fluency");
            QCOMPARE(chooser->currentData(), chosen == 3000 ? DefaultFluencyMs : 3000);
            window.showPlayer(QStringLiteral("Leo"));
            chooser->setCurrentIndex(chooser->findData(chosen));
            QCOMPARE(cellName(window, 7, 8).startsWith(QStringLiteral("7 times 8: right but slow")),
                     chosen == 3000);
        }
    }

    // The list shows each child's line in its columns, starts with who needs help most and
    // keeps the sort chosen for the next time.
    void theListShowsTheLines() {
        Desk desk{annAndBen()};
        std::optional<ProgressWindow> window;
        const auto row = [&window](int at) {
            const auto* list = control<QTableView>(*window, "players")->model();
            QStringList cells;
            for (int column = 0; column < 9; ++column)
                cells.append(list->index(at, column).data().toString());
            return cells.join(QLatin1Char(' '));
        };
        window.emplace(desk.services());
        window->readEveryone();
        const QString practise = QStringLiteral("2 × 3, 4 × 5, 6 × 7 ");
        const QString ann = "Ann 9 0 % 3 too few to tell 0 – " + practise + "not played";
        QCOMPARE(row(0) + " / " + row(1),
                 "Class 11 9 % 3 too few to tell 0 0.9 s " + practise + "– / " + ann);
        // The lowest share right first: not the order the list opens in.
        control<QTableView>(*window, "players")->sortByColumn(2, Qt::AscendingOrder);
        window.emplace(desk.services());
        window->readEveryone();
        QCOMPARE(row(1) + " / " + row(2),
                 ann + " / Ben 2 50 % 0 too few to tell 0 0.9 s 8 × 9 too soon");
        control<QTableView>(*window, "players")
            ->sortByColumn(3, Qt::DescendingOrder); // as at first
    }

    // On a netbook's 1024 x 600, less a panel, the window fits in every language the game ships,
    // and each button, one-line label and list shows its whole text: none squeezed below it.
    void captionsFitANetbook_data() { addLanguageRows(); }
    void captionsFitANetbook() {
        QFETCH(QString, language);
        const InLanguage translation(language);
        QVERIFY(translation.loaded);
        Desk desk{annAndBen()};
        ProgressWindow window(desk.services());
        (window.resize(1024, 568), window.show(), window.readEveryone());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size().boundedTo({1024, 568}), window.size());
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const QString text = widget->property("text").toString().remove('&');
            // A fixed width is the style's to pad: the text alone must fit it.
            const int needed = widget->minimumWidth() == widget->maximumWidth()
                                   ? widget->fontMetrics().horizontalAdvance(text)
                                   : widget->minimumSizeHint().width();
            if (widget->isVisibleTo(&window) && (label ? !label->wordWrap()
                                                       : qobject_cast<QAbstractButton*>(widget) ||
                                                             qobject_cast<QComboBox*>(widget)))
                QVERIFY2(widget->width() >= needed, qPrintable(widget->objectName() + text));
        }
    }

    // Which days of the chart get a label: level labels that fit, the last day always.
    void dayLabels_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("labelled");
        QTest::newRow("room for every day") << 4 << 400 << QList<int>{0, 1, 2, 3};
        QTest::newRow("every other day") << 10 << 384 << QList<int>{0, 2, 4, 6, 9};
        QTest::newRow("the last day not crowded") << 7 << 256 << QList<int>{0, 3, 6};
        QTest::newRow("a narrow chart keeps both ends") << 30 << 60 << QList<int>{0, 29};
        QTest::newRow("no days") << 0 << 400 << QList<int>{};
    }
    void dayLabels() {
        QFETCH(int, days);
        QFETCH(int, width);
        const std::vector<int> labelled = labelledDays(days, width);
        QTEST(QList<int>(labelled.begin(), labelled.end()), "labelled");
    }

    // A record the game could not write: said once on the desktop, and on the window's line
    // until the record opens fine again.
    void unwrittenRecordIsSaid() {
        QStringList shown; // on the desktop
        RecordTrouble trouble(
            [&shown](const QString&, const QString& body) { shown.append(body); });
        const QDateTime at(QDate(2026, 12, 7), QTime(10, 14));
        trouble.cannotWrite(QStringLiteral("database or disk is full"), at);
        trouble.cannotWrite(QStringLiteral("database or disk is full"), at.addSecs(60));
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith("On 7 December 2026 at 10:14 the game could not write the "
                                     "practice record (database or disk is full)"),
                 qPrintable(shown[0]));
        Desk desk{twoChildren()};
        {
            ProgressWindow window(desk.services());
            const auto labels = window.findChildren<QLabel*>();
            QVERIFY(std::ranges::any_of(labels, [&window](const QLabel* label) {
                return label->isVisibleTo(&window) && label->text() == RecordTrouble::lastTrouble();
            }));
        }
        trouble.recordOpened();
        QVERIFY(RecordTrouble::lastTrouble().isEmpty());
    }

    void nothingToShow_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("notice");
        QTest::newRow("nobody has played") << ""
                                           << "Nobody has played yet.";
        QTest::newRow("record cannot be read")
            << "database disk image is malformed"
            << "The practice record could not be read, so there is nothing to show. Nothing in it "
               "was changed or deleted. Start the game once.\n\ndatabase disk image is malformed";
    }
    void nothingToShow() {
        QFETCH(QString, failure);
        Desk desk{failure.isEmpty() ? MemoryRecord() : twoChildren()};
        MemoryRecord& record = desk.record;
        record.failure = failure;
        record.advice = failure.isEmpty() ? QString() : QStringLiteral("Start the game once.");
        const auto kept = record.rows.size();
        ProgressWindow window(desk.services());
        QTEST(control<QLabel>(window, "notice")->text().left(failure.isEmpty() ? 22 : 1000),
              "notice");
        QVERIFY(!control<FactGridView>(window, "factGrid")->isVisibleTo(&window));
        for (const char* name : {"forgetButton", "saveButton", "saveAllButton", "printButton"})
            QVERIFY(!control(window, name)->isEnabled());
        QCOMPARE(record.rows.size(), kept);
    }
};

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"
