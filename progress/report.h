#pragma once

#include "factstats.h"

#include <QDate>
#include <QString>

class QPagedPaintDevice;

namespace quintarlow {

// What the one-page report shows for one player (or the whole class).
struct ReportPage {
    QString player;
    QString practice; // the player's practice settings as a sentence; empty for none
    QDate from;
    QDate to;
    qint64 fluencyMs = DefaultFluencyMs;
    FactGrid grid{};
    std::vector<FactToPractise> facts;
    std::vector<DayProgress> days;
};

// "Practising the 3s and 4s; missed facts asked again.", or empty for the default settings.
QString practiceSentence(const PracticeSettings& settings);

// Draws the page on a printer or a PDF writer; false when the device could not be painted on.
bool drawReport(QPagedPaintDevice& device, const ReportPage& page);
// Writes the page as a PDF: all of it or nothing; an empty string or why it failed.
QString saveReport(const QString& path, const ReportPage& page);

} // namespace quintarlow
