#pragma once

#include "record/recordreader.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace quintarlow {

// The record's exchange file: RFC 4180 CSV in UTF-8 with a byte-order mark, one header line,
// one answer a line. A cell that would begin with = + - @ ' a tab or a carriage return is
// written behind one more apostrophe, so that no spreadsheet runs it as a formula; reading
// takes that apostrophe away again. A file without the byte-order mark reads the same.
inline constexpr QLatin1String CsvHeader{
    "answer_id,player,played_at,game,turn,a,b,product,answered,outcome,ms"};
// A record that knows the classes answers were played in writes one more column, so that two
// children of one name in two classes stay two; a file without it reads as before.
inline constexpr QLatin1String CsvClassColumn{",class"};

// The outcome's word (see OutcomeWords), and the outcome of a word; none for an unknown word.
QString outcomeName(Outcome outcome);
std::optional<Outcome> outcomeOf(const QString& name);
// The time as the file and the record write it: ISO 8601 with milliseconds and the offset.
QString isoWithOffset(const QDateTime& at);

// An answer's or a game's id as the record keeps and compares it: lower case, without braces;
// empty when the text is no UUID. The same answer written with capitals or in braces is the same.
QString canonicalId(const QString& text);

QByteArray answersToCsv(const std::vector<AnswerRow>& rows);
// Any table the same way: the header, then a line of cells per row.
QByteArray csvTable(const QStringList& header, const std::vector<QStringList>& rows);
// Each line's cells as written, the apostrophes of safe cells taken away; no checks.
std::vector<QStringList> csvCells(const QByteArray& file);

struct CsvReading {
    std::vector<AnswerRow> rows;
    QString error; // empty when every line was good; otherwise names the first bad line
};
// All or nothing: one bad line and no rows at all.
CsvReading answersFromCsv(const QByteArray& csv);

} // namespace quintarlow
