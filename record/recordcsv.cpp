#include "record/recordcsv.h"

#include "core/outcomewords.h"
#include "core/playernames.h"
#include "record/recordrows.h"
#include "record/recordwords.h"

#include <QStringList>
#include <QUuid>
#include <algorithm>
#include <cstdlib>

namespace quintarlow {

QString outcomeName(Outcome outcome) {
    const std::string_view word = outcomeWord(outcome);
    return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}

std::optional<Outcome> outcomeOf(const QString& name) {
    return outcomeOfWord(name.toStdString());
}

QString isoWithOffset(const QDateTime& at) {
    // The offset always written out, UTC itself as "+00:00" rather than "Z".
    const int offset = at.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return at.toOffsetFromUtc(offset).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) +
           QStringLiteral("%1%2:%3")
               .arg(QLatin1Char(offset < 0 ? '-' : '+'))
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString canonicalId(const QString& text) {
    const QUuid id = QUuid::fromString(text);
    return id.isNull() ? QString() : id.toString(QUuid::WithoutBraces);
}

namespace {

// A cell a spreadsheet would take for a formula (or would strip of its leading tab or
// carriage return) is written behind an apostrophe, which spreadsheets show as text and do not
// show; a value that itself begins with an apostrophe gets one more, so reading takes exactly
// one away.
bool needsApostrophe(const QString& field) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r'");
    return !field.isEmpty() && formulaStarts.contains(field.front());
}

QString unescaped(const QString& cell) {
    return cell.startsWith(QLatin1Char('\'')) ? cell.mid(1) : cell;
}

QString quoted(const QString& value) {
    const QString field = needsApostrophe(value) ? QLatin1Char('\'') + value : value;
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString escaped = field;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// One record of fields; `line` moves on by the physical lines it spans.
struct Record {
    QStringList fields;
    int firstLine = 0;
    bool wellFormed = true;
};

std::vector<Record> splitRecords(const QString& text) {
    std::vector<Record> records;
    int line = 1;
    qsizetype at = 0;
    while (at < text.size()) {
        Record record{{}, line, true};
        QString field;
        bool inQuotes = false;
        bool wasQuoted = false;
        for (;; ++at) {
            if (at == text.size()) {
                record.wellFormed = record.wellFormed && !inQuotes;
                record.fields.append(field);
                break;
            }
            const QChar c = text[at];
            if (inQuotes) {
                if (c == QLatin1Char('"') && at + 1 < text.size() &&
                    text[at + 1] == QLatin1Char('"')) {
                    field += c;
                    ++at;
                } else if (c == QLatin1Char('"')) {
                    inQuotes = false;
                } else {
                    if (c == QLatin1Char('\n'))
                        ++line;
                    field += c;
                }
            } else if (c == QLatin1Char('"')) {
                // A quote only opens a field; anywhere else the line is garbled.
                if (!field.isEmpty() || wasQuoted)
                    record.wellFormed = false;
                inQuotes = wasQuoted = true;
            } else if (c == QLatin1Char(',')) {
                record.fields.append(field);
                field.clear();
                wasQuoted = false;
            } else if (c == QLatin1Char('\r') && at + 1 < text.size() &&
                       text[at + 1] == QLatin1Char('\n')) {
                continue;
            } else if (c == QLatin1Char('\n')) {
                record.fields.append(field);
                ++at;
                ++line;
                break;
            } else {
                if (wasQuoted)
                    record.wellFormed = false;
                field += c;
            }
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::optional<int> number(const QString& text, qint64 lowest, qint64 highest) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < lowest || value > highest || text != QString::number(value))
        return std::nullopt;
    return static_cast<int>(value);
}

// The row of one record, or what is wrong with it.
std::optional<AnswerRow> rowFrom(const QStringList& f, QString& problem) {
    auto bad = [&problem](const QString& what) {
        problem = what;
        return std::nullopt;
    };
    AnswerRow row;
    row.answerId = canonicalId(f[0]);
    if (row.answerId.isEmpty())
        return bad(RecordWords::tr("answer_id is not a UUID"));
    // Exactly as typed: a name of blanks, or with blanks around it, is a player too.
    row.player = composedName(unescaped(f[1]));
    if (row.player.isEmpty())
        return bad(RecordWords::tr("player is empty"));
    if (const QString problem = nameProblem(row.player); !problem.isEmpty())
        return bad(problem);
    row.playedAt = QDateTime::fromString(f[2], Qt::ISODateWithMs);
    if (!row.playedAt.isValid() || row.playedAt.timeSpec() == Qt::LocalTime)
        return bad(RecordWords::tr("played_at is not a date and time with its offset"));
    row.gameId = canonicalId(f[3]);
    if (row.gameId.isEmpty())
        return bad(RecordWords::tr("game is not a UUID"));
    const auto turn = number(f[4], 1, 1000000);
    const auto a = number(f[5], 1, 12);
    const auto b = number(f[6], 1, 12);
    const auto product = number(f[7], 1, 144);
    if (!turn || !a || !b || !product)
        return bad(RecordWords::tr("turn, a, b or product is not a number in range"));
    if (*product != *a * *b)
        return bad(RecordWords::tr("product is not a times b"));
    row.turn = *turn;
    row.a = *a;
    row.b = *b;
    row.product = *product;
    if (!f[8].isEmpty()) {
        row.answered = number(f[8], 1, 144);
        if (!row.answered)
            return bad(RecordWords::tr("answered is not a number from 1 to 144"));
    }
    const auto outcome = outcomeOf(f[9]);
    if (!outcome)
        return bad(RecordWords::tr("outcome is not right, wrong or timeout"));
    row.outcome = *outcome;
    const bool consistent =
        row.outcome == Outcome::Timeout
            ? !row.answered
            : row.answered && ((*row.answered == row.product) == (row.outcome == Outcome::Right));
    if (!consistent)
        return bad(RecordWords::tr("answered and outcome do not agree"));
    const auto ms = number(f[10], 0, 24 * 3600 * 1000);
    if (!ms)
        return bad(RecordWords::tr("ms is not a number in range"));
    row.ms = *ms;
    return row;
}

} // namespace

QByteArray csvTable(const QStringList& header, const std::vector<QStringList>& rows) {
    // The byte-order mark tells a spreadsheet the file is UTF-8, so accented names read right.
    QString text = QChar(0xFEFF);
    const auto addLine = [&text](const QStringList& fields) {
        QStringList cells;
        for (const QString& field : fields)
            cells.append(quoted(field));
        text += cells.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    addLine(header);
    for (const QStringList& fields : rows)
        addLine(fields);
    return text.toUtf8();
}

std::vector<QStringList> csvCells(const QByteArray& file) {
    const QByteArray bom("\xEF\xBB\xBF");
    std::vector<QStringList> cells;
    for (const Record& record :
         splitRecords(QString::fromUtf8(file.startsWith(bom) ? file.mid(3) : file))) {
        QStringList fields;
        for (const QString& field : record.fields)
            fields.append(unescaped(field));
        cells.push_back(fields);
    }
    return cells;
}

QByteArray answersToCsv(const std::vector<AnswerRow>& rows) {
    // The class column only where some answer has a class: a file of no school stays as before.
    const bool classes = std::any_of(rows.begin(), rows.end(),
                                     [](const AnswerRow& row) { return !row.className.isEmpty(); });
    std::vector<QStringList> lines;
    for (const AnswerRow& row : rows) {
        lines.push_back({row.answerId, row.player, isoWithOffset(row.playedAt), row.gameId,
                         QString::number(row.turn), QString::number(row.a), QString::number(row.b),
                         QString::number(row.product),
                         row.answered ? QString::number(*row.answered) : QString(),
                         outcomeName(row.outcome), QString::number(row.ms)});
        if (classes)
            lines.back().append(row.className);
    }
    QString header = CsvHeader;
    if (classes)
        header += CsvClassColumn;
    return csvTable(header.split(QLatin1Char(',')), lines);
}

CsvReading answersFromCsv(const QByteArray& file) {
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray csv = file.startsWith(bom) ? file.mid(bom.size()) : file;
    if (csv.startsWith(bom))
        return {{},
                RecordWords::tr("line 1: the file begins with two byte-order marks; save it "
                                "again as UTF-8 with one (or none)")};
    const QString text = QString::fromUtf8(csv);
    if (text.toUtf8() != csv)
        return {{}, RecordWords::tr("the file is not UTF-8 text; save it again as UTF-8")};
    if (text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return {{},
                RecordWords::tr("line 1: the lines end in a carriage return alone; save it "
                                "again with CR LF or LF line ends")};
    std::vector<Record> records = splitRecords(text);
    // An editor's blank last line holds no answer.
    while (records.size() > 1 && records.back().wellFormed &&
           records.back().fields == QStringList{QString()})
        records.pop_back();
    const QString header =
        records.empty() ? QString() : records.front().fields.join(QLatin1Char(','));
    if (header != CsvHeader && header != CsvHeader + CsvClassColumn)
        return {{}, RecordWords::tr("line 1: the header is not \"%1\"").arg(CsvHeader)};
    const qsizetype columns = records.front().fields.size();
    CsvReading reading;
    for (std::size_t index = 1; index < records.size(); ++index) {
        const Record& record = records[index];
        QString problem;
        if (!record.wellFormed)
            problem = RecordWords::tr("garbled quotes");
        else if (record.fields.size() != columns)
            problem =
                RecordWords::tr("%1 fields instead of %2").arg(record.fields.size()).arg(columns);
        std::optional<AnswerRow> row;
        if (problem.isEmpty())
            row = rowFrom(record.fields, problem);
        if (row && columns > 11)
            row->className = classKey(record.fields[11]);
        if (!row)
            return {{}, RecordWords::tr("line %1: %2").arg(record.firstLine).arg(problem)};
        reading.rows.push_back(*row);
    }
    return reading;
}

} // namespace quintarlow
