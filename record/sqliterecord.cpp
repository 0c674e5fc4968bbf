#include "record/sqliterecord.h"

#include "record/recordwords.h"
#include "record/sqlitequeries.h"
#include "record/sqlitewriter.h"

#include "core/learningpath.h"
#include "core/playernames.h"
#include "record/recordcsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace quintarlow {

QString playerKey(const QString& name) {
    return nameKey(name);
}

QString SqliteRecord::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

namespace {

bool keptPrivate(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = RecordWords::tr("cannot make the folder %1").arg(folder);
        return false;
    }
    // The record is the child's own: nobody else on the computer may look in. Only others'
    // rights are taken away; a folder its owner made read-only stays so, and is found out on
    // opening or at the first answer.
    constexpr QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (const auto rights = QFile::permissions(folder); rights & others)
        QFile::setPermissions(folder, rights & ~others);
    return true;
}

QString recordFile(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("record.sqlite"));
}

} // namespace

std::unique_ptr<SqliteRecord> SqliteRecord::open(const QString& folder, QString* error,
                                                 Damaged damaged, QString* advice) {
    if (!keptPrivate(folder, error))
        return nullptr;
    auto writer = std::make_unique<SqliteWriter>(recordFile(folder), damaged == Damaged::MoveAside);
    if (QString why = writer->start(); !why.isEmpty()) {
        *error = why;
        if (advice)
            *advice = writer->openAdvice().isEmpty()
                          ? RecordWords::tr("See the README, Practice record.")
                          : writer->openAdvice();
        return nullptr;
    }
    std::unique_ptr<SqliteRecord> record(new SqliteRecord(std::move(writer)));
    record->m_settings = record->m_writer->call<QHash<QString, PracticeSettings>>(
        [](QSqlDatabase& db) { return keptSettings(db); });
    record->m_playerNames = record->m_writer->call<QStringList>(keptNames);
    return record;
}

std::unique_ptr<SqliteRecord> SqliteRecord::openForPlay(const QString& folder) {
    return std::unique_ptr<SqliteRecord>(
        new SqliteRecord(std::make_unique<SqliteWriter>(recordFile(folder), true)));
}

void SqliteRecord::startOpening() {
    // Found out on opening when it cannot be made.
    QString unused;
    keptPrivate(QFileInfo(fileName()).path(), &unused);
    m_writer->startInBackground();
    reloadSettings();
}

void SqliteRecord::reloadSettings() {
    m_writer->later([this](QSqlDatabase& db) {
        auto settings = keptSettings(db);
        QStringList names = keptNames(db);
        std::lock_guard lock(m_settingsLock);
        m_settings = std::move(settings);
        m_playerNames = std::move(names);
    });
    // A child new to this machine meets the school's settings in the game the round was sent
    // for, as long as nobody has answered yet.
    if (!m_gameId.isEmpty() && m_turn == 0)
        planGame();
}

SqliteRecord::SqliteRecord(std::unique_ptr<SqliteWriter> writer) : m_writer(std::move(writer)) {}

std::vector<FactAnswer> SqliteRecord::factAnswers(const QString& player) {
    FactReading reading = m_writer->call<FactReading>(
        [&player](QSqlDatabase& db) { return factAnswersOf(db, player); });
    m_readError = reading.error;
    return std::move(reading.answers);
}

std::vector<std::vector<FactAnswer>>
SqliteRecord::factAnswersOfEach(const std::vector<QString>& players) {
    EachReading reading = m_writer->call<EachReading>(
        [&players](QSqlDatabase& db) { return factAnswersOfEachIn(db, players); });
    m_readError = reading.error;
    return std::move(reading.each);
}

void SqliteRecord::onWritten(std::function<void()> call) {
    m_writer->onWritten(std::move(call));
}

void SqliteRecord::onGivenUp(std::function<void(const QString&)> call) {
    m_writer->onGivenUp(std::move(call));
}

void SqliteRecord::onOpened(std::function<void()> call) {
    m_writer->onOpened(std::move(call));
}

SqliteRecord::~SqliteRecord() {
    // The writer's last jobs still use the plans and settings: it ends while they exist.
    m_writer.reset();
}

QString SqliteRecord::fileName() const {
    return m_writer->file();
}

void SqliteRecord::planGame() {
    m_writer->later([this, game = m_gameId, players = m_gamePlayers, fluency = m_fluencyMs.load(),
                     today = m_gameDay, classKey = m_classKey](QSqlDatabase& db) {
        const QStringList keys{playerKey(players[0]), playerKey(players[1])};
        const QHash<QString, PracticeSettings> settings = keptSettings(db, keys);
        const QHash<QString, PracticePlan> plans =
            gamePlans(db, players, settings, classKey, fluency, today);
        std::lock_guard lock(m_settingsLock);
        m_settings.removeIf(
            [&keys](const auto& kept) { return keys.contains(classChild(kept.key()).name); });
        m_settings.insert(settings);
        if (m_plansGame == game)
            m_gamePlans = plans;
    });
}

void SqliteRecord::gameStarted(const QString& blue, const QString& red, const QDateTime& at) {
    startGame(blue, red, at, false);
}

void SqliteRecord::gameStartedAgainstComputer(const QString& blue, const QDateTime& at) {
    startGame(blue, ComputerName, at, true);
}

void SqliteRecord::startGame(const QString& blue, const QString& red, const QDateTime& at,
                             bool alone) {
    m_gameId = newId();
    m_turn = 0;
    {
        // Until the record has read this game's settings, the ones known last.
        std::lock_guard lock(m_settingsLock);
        for (const QString& player : {blue, red})
            if (player != ComputerName && player != GuestName && !m_playerNames.contains(player))
                m_playerNames.append(player);
        m_gamePlans.clear();
        m_plansGame = m_gameId;
        for (const QString& player : {blue, red})
            m_gamePlans.insert(playerKey(player),
                               startingPlan(settingsOfChild(m_settings, player, m_classKey)));
    }
    // The settings as the file holds them now: the Practice Record window or --practice may
    // have changed them, or forgotten the player, since the last game. Read before the game's
    // row is written, since reading goes on while another program holds the write lock.
    m_gamePlayers = {blue, red};
    m_gameDay = at.date();
    planGame();
    m_writer->post([game = m_gameId, blue, red, at = isoWithOffset(at), alone,
                    classKey = m_classKey](QSqlDatabase& db) {
        return addGame(db, game, blue, red, at, alone, classKey);
    });
}

void SqliteRecord::answerJudged(const JudgedAnswer& answer) {
    if (m_gameId.isEmpty())
        return;
    const AnswerRow row{newId(),         answer.player,  answer.judgedAt, m_gameId,
                        ++m_turn,        answer.a,       answer.b,        answer.a * answer.b,
                        answer.answered, answer.outcome, answer.ms,       m_classKey};
    // Another program may have added it already from the answers kept aside while locked.
    m_writer->post(
        [row](QSqlDatabase& db) {
            RecordMerge merge;
            return inTransaction(db, [&] { return addNewRows(db, {row}, merge); });
        },
        row);
}

void SqliteRecord::gameFinished(const QString& winner, const QDateTime& at) {
    if (m_gameId.isEmpty())
        return;
    m_writer->post([game = m_gameId, winner, at = isoWithOffset(at)](QSqlDatabase& db) {
        return finishGame(db, game, winner, at);
    });
    m_gameId.clear();
    std::lock_guard lock(m_settingsLock);
    m_gamePlans.clear();
    m_plansGame.clear();
}

PracticePlan SqliteRecord::practicePlan(const QString& player) const {
    std::lock_guard lock(m_settingsLock);
    const QString key = playerKey(player);
    if (const auto plan = m_gamePlans.constFind(key); plan != m_gamePlans.constEnd())
        return *plan;
    return {settingsOfChild(m_settings, player, m_classKey), {}};
}

QStringList SqliteRecord::playerNames() const {
    std::lock_guard lock(m_settingsLock);
    return m_playerNames;
}

std::vector<AnswerRow> SqliteRecord::answers(const QString& player) {
    AnswerReading reading = m_writer->call<AnswerReading>(
        [&player](QSqlDatabase& db) { return answerRowsOf(db, player); });
    m_readError = reading.error;
    return std::move(reading.rows);
}

std::vector<PlayerSummary> SqliteRecord::players() {
    const auto merge = m_writer->call<PlayerMerge>([](QSqlDatabase& db) { return playersIn(db); });
    std::lock_guard lock(m_settingsLock);
    return merge.players([this](const QString& key) {
        // A child listed by name alone may have settings of their one class.
        return m_settings.contains(key) ||
               std::any_of(m_settings.keyBegin(), m_settings.keyEnd(),
                           [&key](const QString& kept) { return classChild(kept).name == key; });
    });
}

int SqliteRecord::forgetPlayer(const QString& child) {
    const QString key = playerKey(child);
    const int deleted = m_writer->call<int>(
        [&child, file = fileName()](QSqlDatabase& db) { return forgetChild(db, file, child); });
    if (deleted >= 0) {
        std::lock_guard lock(m_settingsLock);
        m_settings.remove(key);
    }
    return deleted;
}

PracticeSettings SqliteRecord::practiceSettings(const QString& name) {
    std::lock_guard lock(m_settingsLock);
    return settingsOfChild(m_settings, name, {});
}

bool SqliteRecord::setPracticeSettings(const QString& child, const PracticeSettings& settings) {
    const QString key = playerKey(child);
    const bool saved = m_writer->call<bool>(
        [&](QSqlDatabase& db) { return savePracticeSettings(db, child, settings); });
    if (saved) {
        std::lock_guard lock(m_settingsLock);
        if (settings.isDefault())
            m_settings.remove(key);
        else
            m_settings.insert(key, settings);
    }
    return saved;
}

SqliteRecord::Merge SqliteRecord::importAnswers(const std::vector<AnswerRow>& rows) {
    return m_writer->call<Merge>([&rows](QSqlDatabase& db) {
        Merge merge;
        if (const auto failure = inTransaction(db, [&] { return addNewRows(db, rows, merge); }))
            return Merge{0, 0,
                         failure->locked
                             ? RecordWords::tr("the practice record is locked by another program "
                                               "(another import, a game, a backup) for more than "
                                               "%1 s. Try again once it is done")
                                   .arg(BusyTimeoutMs / 1000)
                             : failure->what};
        return merge;
    });
}

void SqliteRecord::waitUntilWritten() {
    // A record never asked to open has nothing to write, and nobody to wait for.
    if (!m_writer->started())
        return;
    m_writer->call<bool>([](QSqlDatabase&) { return true; });
}

} // namespace quintarlow
