#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace quintarlow {

// Where a report goes: the file chooser and the printer, each asked of the user.
class ReportDevices {
public:
    virtual ~ReportDevices() = default;
    // The file to save to, starting from `suggested`; empty when the user cancelled.
    virtual QString chooseReportFile(QWidget* parent, const QString& suggested) = 0;
    // The folder to save every report in; empty when the user cancelled.
    virtual QString chooseReportFolder(QWidget* parent, const QString& suggested) = 0;
    // Lets the user pick and set up a printer, then draws on it; false when cancelled or
    // when drawing failed.
    virtual bool print(QWidget* parent, const std::function<bool(QPagedPaintDevice&)>& draw) = 0;
};

// The desktop's own file and print dialogs.
class DesktopReportDevices final : public ReportDevices {
public:
    QString chooseReportFile(QWidget* parent, const QString& suggested) override;
    QString chooseReportFolder(QWidget* parent, const QString& suggested) override;
    bool print(QWidget* parent, const std::function<bool(QPagedPaintDevice&)>& draw) override;
};

} // namespace quintarlow
