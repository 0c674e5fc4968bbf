#pragma once

#include "progress/reportpage.h"

#include <span>

class QPagedPaintDevice;

namespace quintarlow {

// Draws the page on a printer or a PDF writer; false when the device could not be painted on.
bool drawReport(QPagedPaintDevice& device, const ReportPage& page);
// The pages one after another, each page's class sheet after it.
bool drawReports(QPagedPaintDevice& device, std::span<const ReportPage> pages);
// Writes the page as a PDF: all of it or nothing; an empty string or why it failed. Nothing is
// written inside `keptOutOf` (the practice record's folder).
QString saveReport(const QString& path, const ReportPage& page, const QString& keptOutOf = {});
// The class's pages, then every child's, in one PDF to print.
QString saveReportBook(const QString& path, const std::vector<ReportPage>& pages,
                       const QString& keptOutOf = {});
// Writes each page into the folder, made if need be, under its file name; an empty string or
// the first failure, with the file it was.
QString saveReports(const QString& folder, const std::vector<ReportPage>& pages,
                    const QString& keptOutOf = {});

} // namespace quintarlow
