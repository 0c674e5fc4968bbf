#pragma once

#include "record/practicerecord.h"
#include "record/recordreader.h"

#include "core/factstats.h"

#include <QHash>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class QSqlDatabase;

namespace quintarlow {

class SqliteWriter;

// The practice record in one SQLite file. The board's reports only queue their row: a
// worker thread with its own connection writes them in order, one transaction each, so the
// board never waits for the disk. Reading and the other changes wait for their answer.
class SqliteRecord final : public PracticeRecord, public RecordReader, public RecordEditor {
public:
    // The record's folder under the user's data folder ($XDG_DATA_HOME).
    static QString defaultFolder();
    // What opening does with a damaged file: move it aside under a dated name and start a
    // fresh record (a game), or leave it as it is and fail (a window that only looks).
    enum class Damaged { MoveAside, Refuse };
    // Opens or creates the record in `folder`; on failure returns null and says why in `error`
    // and what to do in `advice`. A record of a newer version is never written; with Refuse,
    // neither is another program's SQLite database.
    static std::unique_ptr<SqliteRecord> open(const QString& folder, QString* error,
                                              Damaged damaged = Damaged::MoveAside,
                                              QString* advice = nullptr);
    // The record a game plays with, at once: it opens on its own thread once startOpening()
    // is called, waiting out another program's lock, and what the game reports meanwhile is
    // written once it is open. A record that cannot be opened is said once on stderr, and the
    // game plays on as without one.
    static std::unique_ptr<SqliteRecord> openForPlay(const QString& folder);
    void startOpening();
    // Whatever was reported is on disk before this returns (a file another program keeps
    // locked is waited for a few seconds, and what could not be written then is said).
    ~SqliteRecord() override;

    void gameStarted(const QString& blue, const QString& red, const QDateTime& at) override;
    void gameStartedAgainstComputer(const QString& blue, const QDateTime& at) override;
    void answerJudged(const JudgedAnswer& answer) override;
    void gameFinished(const QString& winner, const QDateTime& at) override;
    PracticePlan practicePlan(const QString& player) const override;
    QStringList playerNames() const override;

    std::vector<PlayerSummary> players() override;
    std::vector<AnswerRow> answers(const QString& player) override;
    int forgetPlayer(const QString& name) override;
    PracticeSettings practiceSettings(const QString& name) override;
    bool setPracticeSettings(const QString& name, const PracticeSettings& settings) override;

    using Merge = RecordMerge;
    // In one transaction.
    Merge importAnswers(const std::vector<AnswerRow>& rows) override;
    // Returns once every report so far is on disk (or given up on).
    void waitUntilWritten();
    // The file the record lives in, and what went wrong when it could not be written (once).
    QString fileName() const;
    std::vector<FactAnswer> factAnswers(const QString& player) override;
    std::vector<std::vector<FactAnswer>>
    factAnswersOfEach(const std::vector<QString>& players) override;
    // A row the last read could not understand (an outcome of no known word).
    QString readError() const override { return m_readError; }
    QString readAdvice() const override { return unreadableAdvice(); }
    static QString unreadableAdvice() {
        return QStringLiteral("Start the game once: it keeps a damaged record aside and says "
                              "where. Or see the README, Practice record.");
    }

    // Called on the record's own thread after each report is on disk (the school's server is
    // sent what is new); set before the first report, cleared once the last is written.
    void onWritten(std::function<void()> call);
    // Called once on the record's own thread, with why, when it gives up writing (the same
    // moment it says so on stderr); set before the first report.
    void onGivenUp(std::function<void(const QString&)> call);
    // Called on the record's thread once a record opened by startOpening() can be written.
    void onOpened(std::function<void()> call);
    // Reads the practice settings again, in the background, for the games after this one (and
    // this one, while nobody has answered yet): the sending process keeps the school's settings
    // and the other machines' facts in the file.
    void reloadSettings();
    // The class whose children play here now (its key; empty where no class is named): their
    // answers and games are kept as that class's, and their settings are that class's child's.
    void playInClass(const QString& classKey) { m_classKey = classKey; }
    // The fluency time the facts to practise are judged by, as the progress window shows them.
    void setFluencyMs(qint64 ms) { m_fluencyMs = ms; }

private:
    explicit SqliteRecord(std::unique_ptr<SqliteWriter> writer);
    // Works out the game's plans from the file, in the background.
    void planGame();
    void startGame(const QString& blue, const QString& red, const QDateTime& at, bool alone);

    QString m_classKey;
    QString m_gameId;    // the game being played, empty between games
    QString m_readError; // of the last read, on the reader's thread
    int m_turn = 0;
    mutable std::mutex m_settingsLock; // the settings are read on the board's thread
    QHash<QString, PracticeSettings> m_settings;
    QStringList m_playerNames; // read with the settings, and every name a game started with
    // The players' plans as the game being played started with them: a change made meanwhile
    // applies from the next game on. Their facts to practise arrive from the record's thread
    // moments after the start; until then a question is drawn from the settings alone.
    QHash<QString, PracticePlan> m_gamePlans;
    QString m_plansGame; // the game m_gamePlans belong to
    QStringList m_gamePlayers;
    QDate m_gameDay;
    std::atomic<qint64> m_fluencyMs = DefaultFluencyMs;
    // Last, so that it ends first: its jobs use the members above.
    std::unique_ptr<SqliteWriter> m_writer;
};

// Names compare trimmed and ignoring case.
QString playerKey(const QString& name);

// What a forgetting in the file `db` has open leaves beside it: the write-ahead log, which still
// holds pages from before the deletion, is copied into the file and cut to nothing; the answers
// waiting beside the record lose the player's; a damaged copy kept aside that holds any of the
// spellings is erased. Returns what could not be done, empty when all was.
QString forgetBesideTheRecord(const QSqlDatabase& db, const QString& recordFile,
                              const QStringList& spellings);

} // namespace quintarlow
