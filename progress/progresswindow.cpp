#include "progress/progresswindow.h"

#include "core/learningpath.h"
#include "core/movingon.h"
#include "core/playernames.h"
#include "media/dialogs.h"
#include "progress/factcell.h"
#include "progress/factgridview.h"
#include "progress/playerlist.h"
#include "progress/practiceeditor.h"
#include "progress/progresschart.h"
#include "progress/progresskit.h"
#include "progress/reportdevices.h"
#include "record/recordtrouble.h"
#include "widgets/fonts.h"
#include "widgets/screenwindow.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace quintarlow {

namespace {

// A status swatch beside its words in the legend.
class Swatch final : public QWidget {
public:
    Swatch(FactStatus status, QWidget* parent) : QWidget(parent), status(status) {
        setFixedSize(22, 22);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintStatusSwatch(painter, rect(), status);
    }

private:
    FactStatus status;
};

// Where a child on the learning path stands, as the window tells it.
// `known` is the grid's, so that the panel and the green cells never disagree.
QString pathWords(const PathSummary& path, int known) {
    constexpr int NamedDue = 8; // the panel keeps its height: see makeRightPanel
    QStringList lines{ProgressWindow::tr("Knows %1 of 144 facts; %2 being learned, %3 new.")
                          .arg(known)
                          .arg(path.learning)
                          .arg(path.fresh)};
    lines.append(path.currentTable == 0 ? ProgressWindow::tr("Every table of the path is learned.")
                 : path.nextTable == 0
                     ? ProgressWindow::tr("Learning the %1s, the last table of the path.")
                           .arg(path.currentTable)
                     : ProgressWindow::tr("Learning the %1s; the %2s come next.")
                           .arg(path.currentTable)
                           .arg(path.nextTable));
    lines.append(path.due.empty() ? ProgressWindow::tr("Nothing to practise again today.")
                                  : ProgressWindow::tr("To practise again today: %1.")
                                        .arg(factsText(path.due, NamedDue)));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

ProgressWindow::ProgressWindow(ProgressServices services, QWidget* parent)
    : QWidget(parent), services(services), model(services.reader, services.editor) {
    setWindowTitle(ProgressWindow::tr("Practice Record"));
    setObjectName(QStringLiteral("progress"));
    setFont(gameFont(Face::Arial, 10));
    QPalette cheerful = palette();
    cheerful.setColor(QPalette::Window, QColor(255, 250, 205));
    setPalette(cheerful);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->addLayout(makeTopRow());
    troubleLabel = plainLabel(this);
    troubleLabel->setFont(gameFont(Face::Arial, 10, Bold));
    troubleLabel->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(troubleLabel);
    layout->addWidget(makePages(), 1);
    connectControls();
    nameControls({{periodChooser, "period"},
                  {termStartEdit, "termStart"},
                  {fluencyChooser, "fluency"},
                  {noticeLabel, "notice"},
                  {gridView, "factGrid"},
                  {movingOnLabel, "movingOn"},
                  {saveButton, "saveButton"},
                  {saveAllButton, "saveAllButton"},
                  {printButton, "printButton"},
                  {forgetButton, "forgetButton"}});
    connect(practiceEditor, &PracticeEditor::saved, this, &ProgressWindow::practiceSaved);
    // Most of the screen it opens on, from a netbook's 1024 x 600 (where the frame and a panel
    // must fit as well) to a desktop's, where a fixed small window leaves the grid tiny.
    const QSize screenRoom = screen()->availableGeometry().size();
    resize((screenRoom * 0.85)
               .boundedTo(QSize(1600, 1000))
               .expandedTo(QSize(1024, 600))
               .boundedTo(screenRoom - QSize(0, 32)));
    reload();
}

QLayout* ProgressWindow::makeTopRow() {
    auto* top = new QHBoxLayout;
    auto* title = new QLabel(ProgressWindow::tr("Practice Record"), this);
    title->setFont(gameFont(Face::ComicSans, 20, Bold));
    title->setStyleSheet(QStringLiteral("color: #0000c0;"));
    top->addWidget(title);
    top->addStretch();
    addPeriodChoice(*top);
    top->addSpacing(12);
    addFluencyChoice(*top);
    return top;
}

void ProgressWindow::addPeriodChoice(QBoxLayout& row) {
    auto* periodLabel = new QLabel(ProgressWindow::tr("&Show"), this);
    periodChooser = new QComboBox(this);
    for (Period each : Periods)
        periodChooser->addItem(periodName(each), static_cast<int>(each));
    periodChooser->setCurrentIndex(periodChooser->findData(static_cast<int>(model.period())));
    periodLabel->setBuddy(periodChooser);
    periodChooser->setAccessibleName(ProgressWindow::tr("Show"));
    row.addWidget(periodLabel);
    row.addWidget(periodChooser);
    termStartEdit = new QDateEdit(model.termStart(), this);
    termStartEdit->setDisplayFormat(tr("d MMM yyyy", "a date's format"));
    termStartEdit->setCalendarPopup(true);
    termStartEdit->setMaximumDate(model.today());
    termStartEdit->setAccessibleName(ProgressWindow::tr("The term began on"));
    termStartEdit->setToolTip(ProgressWindow::tr("The day this term began"));
    termStartEdit->setVisible(model.period() == Period::ThisTerm);
    row.addWidget(termStartEdit);
}

void ProgressWindow::addFluencyChoice(QBoxLayout& row) {
    auto* fluencyLabel = new QLabel(ProgressWindow::tr("&Known when right within"), this);
    fluencyChooser = new QComboBox(this);
    for (int ms : FluencyChoicesMs)
        fluencyChooser->addItem(ProgressWindow::tr("%1 seconds").arg(ms / 1000), ms);
    fluencyChooser->setCurrentIndex(fluencyChooser->findData(model.fluencyMs()));
    fluencyLabel->setBuddy(fluencyChooser);
    fluencyChooser->setAccessibleName(ProgressWindow::tr("Known when right within"));
    row.addWidget(fluencyLabel);
    row.addWidget(fluencyChooser);
}

QWidget* ProgressWindow::makePages() {
    pages = new QStackedWidget(this);
    auto* content = new QWidget(pages);
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    // The right column as wide as the chart's two axes and legend need.
    columns->addWidget(makeSidePanel(), 34);
    columns->addWidget(makeGridPanel(), 36);
    // The column with the most words scrolls where a small screen cannot hold them all (the
    // class's facts most missed name their children), rather than squeeze its parts over
    // each other.
    auto* scroller = new QScrollArea(content);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(makeRightPanel());
    columns->addWidget(scroller, 30);
    pages->addWidget(content);
    noticeLabel = plainLabel(pages);
    noticeLabel->setAlignment(Qt::AlignCenter);
    noticeLabel->setFont(gameFont(Face::ComicSans, 16, Bold));
    noticeLabel->setStyleSheet(QStringLiteral("color: #0000c0;"));
    noticeLabel->setMargin(40);
    pages->addWidget(noticeLabel);
    return pages;
}

void ProgressWindow::connectControls() {
    connect(periodChooser, &QComboBox::currentIndexChanged, this, [this](int index) {
        setPeriod(static_cast<Period>(periodChooser->itemData(index).toInt()));
    });
    connect(termStartEdit, &QDateEdit::dateChanged, this, [this](QDate start) {
        model.setTermStart(start);
        showEveryone();
        redraw();
    });
    connect(fluencyChooser, &QComboBox::currentIndexChanged, this,
            [this](int index) { setFluencyMs(fluencyChooser->itemData(index).toInt()); });
    connect(saveButton, &QPushButton::clicked, this, &ProgressWindow::saveReportAsked);
    connect(saveAllButton, &QPushButton::clicked, this, &ProgressWindow::saveAllReportsAsked);
    connect(printButton, &QPushButton::clicked, this, &ProgressWindow::printAsked);
    connect(forgetButton, &QPushButton::clicked, this, &ProgressWindow::forgetAsked);
    connect(players, &PlayerList::chosen, this, &ProgressWindow::showPlayer);
}

ProgressWindow::~ProgressWindow() = default;

QWidget* ProgressWindow::makeSidePanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    players = new PlayerList(panel);
    layout->addWidget(players, 1);
    practiceEditor = new PracticeEditor(services.editor, services.dialogs, panel);
    layout->addWidget(practiceEditor);
    auto* buttons = new QHBoxLayout;
    saveButton = button(ProgressWindow::tr("&Save Report…"), panel);
    saveAllButton = button(ProgressWindow::tr("Save A&ll…"), panel);
    saveAllButton->setToolTip(
        ProgressWindow::tr("Every player's report and the class's, each a PDF "
                           "of its own in one folder"));
    printButton = button(ProgressWindow::tr("P&rint…"), panel);
    forgetButton = button(ProgressWindow::tr("&Forget player…"), panel);
    buttons->addWidget(saveButton);
    buttons->addWidget(saveAllButton);
    buttons->addWidget(printButton);
    buttons->addWidget(forgetButton);
    layout->addLayout(buttons);
    return panel;
}

QWidget* ProgressWindow::makeGridPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2); // a netbook's 600 lines hold the whole column
    gridTitle = heading({}, panel);
    gridTitle->setTextFormat(Qt::PlainText);
    layout->addWidget(gridTitle);
    summary = plainLabel(panel);
    summary->setFont(gameFont(Face::Arial, 9, Bold));
    layout->addWidget(summary);
    gridView = new FactGridView(panel);
    gridView->setMinimumSize(250, 250); // room below it for the legend on a 600-line screen
    layout->addWidget(gridView, 1);
    auto* legend = new QGridLayout;
    legend->setHorizontalSpacing(6);
    legend->setVerticalSpacing(2);
    const auto entries = legendEntries(model.fluencyMs());
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        auto* words = plainLabel(panel);
        words->setObjectName(QStringLiteral("legend%1").arg(i));
        words->setText(entries[i].words);
        words->setFont(gameFont(Face::Arial, 8.5));
        legend->addWidget(new Swatch(entries[i].status, panel), i / 2, (i % 2) * 2);
        legend->addWidget(words, i / 2, (i % 2) * 2 + 1);
    }
    legend->setColumnStretch(1, 1);
    legend->setColumnStretch(3, 1);
    layout->addLayout(legend);
    cellWords = plainLabel(panel);
    cellWords->setFont(gameFont(Face::Arial, 8.5, Italic));
    layout->addWidget(cellWords);
    return panel;
}

QWidget* ProgressWindow::makeRightPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2); // a netbook's 600 lines hold the whole column
    movingOnHeading = heading({}, panel);
    movingOnHeading->setWordWrap(true); // the headings must not widen the window
    layout->addWidget(movingOnHeading);
    movingOnLabel = plainLabel(panel);
    movingOnLabel->setFont(gameFont(Face::Arial, 10, Bold));
    movingOnLabel->setFocusPolicy(Qt::StrongFocus);
    movingOnLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                           Qt::TextSelectableByMouse);
    // Room for a child's place on the path, so that the chart below keeps its size from one
    // player to the next: a chart resized is a chart drawn again.
    movingOnLabel->setMinimumHeight(5 * movingOnLabel->fontMetrics().lineSpacing());
    movingOnLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(movingOnLabel);
    practiseHeading = heading(ProgressWindow::tr("Facts to practise"), panel);
    practiseHeading->setWordWrap(true);
    layout->addWidget(practiseHeading);
    practiseLabel = plainLabel(panel);
    practiseLabel->setFont(gameFont(Face::Arial, 10, Bold));
    practiseLabel->setFocusPolicy(Qt::StrongFocus);
    practiseLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                           Qt::TextSelectableByMouse);
    layout->addWidget(practiseLabel);
    daysLabel = heading({}, panel);
    daysLabel->setWordWrap(true); // a long period's name must not widen the window
    layout->addWidget(daysLabel);
    chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(4);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chartView = new QChartView(chart, panel);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(150);
    chartView->installEventFilter(this);
    chartView->setAccessibleName(ProgressWindow::tr("Share right and usual time per day"));
    layout->addWidget(chartView, 1);
    trendLabel = plainLabel(panel);
    trendLabel->setFont(gameFont(Face::Arial, 8.5, Bold));
    layout->addWidget(trendLabel);
    return panel;
}

void ProgressWindow::reload() {
    model.reload();
    troubleLabel->setText(RecordTrouble::lastTrouble());
    troubleLabel->setVisible(!troubleLabel->text().isEmpty());
    const QString& failure = model.readError();
    const bool usable = failure.isEmpty() && !model.players().empty();
    for (QPushButton* b : {saveButton, saveAllButton, printButton, forgetButton})
        b->setEnabled(usable);
    if (!failure.isEmpty()) {
        const QString advice = model.readAdvice();
        noticeLabel->setText(
            ProgressWindow::tr(
                "The practice record could not be read, so there is nothing to show. "
                "Nothing in it was changed or deleted.%1\n\n%2")
                .arg(advice.isEmpty() ? QString() : QLatin1Char(' ') + advice, failure));
        pages->setCurrentWidget(noticeLabel);
        return;
    }
    if (model.players().empty()) {
        noticeLabel->setText(
            ProgressWindow::tr("Nobody has played yet.\n\nThe record fills by itself: every answer "
                               "in a game of Quintarlow! is kept here. Play a game, then open the "
                               "Practice Record again to see which facts each player knows."));
        pages->setCurrentWidget(noticeLabel);
        return;
    }
    pages->setCurrentIndex(0);
    players->setPlayers(model.players());
    showPlayer(model.players().front().name);
}

void ProgressWindow::readEveryone() {
    model.readEveryone();
    showEveryone();
}

void ProgressWindow::showEveryone() {
    if (!model.everyoneIsRead())
        return;
    const ReportPage& wholeClass = model.classPage();
    for (const ChildLine& line : wholeClass.sheet)
        players->setFigures(line.name, line);
    players->setFigures({}, childLine(wholeClass));
}

void ProgressWindow::practiceSaved(const QString& name, bool ownSettings) {
    players->markPractice(name, ownSettings);
    model.practiceChanged(name, ownSettings);
    showEveryone();
    redraw();
}

void ProgressWindow::showPlayer(const QString& name) {
    if (model.players().empty())
        return;
    player = name;
    // The list follows, so the keyboard and the window agree on who is shown.
    players->select(name);
    practiceEditor->showPlayer(name);
    redraw();
}

void ProgressWindow::setFluencyMs(int ms) {
    if (ms == model.fluencyMs())
        return;
    model.setFluencyMs(ms);
    fluencyChooser->setCurrentIndex(fluencyChooser->findData(ms));
    const auto entries = legendEntries(ms);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
        if (auto* words = findChild<QLabel*>(QStringLiteral("legend%1").arg(i)))
            words->setText(entries[i].words);
    showEveryone();
    redraw();
}

void ProgressWindow::setPeriod(Period chosen) {
    if (chosen == model.period())
        return;
    model.setPeriod(chosen);
    periodChooser->setCurrentIndex(periodChooser->findData(static_cast<int>(chosen)));
    termStartEdit->setVisible(chosen == Period::ThisTerm);
    showEveryone();
    redraw();
}

void ProgressWindow::redraw() {
    if (model.players().empty())
        return;
    const bool wholeClass = player.isEmpty();
    const bool everyoneWasRead = model.everyoneIsRead();
    page = model.pageOf(player, practiceEditor->settings());
    if (!everyoneWasRead)
        showEveryone();
    forgetButton->setEnabled(!wholeClass);
    gridTitle->setText(shownName(page.player));
    summary->setText(summaryLine(page));
    gridView->setGrid(page.grid);
    cellWords->setText(
        (wholeClass
             ? ProgressWindow::tr("Each child is judged on their own answers: a cell has the "
                                  "colour most children show, its number how many keep "
                                  "missing it. ")
             : ProgressWindow::tr("A cell's number: the seconds its right answers usually take "
                                  "in its last three tries, which its colour is judged on. An "
                                  "orange star: practice settings of their own. ")) +
        ProgressWindow::tr("Rows: first factor; columns: second. Colours: where each fact stood at "
                           "the period's end, even from tries before it.") +
        (page.keepDays > 0 ? QLatin1Char(' ') + keepingSentence(page.keepDays) : QString()));
    showMovingOn();
    practiseHeading->setText(wholeClass ? ProgressWindow::tr("Facts most children miss")
                                        : ProgressWindow::tr("Facts to practise"));
    QStringList lines;
    for (const FactToPractise& fact : page.facts)
        lines.append(fact.text);
    practiseLabel->setText(lines.isEmpty()
                               ? ProgressWindow::tr("None: every fact asked lately is known.")
                               : lines.join(QLatin1Char('\n')));
    daysLabel->setText(daysHeading(page));
    trendLabel->setText(ProgressWindow::tr("Bars: the share right. Line: the seconds right answers "
                                           "usually took; lower is faster. ") +
                        trendSentence(page.trend));
    drawChart();
}

void ProgressWindow::showMovingOn() {
    const PracticeSettings& settings = practiceEditor->settings();
    if (player.isEmpty()) {
        movingOnHeading->setText(ProgressWindow::tr("Moving on"));
        movingOnLabel->setText(page.movingOn);
    } else if (settings.path) {
        // From every answer the child gave, whatever the period: the path is the child's own.
        const std::vector<FactAnswer>& all = model.historyOf(player);
        const QDate today = model.today();
        const PathSummary path = pathSummary(all, model.fluencyMs(), today, settings.tables);
        movingOnHeading->setText(ProgressWindow::tr("Learning path, from all answers"));
        movingOnLabel->setText(
            pathWords(path, knownFacts(factGrid(all, model.fluencyMs(), DaySpan{{}, today, {}}))));
    } else {
        movingOnHeading->setText(ProgressWindow::tr("Learning path"));
        movingOnLabel->setText(ProgressWindow::tr("Not on the learning path: tick \"Follow the "
                                                  "learning path\" under Practice settings."));
    }
}

void ProgressWindow::drawChart() {
    showProgress(*chart, page.days, chartView->width());
    // Smaller than the paper's: the window's chart is a third of a netbook's width, and an axis
    // label that does not fit is cut to "1…".
    const QFont small = gameFont(Face::Arial, 7.5);
    for (QAbstractAxis* axis : chart->axes())
        if (axis->labelsFont() != small) // once: a font set lays the chart out again
            axis->setLabelsFont(small);
    if (chart->legend()->font() != small)
        chart->legend()->setFont(small);
}

void ProgressWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Everyone's answers are read once the first player is on the screen, not before.
    if (!everyoneAsked) {
        everyoneAsked = true;
        QTimer::singleShot(0, this, &ProgressWindow::readEveryone);
    }
}

bool ProgressWindow::eventFilter(QObject* watched, QEvent* event) {
    // How many days get a label depends on the chart's width.
    if (watched == chartView && event->type() == QEvent::Resize && !model.players().empty())
        drawChart();
    return QWidget::eventFilter(watched, event);
}

QString ProgressWindow::notice() const {
    return pages->currentWidget() == noticeLabel ? noticeLabel->text() : QString();
}

void ProgressWindow::saveReportAsked() {
    if (!notice().isEmpty())
        return;
    const QString path =
        services.devices.chooseReportFile(this, QDir::home().filePath(reportFileName(page)));
    if (path.isEmpty())
        return;
    const QString failure = saveReport(path, page);
    if (!failure.isEmpty())
        services.dialogs.warn(
            this,
            ProgressWindow::tr("The report could not be saved: %1. Choose another "
                               "folder and try again.")
                .arg(failure),
            ProgressWindow::tr("Save Report"));
}

void ProgressWindow::saveAllReportsAsked() {
    if (!notice().isEmpty())
        return;
    const QString folder = services.devices.chooseReportFolder(
        this, QDir::home().filePath(ProgressWindow::tr("Practice Records")));
    if (folder.isEmpty())
        return;
    const QString failure = saveReports(folder, model.everyPage());
    if (!failure.isEmpty())
        services.dialogs.warn(this,
                              ProgressWindow::tr("Not every report could be saved: %1. Choose "
                                                 "another folder and try again.")
                                  .arg(failure),
                              ProgressWindow::tr("Save All Reports"));
}

void ProgressWindow::printAsked() {
    if (!notice().isEmpty())
        return;
    services.devices.print(this,
                           [this](QPagedPaintDevice& device) { return drawReport(device, page); });
}

void ProgressWindow::forgetAsked() {
    if (player.isEmpty() || model.players().empty())
        return;
    const QString name = player;
    const auto answers = static_cast<qint64>(model.historyOf(name).size());
    if (!services.dialogs.askToDelete(
            this,
            counted(answers, QT_TRANSLATE_N_NOOP("Counts", "Forget %1? All %Ln answer(s) that %1 "
                                                           "gave are deleted from the practice "
                                                           "record on this computer. This cannot "
                                                           "be undone."))
                .arg(name),
            ProgressWindow::tr("Forget Player")))
        return;
    if (services.editor.forgetPlayer(name) < 0) {
        services.dialogs.warn(
            this,
            ProgressWindow::tr("%1 could not be forgotten: the record could not be "
                               "changed. Nothing was deleted; close the window and "
                               "try again.")
                .arg(name),
            ProgressWindow::tr("Forget Player"));
        return;
    }
    reload();
    readEveryone();
}

int runProgressWindow(RecordReader& reader, RecordEditor& editor, Dialogs& dialogs,
                      ReportDevices& devices) {
    ProgressWindow window({reader, editor, dialogs, devices});
    QApplication::setQuitOnLastWindowClosed(true);
    window.show();
    return QApplication::exec();
}

} // namespace quintarlow
