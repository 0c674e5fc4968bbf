#pragma once

#include "recordreader.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace quintarlow {

// The record's exchange file: RFC 4180 CSV in UTF-8, one header line, one answer a line.
inline constexpr QLatin1String CsvHeader{
    "answer_id,player,played_at,game,turn,a,b,product,answered,outcome,ms"};

QString outcomeName(Outcome outcome);
// The time as the file and the record write it: ISO 8601 with milliseconds and the offset.
QString isoWithOffset(const QDateTime& at);

QByteArray answersToCsv(const std::vector<AnswerRow>& rows);

struct CsvReading {
    std::vector<AnswerRow> rows;
    QString error; // empty when every line was good; otherwise names the first bad line
};
// All or nothing: one bad line and no rows at all.
CsvReading answersFromCsv(const QByteArray& csv);

} // namespace quintarlow
