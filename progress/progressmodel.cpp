#include "progress/progressmodel.h"

#include "core/movingon.h"

namespace quintarlow {

namespace {
const QString FluencyKey = QStringLiteral("fluencyMs");
const QString TermStartKey = QStringLiteral("termStart");
const QString PeriodKey = QStringLiteral("period");
} // namespace

QSettings progressSettings() {
    return QSettings(QStringLiteral("quintarlow"), QStringLiteral("progress"));
}

int chosenFluencyMs() {
    const int fluency = progressSettings().value(FluencyKey, DefaultFluencyMs).toInt();
    if (std::find(FluencyChoicesMs.begin(), FluencyChoicesMs.end(), fluency) ==
        FluencyChoicesMs.end())
        return DefaultFluencyMs;
    return fluency;
}

ProgressModel::ProgressModel(RecordReader& reader, RecordEditor& editor, QDate today)
    : reader(reader), editor(editor), day(today), fluency(chosenFluencyMs()) {
    const QSettings kept = progressSettings();
    // The period last shown: a teacher preparing an evening opens the window many times.
    const int keptPeriod = kept.value(PeriodKey, static_cast<int>(shownPeriod)).toInt();
    for (Period each : Periods)
        if (static_cast<int>(each) == keptPeriod)
            shownPeriod = each;
    // Set once: terms start on different days in every school.
    termBegan = kept.value(TermStartKey).toDate();
    if (!termBegan.isValid())
        termBegan = periodSpan(Period::SchoolYear, day).from;
}

void ProgressModel::reload() {
    history.clear();
    withSettings.clear();
    wholeClass.reset();
    stalled.clear();
    summaries.clear();
    if (reader.readError().isEmpty())
        summaries = reader.players();
    failure = reader.readError();
    keptDays = failure.isEmpty() ? reader.keepDays() : 0;
    if (!failure.isEmpty())
        summaries.clear();
    for (const PlayerSummary& summary : summaries)
        if (summary.hasPracticeSettings)
            withSettings.insert(summary.name);
}

void ProgressModel::setFluencyMs(int ms) {
    if (ms == fluency)
        return;
    fluency = ms;
    progressSettings().setValue(FluencyKey, ms);
    readEveryoneAgain();
}

void ProgressModel::setPeriod(Period period) {
    if (period == shownPeriod)
        return;
    shownPeriod = period;
    progressSettings().setValue(PeriodKey, static_cast<int>(period));
    readEveryoneAgain();
}

void ProgressModel::setTermStart(QDate start) {
    if (start == termBegan)
        return;
    termBegan = start;
    progressSettings().setValue(TermStartKey, start);
    if (shownPeriod == Period::ThisTerm)
        readEveryoneAgain();
}

const std::vector<FactAnswer>& ProgressModel::historyOf(const QString& name) {
    auto found = history.find(name);
    if (found == history.end())
        found = history.emplace(name, reader.factAnswers(name)).first;
    return found->second;
}

void ProgressModel::readHistories() {
    std::vector<QString> unread;
    for (const PlayerSummary& summary : summaries)
        if (!history.contains(summary.name))
            unread.push_back(summary.name);
    if (unread.empty())
        return;
    auto each = reader.factAnswersOfEach(unread);
    each.resize(unread.size());
    for (std::size_t i = 0; i < unread.size(); ++i)
        history.emplace(unread[i], std::move(each[i]));
}

void ProgressModel::readEveryone() {
    if (wholeClass || summaries.empty())
        return;
    readHistories();
    const DaySpan shown = span();
    std::vector<std::vector<FactAnswer>> children;
    std::vector<ReportPage> pages;
    QStringList names;
    for (const PlayerSummary& summary : summaries) {
        children.push_back(historyOf(summary.name));
        pages.push_back(playerPage(summary.name, children.back(), fluency, shown));
        names.append(summary.name);
    }
    ReportPage page = quintarlow::classPage(children, fluency, shown, names);
    stalled.clear();
    for (std::size_t child = 0; child < children.size(); ++child) {
        const MovingOn moving =
            movingOn(children[child], fluency, day, settingsOf(names[qsizetype(child)]).tables);
        if (moving == MovingOn::Stalled)
            stalled.append(names[qsizetype(child)]);
        page.sheet.push_back(childLine(pages[child], moving));
    }
    page.movingOn = stalledSentence(stalled);
    page.keepDays = keptDays;
    wholeClass = std::move(page);
}

void ProgressModel::readEveryoneAgain() {
    if (!wholeClass)
        return;
    wholeClass.reset();
    readEveryone();
}

ReportPage ProgressModel::pageOf(const QString& name, const PracticeSettings& settings) {
    if (name.isEmpty()) {
        readEveryone();
        return wholeClass.value_or(ReportPage{});
    }
    const std::vector<FactAnswer>& all = historyOf(name);
    ReportPage page = playerPage(name, all, fluency, span());
    page.practice = practiceSentence(settings);
    for (const PlayerSummary& summary : summaries)
        if (summary.name == name)
            std::tie(page.gamesAlone, page.wonAlone) =
                std::pair(summary.gamesAlone, summary.wonAlone);
    // From every answer the child gave, whatever the period: the path is the child's own.
    if (settings.path)
        page.movingOn = pathLine(name, all, fluency, day, settings);
    page.keepDays = keptDays;
    return page;
}

PracticeSettings ProgressModel::settingsOf(const QString& name) {
    // Only the players the list marks have any: the others are not asked one by one.
    return withSettings.contains(name) ? editor.practiceSettings(name) : PracticeSettings{};
}

void ProgressModel::practiceChanged(const QString& name, bool ownSettings) {
    if (ownSettings)
        withSettings.insert(name);
    else
        withSettings.erase(name);
    // Whether the child moved on is judged on the tables they practise.
    readEveryoneAgain();
}

std::vector<ReportPage> ProgressModel::everyPage() {
    readHistories();
    return quintarlow::everyPage(summaries, [this](const QString& name) { return historyOf(name); },
                                 editor, {fluency, span(), day, keptDays});
}

} // namespace quintarlow
