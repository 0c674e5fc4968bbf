// The progress window over a made-up record (bench/historygenerator.h). Not a test: it prints
// figures and judges nothing.
//   quintarlow_benchprogress speed [PLAYERS ANSWERS]  window up, player switches, memory
//   quintarlow_benchprogress show [PLAYERS ANSWERS DAYS] the window, to look at, until closed
//   quintarlow_benchprogress report FILE [PLAYERS ANSWERS DAYS]  the first player's PDF report
//   quintarlow_benchprogress csv FILE [PLAYERS ANSWERS]  the record in the export's format
//   quintarlow_benchprogress kept FOLDER                the same speed over a kept record
#include "historygenerator.h"
#include "media/desktopservices.h"
#include "progress/factgridview.h"
#include "progress/progresswindow.h"
#include "progress/reportdevices.h"
#include "record/memoryrecord.h"
#include "record/recordcsv.h"
#include "record/sqliterecord.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTableView>

#include <chrono>
#include <cstdio>

using namespace quintarlow;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(static_cast<int>(qstrlen(field)))
                .trimmed()
                .split(' ')
                .value(0)
                .toLong();
    return -1;
}

// Sees the window's first paint, so "up" means drawn, not only created.
class PaintWatch final : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

HistoryOptions optionsFrom(const QStringList& args, int from) {
    HistoryOptions options;
    if (args.size() > from)
        options.players = args[from].toInt();
    if (args.size() > from + 1)
        options.answers = args[from + 1].toInt();
    if (args.size() > from + 2)
        options.days = args[from + 2].toInt();
    return options;
}

template <typename Record> int speed(Record& record, long bareKb, long recordKb) {
    MessageBoxDialogs dialogs;
    DesktopReportDevices devices;

    // What the record itself takes to list the players and read the first one's
    // answers, the part of the start-up a real record does in its own way.
    const auto readStart = Clock::now();
    const QString first = record.players().front().name;
    record.factAnswers(first);
    std::printf("record_read_ms=%.1f\n", msSince(readStart));

    const auto start = Clock::now();
    ProgressWindow window({record, record, dialogs, devices});
    std::printf("created_ms=%.1f\n", msSince(start));
    PaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("up_ms=%.1f\n", msSince(start));

    const long upKb = statusKb("VmRSS:");

    // What the window reads once it is up: every player's answers, for the list's columns of
    // who needs help and the class view.
    const auto everyoneStart = Clock::now();
    window.readEveryone();
    std::printf("everyone_ms=%.1f\n", msSince(everyoneStart));

    // Each player in turn and then the class, each shown and the window drawn again.
    QStringList names;
    for (const PlayerSummary& summary : record.players())
        names.append(summary.name);
    names.append(QString());
    for (const QString& name : names) {
        const auto switchStart = Clock::now();
        window.showPlayer(name);
        window.repaint();
        std::printf("switch_ms=%.2f%s\n", msSince(switchStart), name.isEmpty() ? " class=1" : "");
    }
    std::printf("rss_bare_kb=%ld rss_record_kb=%ld rss_up_kb=%ld rss_end_kb=%ld hwm_kb=%ld\n",
                bareKb, recordKb, upKb, statusKb("VmRSS:"), statusKb("VmHWM:"));
    return 0;
}

int speedInMemory(const HistoryOptions& options) {
    const long bareKb = statusKb("VmRSS:");
    MemoryRecord record(generateHistory(options));
    return speed(record, bareKb, statusKb("VmRSS:"));
}

// The kept record in FOLDER, as `quintarlow --progress` opens it.
int speedKept(const QString& folder) {
    const long bareKb = statusKb("VmRSS:");
    QString error;
    const auto openStart = Clock::now();
    const auto record = SqliteRecord::open(folder, &error, SqliteRecord::Damaged::Refuse);
    std::printf("open_ms=%.1f\n", msSince(openStart));
    if (!record) {
        std::fprintf(stderr, "benchprogress: %s\n", qPrintable(error));
        return 1;
    }
    return speed(*record, bareKb, statusKb("VmRSS:"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("kept") && args.size() > 2)
        return speedKept(args[2]);
    if (mode == QLatin1String("speed"))
        return speedInMemory(optionsFrom(args, 2));
    if (mode == QLatin1String("show")) {
        MemoryRecord record(generateHistory(optionsFrom(args, 2)));
        // One player practises some tables of their own, so the list shows its mark.
        record.setPracticeSettings(record.rows.front().player, {{6, 7, 8}, true});
        MessageBoxDialogs dialogs;
        DesktopReportDevices devices;
        return runProgressWindow(record, record, dialogs, devices);
    }
    if (mode == QLatin1String("report") && args.size() > 2) {
        MemoryRecord record(generateHistory(optionsFrom(args, 3)));
        MessageBoxDialogs dialogs;
        DesktopReportDevices devices;
        const ProgressWindow window({record, record, dialogs, devices});
        const QString failure = saveReport(args[2], window.reportPage());
        if (!failure.isEmpty())
            std::fprintf(stderr, "report: %s\n", qPrintable(failure));
        return failure.isEmpty() ? 0 : 1;
    }
    if (mode == QLatin1String("csv") && args.size() > 2) {
        QSaveFile file(args[2]);
        const QByteArray csv = answersToCsv(generateHistory(optionsFrom(args, 3)));
        const bool written =
            file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit();
        if (!written)
            std::fprintf(stderr, "csv: %s\n", qPrintable(file.errorString()));
        return written ? 0 : 1;
    }
    std::fprintf(stderr, "usage: quintarlow_benchprogress speed|show|report FILE|csv FILE "
                         "[PLAYERS ANSWERS DAYS]\n");
    return 2;
}
