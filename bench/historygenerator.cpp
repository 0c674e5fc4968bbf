#include "historygenerator.h"

#include <QTimeZone>
#include <cmath>
#include <random>

namespace quintarlow {

namespace {

const QStringList Names = {
    QStringLiteral("Mia"),   QStringLiteral("Leo"),    QStringLiteral("Ada"),
    QStringLiteral("Ben"),   QStringLiteral("Chloé"),  QStringLiteral("Dev"),
    QStringLiteral("Ella"),  QStringLiteral("Finn"),   QStringLiteral("Grace"),
    QStringLiteral("Hugo"),  QStringLiteral("Isla"),   QStringLiteral("Jonas"),
    QStringLiteral("Kiri"),  QStringLiteral("Liam"),   QStringLiteral("Maya"),
    QStringLiteral("Noah"),  QStringLiteral("Olu"),    QStringLiteral("Priya"),
    QStringLiteral("Quinn"), QStringLiteral("Rosa"),   QStringLiteral("Sami"),
    QStringLiteral("Tariq"), QStringLiteral("Una"),    QStringLiteral("Vik"),
    QStringLiteral("Wren"),  QStringLiteral("Xander"), QStringLiteral("Yara"),
    QStringLiteral("Zoë"),   QStringLiteral("Amir"),   QStringLiteral("Bea"),
    QStringLiteral("Cole"),  QStringLiteral("Dina"),   QStringLiteral("Eli"),
    QStringLiteral("Freya"), QStringLiteral("Gus"),    QStringLiteral("Hana"),
    QStringLiteral("Ivo"),   QStringLiteral("Jade"),   QStringLiteral("Kofi"),
    QStringLiteral("Lena"),
};

// Uniform numbers from a fixed engine, without the library's distributions, whose output may
// differ between standard libraries.
class Dice {
public:
    explicit Dice(quint64 seed) : engine(seed) {}
    double unit() { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }
    int below(int n) { return static_cast<int>(unit() * n); }
    QString uuid() {
        const quint64 high = engine();
        const quint64 low = engine();
        const QString hex = QStringLiteral("%1%2")
                                .arg(high, 16, 16, QLatin1Char('0'))
                                .arg(low, 16, 16, QLatin1Char('0'));
        // Version 4, variant 1, as a random UUID would be.
        return QStringLiteral("%1-%2-4%3-%4%5-%6")
            .arg(hex.mid(0, 8), hex.mid(8, 4), hex.mid(13, 3))
            .arg(QChar(u"89ab"[high % 4]))
            .arg(hex.mid(17, 3), hex.mid(20, 12));
    }

private:
    std::mt19937_64 engine;
};

struct Child {
    QString name;
    double skill[12][12];   // chance of a right answer at first
    double seconds[12][12]; // typical time of a right answer
    int tries[12][12] = {};
};

} // namespace

std::vector<AnswerRow> generateHistory(const HistoryOptions& options) {
    Dice dice(options.seed);
    std::vector<Child> children(static_cast<std::size_t>(std::max(1, options.players)));
    for (std::size_t i = 0; i < children.size(); ++i) {
        Child& child = children[i];
        child.name = Names[static_cast<int>(i) % Names.size()];
        if (i >= static_cast<std::size_t>(Names.size()))
            child.name += QStringLiteral(" %1").arg(i / Names.size() + 1);
        const double talent = 0.45 + 0.4 * dice.unit();
        for (int a = 0; a < 12; ++a)
            for (int b = 0; b < 12; ++b) {
                // Bigger factors are harder; the tables of 1, 2, 5 and 10 easier.
                const bool easy =
                    a == 0 || b == 0 || a == 1 || b == 1 || a == 4 || b == 4 || a == 9 || b == 9;
                const double hardness = (a + b) / 22.0 * (easy ? 0.3 : 1.0);
                child.skill[a][b] = std::clamp(
                    talent + 0.35 - hardness * 0.6 + 0.2 * (dice.unit() - 0.5), 0.05, 0.98);
                child.seconds[a][b] = 1.5 + 9.0 * hardness * (1.2 - talent) + 2 * dice.unit();
            }
    }
    const QTimeZone zone(3600);
    std::vector<AnswerRow> rows;
    rows.reserve(static_cast<std::size_t>(options.answers));
    const int perDay = std::max(1, options.answers / std::max(1, options.days));
    int day = 0;
    while (static_cast<int>(rows.size()) < options.answers) {
        const QDate date = options.lastDay.addDays(day - options.days + 1);
        QDateTime at(date, QTime(9, 0), zone);
        const int dayEnd = static_cast<int>(rows.size()) + perDay;
        while (static_cast<int>(rows.size()) < std::min(dayEnd, options.answers)) {
            const int blue = dice.below(static_cast<int>(children.size()));
            int red =
                children.size() > 1 ? dice.below(static_cast<int>(children.size()) - 1) : blue;
            if (children.size() > 1 && red >= blue)
                ++red;
            const QString gameId = dice.uuid();
            const int turns = 12 + dice.below(30);
            for (int turn = 1; turn <= turns && static_cast<int>(rows.size()) < options.answers;
                 ++turn) {
                Child& child = children[static_cast<std::size_t>(turn % 2 ? blue : red)];
                const int a = 1 + dice.below(12);
                const int b = 1 + dice.below(12);
                int& tries = child.tries[a - 1][b - 1];
                const double chance = std::min(0.98, child.skill[a - 1][b - 1] + 0.04 * tries++);
                AnswerRow row;
                row.answerId = dice.uuid();
                row.player = child.name;
                row.gameId = gameId;
                row.turn = turn;
                row.a = a;
                row.b = b;
                row.product = a * b;
                const double roll = dice.unit();
                if (roll < chance) {
                    row.outcome = Outcome::Right;
                    row.answered = a * b;
                    const double spread = 0.6 + 0.8 * dice.unit();
                    row.ms = static_cast<qint64>(
                        std::min(19.9, child.seconds[a - 1][b - 1] * spread) * 1000);
                } else if (roll < chance + (1 - chance) * 0.8) {
                    row.outcome = Outcome::Wrong;
                    // A neighbour in the same table: what a slip usually gives.
                    row.answered = a * b > a ? a * b - a : a * b + a;
                    row.ms = 1500 + dice.below(12000);
                } else {
                    row.outcome = Outcome::Timeout;
                    row.ms = 20000;
                }
                at = at.addMSecs(row.ms + 4000 + dice.below(6000));
                row.playedAt = at;
                rows.push_back(row);
            }
            at = at.addSecs(60 + dice.below(600));
        }
        ++day;
    }
    return rows;
}

} // namespace quintarlow
