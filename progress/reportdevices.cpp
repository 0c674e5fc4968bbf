#include "progress/reportdevices.h"

#include "progress/reportpage.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace quintarlow {

QString DesktopReportDevices::chooseReportFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, ProgressWords::tr("Save Report"), suggested,
                                        ProgressWords::tr("PDF documents (*.pdf)"));
}

QString DesktopReportDevices::chooseReportFolder(QWidget* parent, const QString& suggested) {
    return QFileDialog::getExistingDirectory(parent, ProgressWords::tr("Save All Reports In"),
                                             suggested);
}

bool DesktopReportDevices::print(QWidget* parent,
                                 const std::function<bool(QPagedPaintDevice&)>& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(ProgressWords::tr("Print Report"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return draw(printer);
}

} // namespace quintarlow
